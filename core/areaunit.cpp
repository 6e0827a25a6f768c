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

QString unitReading(AreaUnit unit)
{
    switch (unit) {
    case AreaUnit::SquareCentimetre: return QStringLiteral("へいほうセンチメートル");
    case AreaUnit::SquareMetre: return QStringLiteral("へいほうメートル");
    case AreaUnit::Are: return QStringLiteral("アール");
    case AreaUnit::Hectare: return QStringLiteral("ヘクタール");
    case AreaUnit::SquareKilometre: return QStringLiteral("へいほうキロメートル");
    }
    return {};
}

QString lengthText(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Millimetre: return QStringLiteral("mm");
    case LengthUnit::Centimetre: return QStringLiteral("cm");
    case LengthUnit::Metre: return QStringLiteral("m");
    case LengthUnit::Kilometre: return QStringLiteral("km");
    }
    return {};
}

QString lengthReading(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Millimetre: return QStringLiteral("ミリメートル");
    case LengthUnit::Centimetre: return QStringLiteral("センチメートル");
    case LengthUnit::Metre: return QStringLiteral("メートル");
    case LengthUnit::Kilometre: return QStringLiteral("キロメートル");
    }
    return {};
}

std::optional<LengthUnit> lengthUnitOfText(const QString &text)
{
    for (LengthUnit u : {LengthUnit::Millimetre, LengthUnit::Centimetre, LengthUnit::Metre, LengthUnit::Kilometre})
        if (text == lengthText(u))
            return u;
    return std::nullopt;
}
