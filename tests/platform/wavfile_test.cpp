// The mark sounds as the program carries them, and the WAV reader that
// turns them into samples.
#include "platform/marksoundfile.h"
#include "platform/wavfile.h"
#include "support/testregistry.h"

#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

class TestWavFile : public QObject {
    Q_OBJECT
private slots:
    void markSoundsAreShortAndAudible_data();
    void markSoundsAreShortAndAudible();
    void rightSoundIsBrighterThanWrong();
    void readWav_data();
    void readWav();
};

namespace {

PcmSound markSoundData(MarkSound which)
{
    return readWav(markSoundFile(which));
}

QList<qint16> samples(const PcmSound &s)
{
    QList<qint16> v;
    for (qsizetype i = 0; i + 1 < s.samples.size(); i += 2)
        v.append(qFromLittleEndian<qint16>(s.samples.constData() + i));
    return v;
}

// Sign changes per second of the first channel: twice the pitch of a tone.
double crossingsPerSecond(const PcmSound &s)
{
    const QList<qint16> v = samples(s);
    int crossings = 0;
    for (qsizetype i = s.channels; i < v.size(); i += s.channels)
        crossings += (v[i] < 0) != (v[i - s.channels] < 0);
    return crossings / s.seconds();
}

QByteArray le32(quint32 x)
{
    QByteArray b(4, 0);
    qToLittleEndian(x, b.data());
    return b;
}

// A WAV file: the chunks given, after the RIFF header.
QByteArray wav(const QByteArray &chunks)
{
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

QByteArray fmt(quint16 format, quint16 channels, quint32 rate, quint16 bits)
{
    QByteArray b = "fmt " + le32(16);
    QByteArray f(16, 0);
    qToLittleEndian(format, f.data());
    qToLittleEndian(channels, f.data() + 2);
    qToLittleEndian(rate, f.data() + 4);
    qToLittleEndian(quint32(rate * channels * bits / 8), f.data() + 8);
    qToLittleEndian(quint16(channels * bits / 8), f.data() + 12);
    qToLittleEndian(bits, f.data() + 14);
    return b + f;
}

QByteArray chunk(const char *id, const QByteArray &body, qsizetype claimed = -1)
{
    QByteArray b = QByteArray(id) + le32(quint32(claimed < 0 ? body.size() : claimed)) + body;
    return body.size() % 2 ? b + '\0' : b;
}

} // namespace

void TestWavFile::markSoundsAreShortAndAudible_data()
{
    QTest::addColumn<bool>("right");
    QTest::newRow("right") << true;
    QTest::newRow("wrong") << false;
}

void TestWavFile::markSoundsAreShortAndAudible()
{
    QFETCH(bool, right);
    const PcmSound s = markSoundData(right ? MarkSound::Right : MarkSound::Wrong);
    QVERIFY(s.isValid());
    QVERIFY2(s.seconds() >= 0.15 && s.seconds() < 0.5, qPrintable(QString::number(s.seconds())));
    const QList<qint16> v = samples(s);
    int peak = 0;
    for (qint16 x : v)
        peak = std::max(peak, std::abs(int(x)));
    // Loud enough to hear, with room left: a clipped sine sounds harsh.
    QVERIFY2(peak > 32768 / 10 && peak < 32767 * 9 / 10, qPrintable(QString::number(peak)));
    // It dies away rather than stopping with a click.
    for (qsizetype i = v.size() - 20; i < v.size(); ++i)
        QVERIFY2(std::abs(int(v[i])) < peak / 50, qPrintable(QString::number(v[i])));
}

void TestWavFile::rightSoundIsBrighterThanWrong()
{
    const double right = crossingsPerSecond(markSoundData(MarkSound::Right));
    const double wrong = crossingsPerSecond(markSoundData(MarkSound::Wrong));
    // A high chime against a low tone, far apart in pitch.
    QVERIFY2(wrong > 2 * 100 && wrong < 2 * 400, qPrintable(QString::number(wrong)));
    QVERIFY2(right > 4 * wrong, qPrintable(QStringLiteral("%1 %2").arg(right).arg(wrong)));
}

void TestWavFile::readWav_data()
{
    const QByteArray pcm = QByteArray::fromHex("0100ffff02007f80"); // four samples
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("rate");     // 0: refused
    QTest::addColumn<int>("channels");
    QTest::addColumn<QByteArray>("samples");
    QTest::newRow("mono") << wav(fmt(1, 1, 22050, 16) + chunk("data", pcm)) << 22050 << 1 << pcm;
    QTest::newRow("stereo") << wav(fmt(1, 2, 48000, 16) + chunk("data", pcm)) << 48000 << 2 << pcm;
    QTest::newRow("other chunks first, odd one padded")
        << wav(chunk("LIST", "abc") + fmt(1, 1, 8000, 16) + chunk("fact", "xy") + chunk("data", pcm)) << 8000 << 1
        << pcm;
    QTest::newRow("data cut short: whole frames kept")
        << wav(fmt(1, 2, 44100, 16) + chunk("data", pcm, 100)).chopped(2) << 44100 << 2 << pcm.left(4);
    QTest::newRow("8-bit") << wav(fmt(1, 1, 8000, 8) + chunk("data", pcm)) << 0 << 0 << QByteArray();
    QTest::newRow("float") << wav(fmt(3, 1, 8000, 16) + chunk("data", pcm)) << 0 << 0 << QByteArray();
    QTest::newRow("three channels") << wav(fmt(1, 3, 8000, 16) + chunk("data", pcm)) << 0 << 0 << QByteArray();
    QTest::newRow("no rate") << wav(fmt(1, 1, 0, 16) + chunk("data", pcm)) << 0 << 0 << QByteArray();
    QTest::newRow("data before its format") << wav(chunk("data", pcm) + fmt(1, 1, 8000, 16)) << 0 << 0 << QByteArray();
    QTest::newRow("no data") << wav(fmt(1, 1, 8000, 16)) << 0 << 0 << QByteArray();
    QTest::newRow("short format") << wav(chunk("fmt ", "abcd") + chunk("data", pcm)) << 0 << 0 << QByteArray();
    QTest::newRow("not RIFF") << QByteArray("RIFX").append(wav(fmt(1, 1, 8000, 16) + chunk("data", pcm)).mid(4)) << 0
                              << 0 << QByteArray();
    QTest::newRow("empty") << QByteArray() << 0 << 0 << QByteArray();
}

void TestWavFile::readWav()
{
    QFETCH(QByteArray, file);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(QByteArray, samples);
    const PcmSound s = ::readWav(file);
    QCOMPARE(s.isValid(), rate > 0);
    if (rate > 0) {
        QCOMPARE(s.rate, rate);
        QCOMPARE(s.channels, channels);
        QCOMPARE(s.samples, samples);
    }
}

QUILMO_TEST(TestWavFile)
#include "wavfile_test.moc"
