// The player's choice of what to play next, and its fallback to the bell
// where no sound server answers.
#include "platform/linux/soundplayer.h"
#include "support/testregistry.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>

class TestSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    void noServerBeepsWithoutWaiting();
    void newestSoundReplacesWaiting_data();
    void newestSoundReplacesWaiting();
    void readiedStreamPlaysFirstSound();
    void retriesServerAfterTenSeconds_data();
    void retriesServerAfterTenSeconds();
};

namespace {

PcmSound markSoundData(MarkSound which)
{
    return readWav(markSoundFile(which));
}

// A sound server of the test's own. It counts connections and closings,
// notes which sound each connection or flush is followed by ("R" or "W", told
// by its first samples) and how much of it was written; it can refuse to
// connect, and hold a write until let go.
struct FakeServer {
    std::mutex mutex;
    std::condition_variable changed;
    bool refuse = false;
    bool hold = false;
    bool holding = false;
    int connects = 0;
    int closes = 0;
    QString started;
    QByteArray written; // of the sound started last

    // Waits, a few seconds at most, until the server is in the state asked for.
    bool waitUntil(const std::function<bool()> &state)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(5), state);
    }
};

class FakeOutput : public SoundOutput {
public:
    explicit FakeOutput(FakeServer &server) : server_(server) {}
    bool open(const PcmSound &) override
    {
        std::lock_guard<std::mutex> lock(server_.mutex);
        ++server_.connects;
        fresh_ = true;
        server_.changed.notify_all();
        return !server_.refuse;
    }
    bool write(const char *data, size_t bytes) override
    {
        std::unique_lock<std::mutex> lock(server_.mutex);
        const QByteArray piece(data, qsizetype(bytes));
        if (fresh_) {
            server_.started += markSoundData(MarkSound::Right).samples.startsWith(piece) ? u'R'
                               : markSoundData(MarkSound::Wrong).samples.startsWith(piece) ? u'W'
                                                                                         : u'?';
            server_.written.clear();
            fresh_ = false;
        }
        server_.written += piece;
        server_.holding = server_.hold;
        server_.changed.notify_all();
        server_.changed.wait(lock, [this] { return !server_.hold; });
        server_.holding = false;
        return true;
    }
    bool flush() override
    {
        std::lock_guard<std::mutex> lock(server_.mutex);
        fresh_ = true;
        return true;
    }
    void close() override
    {
        std::lock_guard<std::mutex> lock(server_.mutex);
        ++server_.closes;
        server_.changed.notify_all();
    }

private:
    FakeServer &server_;
    bool fresh_ = false;
};

MarkSound soundOf(QChar c)
{
    return c == u'R' ? MarkSound::Right : MarkSound::Wrong;
}

} // namespace

void TestSoundPlayer::noServerBeepsWithoutWaiting()
{
    QTemporaryDir dir;
    const QByteArray server = "unix:" + QFile::encodeName(dir.filePath(QStringLiteral("no-such-socket")));
    const QByteArray before = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", server);
    int beeps = 0;
    {
        SoundPlayer player([&] { ++beeps; });
        QElapsedTimer t;
        t.start();
        player.play(MarkSound::Right);
        QVERIFY2(t.elapsed() < 100, qPrintable(QString::number(t.elapsed())));
        // The failed connection is noticed on the player's thread and the
        // bell rings on this one.
        QCOMPARE(beeps, 0);
        QTRY_COMPARE_WITH_TIMEOUT(beeps, 1, 5000);
        // Known now: the bell rings at once.
        player.play(MarkSound::Wrong);
        QCOMPARE(beeps, 2);
    }
    if (before.isNull())
        qunsetenv("PULSE_SERVER");
    else
        qputenv("PULSE_SERVER", before);
}

void TestSoundPlayer::newestSoundReplacesWaiting_data()
{
    QTest::addColumn<QString>("asked");   // the first plays; the others are asked for while it does
    QTest::addColumn<QString>("started"); // what the server was given, in order
    QTest::newRow("one more") << QStringLiteral("RW") << QStringLiteral("RW");
    QTest::newRow("three more: the newest") << QStringLiteral("RWRW") << QStringLiteral("RW");
    QTest::newRow("two more: the newest, the same again") << QStringLiteral("WRW") << QStringLiteral("WW");
    QTest::newRow("none more") << QStringLiteral("R") << QStringLiteral("R");
}

void TestSoundPlayer::newestSoundReplacesWaiting()
{
    QFETCH(QString, asked);
    QFETCH(QString, started);
    FakeServer server;
    server.hold = true;
    int beeps = 0;
    SoundPlayer player([&] { ++beeps; }, std::make_unique<FakeOutput>(server));
    player.play(soundOf(asked[0]));
    QVERIFY(server.waitUntil([&] { return server.holding; }));
    for (QChar c : asked.mid(1))
        player.play(soundOf(c));
    {
        std::lock_guard<std::mutex> lock(server.mutex);
        server.hold = false;
    }
    server.changed.notify_all();
    // The last one asked for plays to its end.
    const QByteArray last = markSoundData(soundOf(asked.back())).samples;
    QVERIFY(server.waitUntil([&] { return server.started.size() == started.size() && server.written == last; }));
    std::lock_guard<std::mutex> lock(server.mutex);
    QCOMPARE(server.started, started);
    QCOMPARE(beeps, 0);
}

void TestSoundPlayer::readiedStreamPlaysFirstSound()
{
    FakeServer server;
    SoundPlayer player([] {}, std::make_unique<FakeOutput>(server));
    player.ready();
    QVERIFY(server.waitUntil([&] { return server.connects == 1; }));
    player.play(MarkSound::Wrong);
    player.play(MarkSound::Right);
    const QByteArray right = markSoundData(MarkSound::Right).samples;
    QVERIFY(server.waitUntil([&] { return server.started.endsWith(u'R') && server.written == right; }));
    std::lock_guard<std::mutex> lock(server.mutex);
    QCOMPARE(server.connects, 1);
    QCOMPARE(server.closes, 0);
}

void TestSoundPlayer::retriesServerAfterTenSeconds_data()
{
    QTest::addColumn<bool>("readied"); // the first try readied the sounds; otherwise it played one
    QTest::addColumn<int>("laterMs");  // a sound asked for this long after that try failed
    QTest::addColumn<bool>("serverBack");
    QTest::addColumn<bool>("asksServer");
    QTest::addColumn<int>("beeps"); // in all
    QTest::newRow("sound, at once") << false << 0 << true << false << 2;
    QTest::newRow("sound, nearly ten seconds") << false << 9999 << true << false << 2;
    QTest::newRow("sound, ten seconds, server back") << false << 10000 << true << true << 1;
    QTest::newRow("sound, ten seconds, still none") << false << 10000 << false << true << 2;
    QTest::newRow("sound, a minute, server back") << false << 60000 << true << true << 1;
    QTest::newRow("readied, at once") << true << 0 << true << false << 1;
    QTest::newRow("readied, ten seconds, server back") << true << 10000 << true << true << 0;
    QTest::newRow("readied, ten seconds, still none") << true << 10000 << false << true << 1;
}

void TestSoundPlayer::retriesServerAfterTenSeconds()
{
    QFETCH(bool, readied);
    QFETCH(int, laterMs);
    QFETCH(bool, serverBack);
    QFETCH(bool, asksServer);
    QFETCH(int, beeps);
    FakeServer server;
    server.refuse = true;
    std::atomic<int> clockMs{1000};
    const SoundPlayer::Clock::time_point start{};
    int rung = 0;
    SoundPlayer player([&] { ++rung; }, std::make_unique<FakeOutput>(server),
                       [&] { return start + std::chrono::milliseconds(clockMs.load()); });
    if (readied) {
        player.ready();
        // The failed attempt is let go once the failure is noted.
        QVERIFY(server.waitUntil([&] { return server.closes == 1; }));
    } else {
        player.play(MarkSound::Right);
        QTRY_COMPARE_WITH_TIMEOUT(rung, 1, 5000);
    }
    {
        std::lock_guard<std::mutex> lock(server.mutex);
        QCOMPARE(server.connects, 1);
        server.refuse = !serverBack;
    }
    clockMs += laterMs;
    const int before = rung;
    player.play(MarkSound::Wrong);
    if (asksServer) {
        QVERIFY(server.waitUntil([&] { return server.connects == 2; }));
        QTRY_COMPARE_WITH_TIMEOUT(rung, beeps, 5000);
        if (serverBack)
            QVERIFY(server.waitUntil([&] { return server.started == QStringLiteral("W"); }));
    } else {
        // The bell rings before play() returns.
        QCOMPARE(rung, before + 1);
    }
    // Nothing more comes: no late bell and no other connection.
    QTest::qWait(100);
    QCOMPARE(rung, beeps);
    std::lock_guard<std::mutex> lock(server.mutex);
    QCOMPARE(server.connects, asksServer ? 2 : 1);
}

QUILMO_TEST(TestSoundPlayer)
#include "soundplayer_test.moc"
