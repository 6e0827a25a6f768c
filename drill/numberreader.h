#pragma once

#include <QString>

// The number box read as a number: spaces are skipped, the number ends at
// the first character that cannot belong to it, and a text that does not
// begin with one reads as 0. Full-width digits and full stops count as
// their ASCII twins. Too large a number reads as infinity.
double ReadNumber(const QString &text);
