#pragma once

#include <QColor>
#include <QPalette>

// Sets one colour of a control's palette. A template, so that the drawing
// layer names the colours' use without linking the widgets.
template <class Control> void setFace(Control *w, QPalette::ColorRole role, QColor c)
{
    QPalette pal = w->palette();
    pal.setColor(role, c);
    w->setPalette(pal);
}

// The one palette of every control with these colours, all of them its own.
QPalette sharedFace(QPalette wanted);

// A push button's face colour. The style caches a button's look under its
// palette's identity: like keys in each lane, each with a palette of its
// own, would keep the same pixels once per key.
template <class Button> void setButtonFace(Button *b, QColor c)
{
    QPalette pal = b->palette();
    pal.setColor(QPalette::Button, c);
    b->setPalette(sharedFace(pal));
}
