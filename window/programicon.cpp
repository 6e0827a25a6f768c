#include "window/programicon.h"

#include <QApplication>
#include <QIcon>

void setProgramIcon()
{
    QIcon icon(QStringLiteral(":/assets/icon16.gif"));
    // The larger sizes are those the build put in the resources.
    for (int size : {QUILMO_ICON_SIZES})
        icon.addFile(QStringLiteral(":/assets/icons/%1.png").arg(size), QSize(size, size));
    // The application's icon, not one window's: the main window, the drill
    // inside it and the message boxes all show it.
    QApplication::setWindowIcon(icon);
}
