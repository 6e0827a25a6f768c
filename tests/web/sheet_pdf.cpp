// Writes the desktop's worksheet for a level and number to a file, for the
// page's test to compare with the PDF the browser was handed.
//   sheet_pdf LEVEL NUMBER FILE
#include "drawing/fonts.h"
#include "drill/levels.h"
#include "drill/worksheet.h"

#include <QFile>
#include <QGuiApplication>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int level = args.value(1).toInt(), number = args.value(2).toInt();
    if (args.size() != 4 || !isLevel(level) || number < SheetNumberMin || number > SheetNumberMax)
        return 2;
    Fonts::installSubstitutions();
    Fonts::loadEmbedded();
    QFile out(args[3]);
    const QByteArray pdf = worksheetPdf(makeWorksheet(level, number));
    return out.open(QIODevice::WriteOnly) && out.write(pdf) == pdf.size() ? 0 : 1;
}
