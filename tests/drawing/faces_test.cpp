// The faces a text asks for, in order: the program's own cuts first, unless
// the system's own face of that name is put first (Japanese Windows).
#include "drawing/fonts.h"
#include "support/testregistry.h"

#include <QTest>

class TestFaces : public QObject {
    Q_OBJECT
private slots:
    void systemFaceFirstWhenPreferred_data();
    void systemFaceFirstWhenPreferred();
    void cleanup();
};

void TestFaces::systemFaceFirstWhenPreferred_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("ours");
    QTest::addColumn<QString>("other");
    QTest::newRow("Gothic") << Fonts::Gothic << "Quilmo Gothic" << Fonts::PMincho;
    QTest::newRow("PMincho") << Fonts::PMincho << "Quilmo PMincho" << Fonts::Gothic;
}

void TestFaces::systemFaceFirstWhenPreferred()
{
    QFETCH(QString, face);
    QFETCH(QString, ours);
    QFETCH(QString, other);
    Fonts::installSubstitutions();
    const QStringList before = Fonts::make(face, 12, false).families();
    const QStringList otherBefore = Fonts::make(other, 12, false).families();
    QVERIFY(!before.isEmpty());
    QVERIFY(before.first().compare(ours, Qt::CaseInsensitive) == 0);

    for (int times = 1; times <= 2; ++times) {
        Fonts::preferSystemFace(face);
        Fonts::installSubstitutions();
        const QStringList after = Fonts::make(face, 12, false).families();
        QVERIFY2(after.first().compare(face, Qt::CaseInsensitive) == 0, qPrintable(after.join(u',')));
        // The rest as before, in the same order, whatever the calls.
        QCOMPARE(after.mid(1), before);
    }
    QCOMPARE(Fonts::make(other, 12, false).families(), otherBefore);
}

void TestFaces::cleanup()
{
    // The other tests draw with the program's faces first.
    for (const QString &face : {Fonts::Gothic, Fonts::PMincho})
        QFont::removeSubstitutions(face);
    Fonts::installSubstitutions();
}

QUILMO_TEST(TestFaces)
#include "faces_test.moc"
