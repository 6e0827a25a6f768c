#pragma once

#include "platform/platform.h"

#include <QString>

#include <functional>
#include <memory>

// What QtPlatform does differently on each system. Every system has a source
// file of its own, which CMake picks: platform/linux/system.cpp,
// platform/windows/system.cpp, platform/web/system.cpp; the desktops share
// platform/desktop/system.cpp (the pause, quitting, no address).
namespace System {

// Plays the two mark sounds.
class MarkSounds {
public:
    virtual ~MarkSounds() = default;
    // Marks will follow: gets the sounds ready, so that the first starts as
    // quickly as the others. Returns at once.
    virtual void ready() = 0;
    // Returns at once; a newer sound may cut off an older one.
    virtual void play(MarkSound which) = 0;
};

// Reads kana aloud with the system's Japanese voice (Platform::speak).
class Voice {
public:
    virtual ~Voice() = default;
    // Returns at once.
    virtual void ready() = 0;
    // Whether a Japanese voice exists; may wait until the voice is ready.
    virtual bool japanese() = 0;
    // Returns at once; cuts off what was still being spoken.
    virtual void speak(const QString &kana) = 0;
    virtual void stop() = 0;
};
std::unique_ptr<Voice> voice();

// Once, when the application object exists and before the window is built.
void prepareProcess();

// `cannotPlay` rings the bell on the GUI thread where no sound can be played.
std::unique_ptr<MarkSounds> markSounds(std::function<void()> cannotPlay);

// What reads the system's font configuration ahead of Qt (FontWarmUp); empty
// where Qt reads the fonts as it asks for them.
std::function<void()> fontConfigurationReader();

// One step of the pause after a mark (Platform::pauseStep), about this long:
// short enough for every repaint to show at once.
constexpr int PauseStepMs = 15;
void pauseStep();

// Ends the program once its windows are hidden.
void endProgram();

// The query of the address the program was opened from ("level=8"); empty
// on the desktops, which take no arguments.
QString addressQuery();

// Hands a worksheet over for printing (Platform::printSheet).
enum class Printed { Done, Cancelled, Failed };
Printed printSheet(QWidget *parent, const PaperSheet &sheet);

} // namespace System
