#include "core/areaunit.h"

std::optional<AreaUnit> areaUnitOfCode(int32_t code)
{
    if (code < unitCode(AreaUnit::SquareCentimetre) || code > unitCode(AreaUnit::SquareKilometre))
        return std::nullopt;
    return static_cast<AreaUnit>(code);
}

QString unitText(AreaUnit unit)
{
    switch (unit) {
    case AreaUnit::SquareCentimetre: return QStringLiteral("ｃ㎡");
    case AreaUnit::SquareMetre: return QStringLiteral("㎡");
    case AreaUnit::Are: return QStringLiteral("ａ");
    case AreaUnit::Hectare: return QStringLiteral("ｈａ");
    case AreaUnit::SquareKilometre: return QStringLiteral("ｋ㎡");
    }
    return {};
}

std::optional<AreaUnit> areaUnitOfText(const QString &text)
{
    for (int32_t code = unitCode(AreaUnit::SquareCentimetre); code <= unitCode(AreaUnit::SquareKilometre); ++code)
        if (text == unitText(static_cast<AreaUnit>(code)))
            return static_cast<AreaUnit>(code);
    return std::nullopt;
}
