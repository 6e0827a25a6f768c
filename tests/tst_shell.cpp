#include "formdriver.h"
#include <QTest>
class Test_shell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
};
QTEST_MAIN(Test_shell)
#include "tst_shell.moc"
