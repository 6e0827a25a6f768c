#include "platform/system.h"

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

System::Printed System::printSheet(QWidget *parent, const PaperSheet &sheet)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(sheet.fileName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return Printed::Cancelled;
    // Printed to a PDF file, the sheet is the program's own file, the same
    // bytes for the same number whatever day it is made.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        QSaveFile file(printer.outputFileName());
        if (!file.open(QIODevice::WriteOnly) || file.write(sheet.pdf()) < 0 || !file.commit())
            return Printed::Failed;
        return Printed::Done;
    }
    if (!sheet.paint(printer) || printer.printerState() == QPrinter::Error)
        return Printed::Failed;
    return Printed::Done;
}
