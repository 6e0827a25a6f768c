// What the Windows platform does before the window is built: the layout's
// own faces come first exactly where the system has them.
#include "drawing/fonts.h"
#include "platform/system.h"
#include "support/testregistry.h"

#include <QFontDatabase>
#include <QTest>

class TestWindowsSystem : public QObject {
    Q_OBJECT
private slots:
    void layoutFacesFirstWhereInstalled_data();
    void layoutFacesFirstWhereInstalled();
};

void TestWindowsSystem::layoutFacesFirstWhereInstalled_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("ours");
    QTest::newRow("Gothic") << Fonts::Gothic << "Quilmo Gothic";
    QTest::newRow("PMincho") << Fonts::PMincho << "Quilmo PMincho";
}

void TestWindowsSystem::layoutFacesFirstWhereInstalled()
{
    QFETCH(QString, face);
    QFETCH(QString, ours);
    System::prepareProcess();
    const QStringList families = Fonts::make(face, 12, false).families();
    QVERIFY(!families.isEmpty());
    const bool installed = QFontDatabase::hasFamily(face);
    const QString first = installed ? face : ours;
    QVERIFY2(families.first().compare(first, Qt::CaseInsensitive) == 0, qPrintable(families.join(u',')));
    QVERIFY(families.contains(ours, Qt::CaseInsensitive));
    Fonts::installSubstitutions(); // adds nothing, moves nothing
    QCOMPARE(Fonts::make(face, 12, false).families(), families);
}

QUILMO_TEST(TestWindowsSystem)
#include "system_test.moc"
