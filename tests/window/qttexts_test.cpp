// What Qt itself writes in the window: the answer boxes' right-click menu.
#include "support/formdriver.h"
#include "support/testregistry.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <memory>

class TestQtTexts : public QObject {
    Q_OBJECT
private slots:
    void boxMenusAreJapanese_data();
    void boxMenusAreJapanese();
};

void TestQtTexts::boxMenusAreJapanese_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("number box, lane 1, empty") << "Text1(0)" << "";
    QTest::newRow("number box, lane 2, typed") << "Text1(1)" << "１２";
    QTest::newRow("unit box, lane 3") << "Text2(2)" << "ｃ㎡";
}

void TestQtTexts::boxMenusAreJapanese()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    FormDriver d;
    d.start(1);
    auto *edit = d.find<QLineEdit>(box);
    QVERIFY(edit);
    edit->setText(text);
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList captions;
    for (const QAction *a : menu->actions())
        if (!a->isSeparator())
            captions << a->text().section(QLatin1Char('\t'), 0, 0);

    static const QStringList English = {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"};
    for (const QString &c : captions) {
        QVERIFY2(!English.contains(QString(c).remove(QLatin1Char('&'))), qPrintable(c));
        const bool kanaOrKanji = std::any_of(c.begin(), c.end(), [](QChar ch) {
            return ch.unicode() >= 0x3040 && ch.unicode() <= 0x9fff;
        });
        QVERIFY2(kanaOrKanji, qPrintable(c));
    }
    // As Qt's Japanese translation words them, shortcuts left out.
    QCOMPARE(captions, QStringList({"元に戻す(&U)", "やり直す(&R)", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)",
                                    "削除", "すべてを選択"}));
}

QUILMO_TEST(TestQtTexts)
#include "qttexts_test.moc"
