#include "formdriver.h"
#include <QTest>
class Test_answers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
};
QTEST_MAIN(Test_answers)
#include "tst_answers.moc"
