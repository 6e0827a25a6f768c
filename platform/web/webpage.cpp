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
// texture and program it made is gone. Once the browser gives the context
// back, the drill moves to a fresh canvas, a screen of its own, on which Qt
// makes everything anew and paints the window again.
EM_JS(void, quilmo_page_keep_drawing, (), {
    let screens = 0;
    const watch = canvas => {
        canvas.addEventListener('webglcontextlost', event => event.preventDefault());
        canvas.addEventListener('webglcontextrestored', () => {
            // Qt finds a screen's canvas by its id: the new one has its own.
            const fresh = canvas.cloneNode(false);
            fresh.id = `screen-${++screens}`;
            watch(fresh);
            canvas.after(fresh);
            Module.qtAddContainerElement(fresh);
            Module.qtRemoveContainerElement(canvas);
            canvas.remove();
            fresh.focus();
        });
    };
    const canvas = document.getElementById('screen');
    if (canvas)
        watch(canvas);
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
