#include "window/quilmoapp.h"

#include "core/version.h"
#include "drawing/fonts.h"
#include "platform/sidetask.h"

#include <QApplication>
#include <QFontDatabase>

QuilmoApp::QuilmoApp(FontWarmUp &warmUp)
{
    QApplication::setApplicationName(QStringLiteral("Quilmo"));
    QApplication::setApplicationVersion(QLatin1String(Version::Text));
    QApplication::setDesktopFileName(QStringLiteral("jp.quilmo.Quilmo"));
    // Reading the font configuration and the list of installed fonts is the
    // slowest part of the start; it goes on beside the building of the
    // window, which needs fonts only at its very end. The font database is
    // safe to use from two threads.
    SideTask fonts([&warmUp] {
        warmUp.wait();
        Fonts::loadEmbedded();
        QFontDatabase::families();
    });
    prepareApplication();
    form_ = std::make_unique<Form1>(platform_, nullptr, Form1::Build::AfterFirstFrame);
    fonts.join();
    main_ = std::make_unique<MainWindow>(*form_);
}

void QuilmoApp::show()
{
    main_->showFitted();
}
