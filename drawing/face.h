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
