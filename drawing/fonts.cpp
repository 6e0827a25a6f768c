#include "drawing/fonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>
#include <QStringList>

#include <atomic>
#include <cmath>
#include <mutex>

namespace Fonts {
const QString Gothic = QStringLiteral("ＭＳ ゴシック");
const QString PMincho = QStringLiteral("ＭＳ Ｐ明朝");
const QString Readable = QStringLiteral("Quilmo UDGothic");

namespace {
bool addFromResource(const QString &path)
{
    // Read in place: the resource is stored uncompressed in the program.
    const QResource font(path);
    if (!font.isValid() || font.compressionAlgorithm() != QResource::NoCompression)
        return false;
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(font.data()),
                                                    static_cast<qsizetype>(font.size()));
    return QFontDatabase::addApplicationFontFromData(data) >= 0;
}
} // namespace

bool loadEmbedded()
{
    static std::once_flag once;
    static bool loaded = false;
    std::call_once(once, [] {
        const bool gothic = addFromResource(QStringLiteral(":/fonts/quilmo-gothic.ttf"));
        const bool mincho = addFromResource(QStringLiteral(":/fonts/quilmo-pmincho.ttf"));
        loaded = gothic && mincho;
    });
    return loaded;
}

namespace {
std::atomic<bool> readableOn{false};
}

void setReadable(bool on)
{
    if (on) {
        static std::once_flag once;
        std::call_once(once, [] { addFromResource(QStringLiteral(":/fonts/quilmo-udgothic.ttf")); });
    }
    readableOn = on;
}

bool readable()
{
    return readableOn;
}

QFont faced(const QFont &font)
{
    QStringList families = font.families();
    families.removeAll(Readable);
    if (readableOn)
        families.prepend(Readable);
    QFont f = font;
    f.setFamilies(families);
    return f;
}

void installSubstitutions()
{
    QFont::insertSubstitutions(Gothic, QStringList() << QStringLiteral("Quilmo Gothic") << QStringLiteral("IPAGothic")
                                                     << QStringLiteral("IPAexGothic")
                                                     << QStringLiteral("Noto Sans Mono CJK JP"));
    QFont::insertSubstitutions(PMincho, QStringList() << QStringLiteral("Quilmo PMincho") << QStringLiteral("IPAPMincho")
                                                      << QStringLiteral("IPAexMincho")
                                                      << QStringLiteral("Noto Serif CJK JP"));
}

void preferSystemFace(const QString &face)
{
    installSubstitutions();
    const QStringList others = QFont::substitutes(face);
    QFont::removeSubstitutions(face);
    QFont::insertSubstitutions(face, QStringList(face) + others);
}

int pixels(double points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont make(const QString &face, double points, bool bold)
{
    // Ask for the substitutes straight away, the program's own first: a
    // face the system lacks would send Qt through a slower search. They
    // hold every character the drill shows, so no fallback is needed.
    QFont f;
    f.setFamilies(QFont::substitutes(face));
    f = faced(f);
    f.setStyleStrategy(QFont::NoFontMerging);
    f.setPixelSize(pixels(points));
    f.setBold(bold);
    return f;
}
} // namespace Fonts
