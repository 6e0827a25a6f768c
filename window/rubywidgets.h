#pragma once

#include <QObject>

class QWidget;

// Furigana on the widgets: while on, every label, button and choice whose
// text holds a kanji of the readings' table is drawn with the readings above
// its words, in the widget's own look, set smaller only where the widget is
// too low for the readings; message boxes grow to hold them. Off, it watches
// nothing, and every widget paints itself as it always has.
class RubyWidgets : public QObject {
public:
    using QObject::QObject;
    ~RubyWidgets() override;

    void setOn(bool on);
    bool on() const { return on_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool on_ = false;
};
