#pragma once

#include <QString>

// A teacher posts one link per level ("index.html?level=8"). Reads the level
// from the query of such an address ("level=8&timing", with or without the
// "?"): the whole decimal number given, else 0. Whether that level exists is
// the level panel's to say.
int levelFromQuery(const QString &query);

// The worksheet number such a link names ("level=8&sheet=4821"), as
// written: whether it is one is the level panel's to say.
QString sheetFromQuery(const QString &query);
