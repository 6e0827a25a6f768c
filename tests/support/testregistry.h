#pragma once

#include <QObject>

#include <functional>

// Lets one test executable hold several test classes, one source each.
int registerTest(const char *name, std::function<QObject *()> make);
// prepare, if given, runs once the application exists.
int runRegisteredTests(int argc, char **argv, const std::function<void()> &prepare = {});

#define QUILMO_TEST(Class) \
    static const int Class##Registered = registerTest(#Class, [] { return static_cast<QObject *>(new Class); });
