#include "platform/system.h"

#include "drawing/fonts.h"
#include "platform/windows/marksounds.h"

#include <QFontDatabase>

void System::prepareProcess()
{
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
