// The program's own cuts of the IPA fonts must draw every text exactly as
// the whole fonts do. Runs in a process of its own, which draws first with
// the system's fonts and then loads the program's.
#include "support/formdriver.h"
#include "core/lanes.h"
#include "drill/levels.h"

#include "drawing/fonts.h"

#include <QFontInfo>
#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QTest>

namespace {

// The window at every step of a short lesson at each level: the level
// panel, the three lanes' first problems, a right answer with its mark and
// the answer shown after three misses.
QList<QImage> lesson()
{
    QList<QImage> shots;
    FormDriver d;
    shots << d.form->grab().toImage();
    for (int level = 1; level <= LevelCount; ++level) {
        d.start(level);
        for (int row = 1; row <= Lane::Count; ++row)
            d.startRow(row);
        d.platform.onPauseStep = [&] { shots << d.form->grab().toImage(); d.platform.onPauseStep = nullptr; };
        const Answer right = rightAnswer(level, d.block(1, 1));
        d.type(1, right.number, right.unit);
        d.check(1);
        for (int miss = 0; miss < 3; ++miss) {
            d.platform.onPauseStep = [&] { shots << d.form->grab().toImage(); d.platform.onPauseStep = nullptr; };
            d.type(2, QStringLiteral("０"), QStringLiteral("ａ"));
            d.check(2);
        }
        shots << d.form->grab().toImage();
        d.platform.answers.push_back(MsgAnswer::Yes);
        d.click(QStringLiteral("Command8(0)"));
    }
    return shots;
}

} // namespace

class TestFonts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void cutFontsDrawAsWholeFonts();
};

void TestFonts::cutFontsDrawAsWholeFonts()
{
    {
        FormDriver probe;
        QCOMPARE(QFontInfo(probe.form->Label2->font()).family(), QStringLiteral("IPAPMincho"));
    }
    const QList<QImage> whole = lesson();
    QVERIFY(Fonts::loadEmbedded());
    {
        FormDriver probe;
        QCOMPARE(QFontInfo(probe.form->Label2->font()).family(), QStringLiteral("Quilmo PMincho"));
        QCOMPARE(QFontInfo(probe.form->Option2[0]->font()).family(), QStringLiteral("Quilmo Gothic"));
    }
    const QList<QImage> cut = lesson();
    QCOMPARE(cut.size(), whole.size());
    QVERIFY(whole.size() > 12 * 5);
    for (qsizetype i = 0; i < whole.size(); ++i)
        QVERIFY2(cut[i] == whole[i], qPrintable(QStringLiteral("picture %1 differs").arg(i)));
}

QTEST_MAIN(TestFonts)
#include "fonts_test.moc"
