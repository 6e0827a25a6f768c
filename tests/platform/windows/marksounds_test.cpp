// The Windows mark sounds: which WAV reaches PlaySound, when the bell rings
// instead, that the data outlives the sound, and the real calls under the
// system the tests run on.
#include "platform/marksoundfile.h"
#include "platform/windows/marksounds.h"
#include "support/testregistry.h"

#include <QElapsedTimer>
#include <QTest>

#include <atomic>
#include <vector>

class TestWinMarkSounds : public QObject {
    Q_OBJECT
private slots:
    void playsTheMarksOwnWav_data();
    void playsTheMarksOwnWav();
    void bellWhereNoSoundCanPlay_data();
    void bellWhereNoSoundCanPlay();
    void soundDataLivesWithThePlayer();
    void readyLooksAtTheOutputsAhead();
    void systemCallsReturnAtOnce();
};

namespace {
// Stand-ins for the system's calls, recording what the player asks.
struct FakeSystem {
    unsigned devices = 1;
    bool accepts = true;
    std::atomic<int> looks{0};
    std::vector<const char *> played;
    int stops = 0;

    WinMarkSounds::Calls calls()
    {
        return {[this] {
                    ++looks;
                    return devices;
                },
                [this](const char *wav) {
                    played.push_back(wav);
                    return accepts;
                },
                [this] { ++stops; }};
    }
};
} // namespace

void TestWinMarkSounds::playsTheMarksOwnWav_data()
{
    QTest::addColumn<MarkSound>("which");
    QTest::addColumn<MarkSound>("other");
    QTest::newRow("right") << MarkSound::Right << MarkSound::Wrong;
    QTest::newRow("wrong") << MarkSound::Wrong << MarkSound::Right;
}

void TestWinMarkSounds::playsTheMarksOwnWav()
{
    QFETCH(MarkSound, which);
    QFETCH(MarkSound, other);
    const QByteArray file = markSoundFile(which);
    QVERIFY(file.startsWith("RIFF"));
    QVERIFY(file != markSoundFile(other));
    FakeSystem fake;
    int beeps = 0;
    WinMarkSounds sounds([&] { ++beeps; }, fake.calls());
    sounds.play(which);
    QCOMPARE(fake.played.size(), size_t(1));
    // PlaySound reads the whole file from that address.
    QCOMPARE(QByteArray(fake.played[0], file.size()), file);
    QCOMPARE(beeps, 0);
}

void TestWinMarkSounds::bellWhereNoSoundCanPlay_data()
{
    QTest::addColumn<unsigned>("devices");
    QTest::addColumn<bool>("accepts");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("beeps");
    QTest::newRow("no sound output") << 0u << true << 0 << 1;
    QTest::newRow("output refuses the sound") << 1u << false << 1 << 1;
    QTest::newRow("output plays it") << 2u << true << 1 << 0;
}

void TestWinMarkSounds::bellWhereNoSoundCanPlay()
{
    QFETCH(unsigned, devices);
    QFETCH(bool, accepts);
    QFETCH(int, asked);
    QFETCH(int, beeps);
    FakeSystem fake;
    fake.devices = devices;
    fake.accepts = accepts;
    int rung = 0;
    WinMarkSounds sounds([&] { ++rung; }, fake.calls());
    for (MarkSound which : {MarkSound::Right, MarkSound::Wrong})
        sounds.play(which);
    QCOMPARE(static_cast<int>(fake.played.size()), 2 * asked);
    QCOMPARE(rung, 2 * beeps);
}

void TestWinMarkSounds::soundDataLivesWithThePlayer()
{
    FakeSystem fake;
    {
        WinMarkSounds sounds([] {}, fake.calls());
        sounds.play(MarkSound::Right);
        sounds.play(MarkSound::Wrong); // cuts the first one off
        sounds.play(MarkSound::Right);
        // One copy of each sound, read in place each time.
        QCOMPARE(fake.played.size(), size_t(3));
        QCOMPARE(fake.played[0], fake.played[2]);
        QVERIFY(fake.played[0] != fake.played[1]);
        QCOMPARE(fake.stops, 0);
    }
    // The sound still playing is stopped before its data goes.
    QCOMPARE(fake.stops, 1);
}

void TestWinMarkSounds::readyLooksAtTheOutputsAhead()
{
    FakeSystem fake;
    int beeps = 0;
    {
        WinMarkSounds sounds([&] { ++beeps; }, fake.calls());
        QCOMPARE(fake.looks.load(), 0); // nothing at start-up
        sounds.ready();
        sounds.ready(); // a second lane starting
        QTRY_COMPARE(fake.looks.load(), 1);
        QVERIFY(fake.played.empty());
        sounds.play(MarkSound::Right);
        QCOMPARE(fake.played.size(), size_t(1));
    }
    QCOMPARE(beeps, 0);
}

void TestWinMarkSounds::systemCallsReturnAtOnce()
{
    // With a sound output the marks play; without one (the tests' Wine has
    // its sound drivers turned off) the bell rings. Either way at once.
    const bool output = WinMarkSounds::system().devices() > 0;
    int beeps = 0;
    {
        WinMarkSounds sounds([&] { ++beeps; });
        sounds.ready();
        QElapsedTimer t;
        t.start();
        for (MarkSound which : {MarkSound::Right, MarkSound::Wrong, MarkSound::Right})
            sounds.play(which);
        QVERIFY2(t.elapsed() < 200, qPrintable(QString::number(t.elapsed())));
    }
    QCOMPARE(beeps, output ? 0 : 3);
}

QUILMO_TEST(TestWinMarkSounds)
#include "marksounds_test.moc"
