#include "window/rubywidgets.h"

#include "core/furigana.h"
#include "drawing/ruby.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <cmath>

namespace {

// Qt keeps a button's style option to itself; these lend it out.
struct PushAccess : QPushButton {
    using QPushButton::initStyleOption;
};
struct RadioAccess : QRadioButton {
    using QRadioButton::initStyleOption;
};
struct CheckAccess : QCheckBox {
    using QCheckBox::initStyleOption;
};

bool hasReading(const QString &text)
{
    return !text.contains(QLatin1Char('\n')) && !Furigana::spans(text).empty();
}

// A line and its readings, placed in `area` as `align` asks; the font is
// made smaller where the area is too low for both.
void paintLine(QPainter &p, const QRect &area, Qt::Alignment align, QFont font, const QString &text, const QColor &ink)
{
    auto block = [&] { return Ruby::room(font) + QFontMetrics(font).height(); };
    if (block() > area.height() && font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::floor(font.pixelSize() * area.height() / double(block())))));
    const int width = QFontMetrics(font).horizontalAdvance(text);
    int x = area.left();
    if (align & Qt::AlignHCenter)
        x += (area.width() - width) / 2;
    else if (align & Qt::AlignRight)
        x = area.right() + 1 - width;
    int top = area.top();
    if (align & Qt::AlignVCenter)
        top += (area.height() - block()) / 2;
    else if (align & Qt::AlignBottom)
        top = area.bottom() + 1 - block();
    p.setPen(ink);
    Ruby::paint(p, font, text, QPoint(x, top + Ruby::room(font)), Furigana::spans(text));
}

// A button in its style without its text, then the text with its readings.
template <typename Access, typename Button>
void paintButton(Button *b, QStyle::ControlElement control, QStyle::SubElement contents, Qt::Alignment align)
{
    QStyleOptionButton opt;
    void (Button::*init)(QStyleOptionButton *) const = &Access::initStyleOption;
    (b->*init)(&opt);
    const QString text = opt.text;
    opt.text.clear();
    QPainter p(b);
    b->style()->drawControl(control, &opt, &p, b);
    const QRect area = b->style()->subElementRect(contents, &opt, b);
    paintLine(p, area, align, b->font(), text, b->palette().color(QPalette::ButtonText));
}

} // namespace

RubyWidgets::~RubyWidgets()
{
    setOn(false);
}

void RubyWidgets::setOn(bool on)
{
    if (on == on_)
        return;
    on_ = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
    for (QWidget *w : QApplication::allWidgets())
        if (w->isVisible())
            w->update();
}

bool RubyWidgets::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint && event->type() != QEvent::Show)
        return false;
    auto *label = qobject_cast<QLabel *>(watched);
    if (label && hasReading(label->text())) {
        if (event->type() == QEvent::Show) {
            // A message box sizes itself to its text: room for the readings too.
            if (label->objectName() == QLatin1String("qt_msgbox_label"))
                label->setContentsMargins(0, Ruby::room(label->font()), 0, 0);
            return false;
        }
        QPainter p(label);
        paintLine(p, label->rect(), label->alignment(), label->font(), label->text(),
                  label->palette().color(label->foregroundRole()));
        return true;
    }
    if (event->type() != QEvent::Paint)
        return false;
    if (auto *b = qobject_cast<QRadioButton *>(watched); b && hasReading(b->text())) {
        paintButton<RadioAccess>(b, QStyle::CE_RadioButton, QStyle::SE_RadioButtonContents, Qt::AlignLeft | Qt::AlignVCenter);
        return true;
    }
    if (auto *b = qobject_cast<QCheckBox *>(watched); b && hasReading(b->text())) {
        paintButton<CheckAccess>(b, QStyle::CE_CheckBox, QStyle::SE_CheckBoxContents, Qt::AlignLeft | Qt::AlignVCenter);
        return true;
    }
    if (auto *b = qobject_cast<QPushButton *>(watched); b && hasReading(b->text())) {
        paintButton<PushAccess>(b, QStyle::CE_PushButton, QStyle::SE_PushButtonContents, Qt::AlignCenter);
        return true;
    }
    return false;
}
