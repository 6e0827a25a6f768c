#include "platform/web/webpage.h"

#include <QByteArray>

#include <emscripten.h>
#include <emscripten/val.h>

namespace {

EM_JS(void, quilmo_page_title, (const char *title), {
    document.title = UTF8ToString(title);
});

EM_JS(void, quilmo_page_ended, (), {
    for (const canvas of document.querySelectorAll('canvas'))
        canvas.style.display = 'none';
    const ended = document.getElementById('ended');
    if (ended)
        ended.hidden = false;
});

// A browser takes a page's WebGL context away when the graphics are short
// (an iPad with many tabs, a sleeping GPU), and Qt's drawing with it: every
// texture and program it made is gone, and Qt 6.4 makes none of them anew.
// The page is loaded again instead (from the service worker's cache), at the
// level its address names, rather than left blank; a lane's problems start
// afresh. Where the browser does not give the context back, the new page
// asks for one of its own.
EM_JS(void, quilmo_page_keep_drawing, (), {
    const canvas = document.getElementById('screen');
    if (!canvas)
        return;
    let reloading = false;
    const reload = () => {
        if (!reloading) {
            reloading = true;
            location.reload();
        }
    };
    canvas.addEventListener('webglcontextlost', event => {
        event.preventDefault();
        setTimeout(reload, 2000);
    });
    canvas.addEventListener('webglcontextrestored', reload);
});

} // namespace

void WebPage::setTitle(const QString &title)
{
    quilmo_page_title(title.toUtf8().constData());
}

void WebPage::showEnded()
{
    quilmo_page_ended();
}

QString WebPage::query()
{
    const std::string search = emscripten::val::global("location")["search"].as<std::string>();
    return QString::fromStdString(search).mid(search.empty() ? 0 : 1);
}

void WebPage::keepDrawingAfterContextLoss()
{
    quilmo_page_keep_drawing();
}
