#pragma once

#include "window/form1.h"
#include "window/mainwindow.h"
#include "platform/fontwarmup.h"
#include "platform/qtplatform.h"

#include <memory>

// The program as main() starts it, once the application object exists: the
// window on the real desktop, fitted to the screen. `fonts` was started
// before the application object.
class QuilmoApp {
public:
    explicit QuilmoApp(FontWarmUp &fonts);
    Form1 &window() { return *form_; }
    // Shows the window, drawn smaller where the screen cannot hold it.
    void show();

private:
    QtPlatform platform_;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<MainWindow> main_;
};
