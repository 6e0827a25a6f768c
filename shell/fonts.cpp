#include "fonts.h"

#include <QStringList>

#include <cmath>

namespace Fonts {
const QString Gothic = QStringLiteral("ＭＳ ゴシック");
const QString PMincho = QStringLiteral("ＭＳ Ｐ明朝");

void installSubstitutions()
{
    QFont::insertSubstitutions(Gothic, QStringList() << QStringLiteral("IPAGothic") << QStringLiteral("IPAexGothic")
                                                     << QStringLiteral("Noto Sans Mono CJK JP"));
    QFont::insertSubstitutions(PMincho, QStringList() << QStringLiteral("IPAPMincho") << QStringLiteral("IPAexMincho")
                                                      << QStringLiteral("Noto Serif CJK JP"));
}

int pixels(double points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont make(const QString &face, double points, bool bold)
{
    QFont f(face);
    f.setPixelSize(pixels(points));
    f.setBold(bold);
    return f;
}
} // namespace Fonts
