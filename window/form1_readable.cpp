#include "window/form1.h"

#include "drawing/fonts.h"
#include "drawing/ruby.h"
#include "window/rubywidgets.h"
#include "window/tallypanel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

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

namespace {

// The width a label's line may take: its own, up to a little before any
// control that begins within it on its row (the level panel's heading shares
// its row with the worksheet's number field).
int room(const QLabel *l)
{
    int right = l->x() + l->contentsRect().right() + 1;
    for (const QWidget *s : l->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (s != l && !s->isHidden() && s->x() > l->x() && s->geometry().intersects(l->geometry()))
            right = std::min(right, s->x() - 4);
    return right - l->x() - l->contentsRect().left();
}

// Whether a control's one line of text fits its width in its font.
bool fits(const QWidget *w)
{
    const QFontMetrics fm(w->font());
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return l->text().contains(QLatin1Char('\n')) || fm.horizontalAdvance(l->text()) <= room(l);
    if (const auto *b = qobject_cast<const QAbstractButton *>(w)) {
        // A choice's mark and a button's edges take some of the width.
        const int beside = qobject_cast<const QPushButton *>(w) ? 8 : 24;
        return fm.horizontalAdvance(b->text()) + beside <= b->width();
    }
    return true;
}

// The readable face is wider than the layout's proportional one, and some
// systems set a face wider than others: a text that would no longer fit its
// control is set as much smaller as it must.
void refit(QWidget *w)
{
    QFont f = w->font();
    while (!fits(w) && f.pixelSize() > 8) {
        f.setPixelSize(f.pixelSize() - 1);
        w->setFont(f);
    }
}

} // namespace

void Form1::useReadableFace()
{
    Fonts::setReadable(m_.Aids.ReadableFace);
    const char *design = "designFont";
    for (QWidget *w : findChildren<QWidget *>()) {
        if (!w->testAttribute(Qt::WA_SetFont))
            continue;
        if (!w->property(design).isValid())
            w->setProperty(design, w->font());
        w->setFont(Fonts::faced(w->property(design).value<QFont>()));
        refit(w);
    }
    setFont(Fonts::faced(font()));
    if (Picture1[0])
        panel().setFontSizePt(panel().fontSizePt());
}

void Form1::fitHeading()
{
    refit(Label2);
}
