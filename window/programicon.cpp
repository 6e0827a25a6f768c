#include "window/programicon.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

void setProgramIcon()
{
    QIcon icon(QStringLiteral(":/assets/icon16.gif"));
    // The larger sizes are those the build put in the resources, each named
    // by its size.
    const QDir icons(QStringLiteral(":/assets/icons"));
    for (const QString &file : icons.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        const int size = QFileInfo(file).completeBaseName().toInt();
        if (size > 0)
            icon.addFile(icons.filePath(file), QSize(size, size));
    }
    // The application's icon, not one window's: the main window, the drill
    // inside it and the message boxes all show it.
    QApplication::setWindowIcon(icon);
}
