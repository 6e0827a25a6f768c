#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };
enum class MarkSound { Right, Wrong };

// A worksheet to put on paper: the name it is saved under, its PDF, and
// its pages painted on any paged device (a printer). Made only when asked.
struct PaperSheet {
    QString fileName;
    std::function<QByteArray()> pdf;
    std::function<bool(QPagedPaintDevice &)> paint; // false when nothing could be painted
};

// Everything the drill asks of the desktop, in one place, so that tests can
// script the clock, the screen and the pupil's answers to questions.
class Platform {
public:
    virtual ~Platform() = default;

    // Modal; the title is always the application's.
    virtual MsgAnswer messageBox(QWidget *parent, const QString &text, MsgButtons buttons) = 0;
    virtual void beep() = 0;
    // The sound of a mark, started as the mark appears; returns at once.
    // Where no sound can be played it beeps instead.
    virtual void markSound(MarkSound which) = 0;
    // Marks will follow: gets their sounds ready, so that the first starts as
    // quickly as the others. Returns at once.
    virtual void readyMarkSounds() = 0;
    // Read-aloud with the system's own Japanese voice. Gets the voice ready
    // ahead of the first tap; returns at once.
    virtual void readyVoice() = 0;
    // Whether a Japanese voice exists; may wait while the voice gets ready.
    virtual bool hasJapaneseVoice() = 0;
    // Speaks kana at once, cutting off whatever was still being spoken, so
    // that lanes never speak over each other. Returns at once.
    virtual void speak(const QString &kana) = 0;
    virtual void stopSpeaking() = 0;
    // Time of day as "hh:mm:ss", 24-hour clock.
    virtual QString timeOfDay() = 0;
    // Milliseconds of a steady clock, for waits finer than the time of day.
    virtual qint64 clockMs() = 0;
    // Full screen width in device pixels.
    virtual int screenWidthPx() = 0;
    virtual void endProgram() = 0;
    // One short step of the pause after a mark: lets the window repaint,
    // keeps the pupil's input waiting, and does not spin the processor.
    virtual void pauseStep() = 0;
    // The level that the address the program was opened from asks for (a
    // page's "?level=8"), or 0: the desktops have none.
    virtual int linkedLevel() = 0;
    // The worksheet number that address names ("sheet=4821") as written,
    // or empty.
    virtual QString linkedSheet() = 0;
    // Puts a worksheet on paper the system's way: its print dialog, a PDF
    // saved where the user chooses and opened in the system's viewer, or the
    // browser's own viewer. A cancel leaves everything as it was; a failure
    // says so.
    virtual void printSheet(QWidget *parent, const PaperSheet &sheet) = 0;
};

inline const QString &messageTitle()
{
    static const QString title = QStringLiteral("Quilmo01");
    return title;
}
