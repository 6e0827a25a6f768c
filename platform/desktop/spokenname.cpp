#include "platform/spokenname.h"

#include <QWidget>

void setSpokenName(QWidget *w, const QString &name)
{
    w->setAccessibleName(name);
}
