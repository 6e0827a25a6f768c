#include "support/testregistry.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
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

int runRegisteredTests(int argc, char **argv, const std::function<void()> &prepare)
{
    QApplication app(argc, argv);
    if (prepare)
        prepare();
    // "tst_x TestClass [functions...]" runs that class alone.
    const char *only = argc > 1 ? argv[1] : nullptr;
    const bool named = only && std::any_of(registry().begin(), registry().end(),
                                           [&](const auto &e) { return qstrcmp(e.first, only) == 0; });
    int failed = 0;
    for (const auto &entry : registry()) {
        if (named && qstrcmp(entry.first, only) != 0)
            continue;
        std::unique_ptr<QObject> test(entry.second());
        if (named) {
            std::vector<char *> args{argv[0]};
            args.insert(args.end(), argv + 2, argv + argc);
            failed += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data()) != 0;
        } else {
            failed += QTest::qExec(test.get(), argc, argv) != 0;
        }
    }
    return failed;
}
