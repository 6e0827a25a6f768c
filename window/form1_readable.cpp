#include "window/form1.h"

#include "drawing/fonts.h"
#include "drawing/ruby.h"
#include "window/rubywidgets.h"
#include "window/tallypanel.h"

#include <QLabel>
#include <QPushButton>

void Form1::showFurigana()
{
    const bool on = m_.Aids.Furigana;
    if (ruby_ ? ruby_->on() == on : !on)
        return;
    if (!ruby_)
        ruby_ = new RubyWidgets(this);
    ruby_->setOn(on);
    ensureDrawingPanel();
    panel().setFurigana(on);
    // The heading and the finish button grow upwards by the readings' room,
    // and shrink back by as much.
    const std::array<QWidget *, 2> grown{Label2, Command8[0]};
    for (size_t i = 0; i < grown.size(); ++i) {
        if (on)
            grownBy_[i] = Ruby::room(grown[i]->font());
        grown[i]->setGeometry(grown[i]->geometry().adjusted(0, on ? -grownBy_[i] : grownBy_[i], 0, 0));
    }
}

void Form1::useReadableFace()
{
    Fonts::setReadable(m_.Aids.ReadableFace);
    for (QWidget *w : findChildren<QWidget *>())
        if (w->testAttribute(Qt::WA_SetFont))
            w->setFont(Fonts::faced(w->font()));
    setFont(Fonts::faced(font()));
    if (Picture1[0])
        panel().setFontSizePt(panel().fontSizePt());
}
