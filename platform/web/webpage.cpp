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
// (an iPad with many tabs, a sleeping GPU). Our Qt asks for it back and, when
// it comes, draws every window again from what it kept, so the lanes go on
// where they were. A context that does not come back within a few seconds
// cannot be drawn on again: the page is then loaded afresh (from the service
// worker's cache) at the level its address names, rather than left blank.
EM_JS(void, quilmo_page_keep_drawing, (), {
    const canvas = document.getElementById('screen');
    if (!canvas)
        return;
    let fallback = 0;
    canvas.addEventListener('webglcontextlost', event => {
        event.preventDefault();
        clearTimeout(fallback);
        fallback = setTimeout(() => location.reload(), 8000);
    });
    canvas.addEventListener('webglcontextrestored', () => clearTimeout(fallback));
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
