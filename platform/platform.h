#pragma once

#include <QString>

class QWidget;

enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };
enum class MarkSound { Right, Wrong };

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
};

inline const QString &messageTitle()
{
    static const QString title = QStringLiteral("Quilmo01");
    return title;
}
