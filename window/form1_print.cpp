#include "window/form1.h"

#include "drill/worksheet.h"

#include <QLineEdit>

void Form1::Command12_Click()
{
    if (m_.Level == 0) {
        platform_.messageBox(this, QStringLiteral("レベルをきめてから、けっていボタンをおしてください。"), MsgButtons::Ok);
        return;
    }
    int number = 0;
    if (Text3->text().trimmed().isEmpty()) {
        number = m_.Random.between(SheetNumberMin, SheetNumberMax);
    } else if (const auto typed = sheetNumberFromText(Text3->text())) {
        number = *typed;
    } else {
        platform_.messageBox(this, QStringLiteral("プリントの　番号は　1から9999までの　数字で　入れてください。"),
                             MsgButtons::Ok);
        return;
    }
    const Worksheet sheet = makeWorksheet(m_.Level, number);
    platform_.printSheet(this, PaperSheet{worksheetFileName(sheet), [sheet] { return worksheetPdf(sheet); },
                                          [sheet](QPagedPaintDevice &device) { return paintWorksheet(device, sheet); }});
}
