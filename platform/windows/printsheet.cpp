#include "platform/system.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

// This build's Qt has no printing: the sheet is saved as a PDF where the
// user chooses and opened in the system's viewer, which prints it.
System::Printed System::printSheet(QWidget *parent, const PaperSheet &sheet)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("プリントを　ほぞんする"),
                                                      QDir(folder).filePath(sheet.fileName), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return Printed::Cancelled;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(sheet.pdf()) < 0 || !file.commit())
        return Printed::Failed;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return Printed::Done;
}
