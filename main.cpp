#include "form1.h"
#include "qtplatform.h"
#include "screenfit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quilmo"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.1"));
    QApplication::setDesktopFileName(QStringLiteral("jp.quilmo.Quilmo"));
    prepareApplication();
    QtPlatform platform;
    Form1 window(platform);
    const auto scaled = showFitted(window);
    return app.exec();
}
