#include "window/programicon.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

void setProgramIcon()
{
    QIcon icon(QStringLiteral(":/assets/icon16.gif"));
    // The larger sizes are those the build gives, read as the PNGs they are:
    // otherwise Qt loads every image plugin it has to ask whether it reads them.
    for (int size : {QUILMO_ICON_SIZES}) {
        QImageReader png(QStringLiteral(":/assets/icons/%1.png").arg(size), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    // The application's icon, not one window's: the main window, the drill
    // inside it and the message boxes all show it.
    QApplication::setWindowIcon(icon);
}
