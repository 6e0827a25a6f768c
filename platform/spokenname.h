#pragma once

#include <QString>

class QWidget;

// The name a screen reader says for a control that shows no text of its own.
void setSpokenName(QWidget *w, const QString &name);
