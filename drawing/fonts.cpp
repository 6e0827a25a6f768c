#include "drawing/fonts.h"

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
    // Ask for the substitute straight away: a face the system lacks would
    // first send Qt through a slow search of every installed font. The IPA
    // faces hold every character the drill shows, so no fallback is needed.
    QFont f(QFont::substitute(face));
    f.setStyleStrategy(QFont::NoFontMerging);
    f.setPixelSize(pixels(points));
    f.setBold(bold);
    return f;
}
} // namespace Fonts
