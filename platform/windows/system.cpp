#include "platform/system.h"

#include "drawing/fonts.h"
#include "platform/windows/marksounds.h"

#include <QFontDatabase>
#include <QGuiApplication>

void System::prepareProcess()
{
    // Above 100 % Qt draws a default-hinted font through DirectWrite, whose
    // face of a font loaded from memory Wine loses once some ten other fonts
    // were made: the keypad's digits came out blank. GDI draws the program's
    // faces at every scale, as it does at 100 %.
    if (QGuiApplication::platformName() == QLatin1String("windows")) {
        QFont all = QGuiApplication::font();
        all.setHintingPreference(QFont::PreferFullHinting);
        QGuiApplication::setFont(all);
    }
    // Japanese Windows has the layout's own faces; elsewhere (Windows in
    // another language, Wine) the program's cuts of the IPA fonts draw.
    for (const QString &face : {Fonts::Gothic, Fonts::PMincho})
        if (QFontDatabase::hasFamily(face))
            Fonts::preferSystemFace(face);
}

std::unique_ptr<System::MarkSounds> System::markSounds(std::function<void()> cannotPlay)
{
    return std::make_unique<WinMarkSounds>(std::move(cannotPlay));
}

std::function<void()> System::fontConfigurationReader()
{
    // Windows reads its fonts as Qt asks for them; nothing to start early.
    return {};
}
