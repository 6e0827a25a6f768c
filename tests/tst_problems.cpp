#include "formdriver.h"
#include <QTest>
class Test_problems : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
};
QTEST_MAIN(Test_problems)
#include "tst_problems.moc"
