#include "platform/system.h"

#include <QByteArray>

#include <emscripten.h>

namespace {

// The PDF as a Blob, opened in a new tab where the browser's viewer prints
// it; where the tab cannot open (a blocked pop-up), it is downloaded. The
// address is let go once the tab has had time to read it.
EM_JS(int, quilmo_page_open_pdf, (const char *data, int size, const char *name), {
    const blob = new Blob([HEAPU8.slice(data, data + size)], {type: 'application/pdf'});
    const url = URL.createObjectURL(blob);
    let opened = null;
    try {
        opened = window.open(url, '_blank');
    } catch (e) {
    }
    if (!opened) {
        const link = document.createElement('a');
        link.href = url;
        link.download = UTF8ToString(name);
        document.body.appendChild(link);
        link.click();
        link.remove();
    }
    setTimeout(() => URL.revokeObjectURL(url), 60000);
    return 1;
});

} // namespace

System::Printed System::printSheet(QWidget *, const PaperSheet &sheet)
{
    const QByteArray pdf = sheet.pdf();
    if (pdf.isEmpty())
        return Printed::Failed;
    quilmo_page_open_pdf(pdf.constData(), static_cast<int>(pdf.size()), sheet.fileName.toUtf8().constData());
    return Printed::Done;
}
