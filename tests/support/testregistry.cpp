#include "testregistry.h"

#include "form1.h"

#include <QApplication>
#include <QTest>

#include <memory>
#include <utility>
#include <vector>

namespace {
std::vector<std::pair<const char *, std::function<QObject *()>>> &registry()
{
    static std::vector<std::pair<const char *, std::function<QObject *()>>> tests;
    return tests;
}
} // namespace

int registerTest(const char *name, std::function<QObject *()> make)
{
    registry().emplace_back(name, std::move(make));
    return static_cast<int>(registry().size());
}

int runRegisteredTests(int argc, char **argv)
{
    QApplication app(argc, argv);
    prepareApplication();
    int failed = 0;
    for (const auto &entry : registry()) {
        std::unique_ptr<QObject> test(entry.second());
        failed += QTest::qExec(test.get(), argc, argv) != 0;
    }
    return failed;
}
