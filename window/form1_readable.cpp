#include "window/form1.h"

#include "drawing/fonts.h"
#include "drawing/ruby.h"
#include "window/rubywidgets.h"
#include "window/tallypanel.h"

#include <QLabel>
#include <QPushButton>

void Form1::showFurigana(bool on)
{
    if (ruby_ ? ruby_->on() == on : !on)
        return;
    if (!ruby_)
        ruby_ = new RubyWidgets(this);
    ruby_->setOn(on);
    ensureDrawingPanel();
    panel().setFurigana(on);
    // The heading and the finish button grow upwards by the readings' room.
    for (QWidget *w : {static_cast<QWidget *>(Label2), static_cast<QWidget *>(Command8[0])}) {
        const int room = Ruby::room(w->font());
        w->setGeometry(w->geometry().adjusted(0, on ? -room : room, 0, 0));
    }
}

void Form1::useReadableFace(bool on)
{
    Fonts::setReadable(on);
    for (QWidget *w : findChildren<QWidget *>())
        if (w->testAttribute(Qt::WA_SetFont))
            w->setFont(Fonts::faced(w->font()));
    setFont(Fonts::faced(font()));
    if (Picture1[0])
        panel().setFontSizePt(panel().fontSizePt());
}
