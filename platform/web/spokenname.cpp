#include "platform/spokenname.h"

// The page's Qt is built without accessibility, which its browser plugin
// lacks anyway: there is no screen reader to name the control to.
void setSpokenName(QWidget *, const QString &) {}
