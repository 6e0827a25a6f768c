#include "drill/keymap.h"

#include "core/lanes.h"

#include <QString>

int digitIndex(int row, int digit)
{
    return row == 1 ? digit : 10 * row - 1 - digit;
}

int unitIndex(int row, int position)
{
    static const int First[Lane::Count] = {0, 11, 17};
    return row == 1 ? position : First[row - 1] - position;
}

QChar unitLetter(int position)
{
    static const QString Letters = QStringLiteral("ｃｋｍｈａ㎡");
    return Letters.at(position);
}

std::optional<KeyTarget> DigitKey(int index)
{
    for (int row = 1; row <= Lane::Count; ++row)
        for (int d = 0; d < Lane::DigitKeys; ++d)
            if (digitIndex(row, d) == index)
                return KeyTarget{row, QChar(u'0' + d)};
    return std::nullopt;
}

std::optional<KeyTarget> UnitKey(int index)
{
    for (int row = 1; row <= Lane::Count; ++row)
        for (int p = 0; p < Lane::UnitKeys; ++p)
            if (unitIndex(row, p) == index)
                return KeyTarget{row, unitLetter(p)};
    return std::nullopt;
}
