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
