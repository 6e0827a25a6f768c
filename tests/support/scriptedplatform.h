#pragma once

#include "platform/platform.h"

#include <QStringList>
#include <QTime>

#include <deque>
#include <functional>

// A desktop that tests script: the clock, the screen, and the answers that
// the pupil gives to questions. It records what the program asked of it.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text;
        MsgButtons buttons;
    };

    int screenWidth = 1280;
    QStringList clockReadings; // given out first, one per reading
    QTime now{12, 34, 56};      // then a clock that each pause step moves on
    int stepMs = 250;
    std::deque<MsgAnswer> answers; // for Yes/No questions; then answerYesNo, else No
    std::function<MsgAnswer()> answerYesNo;
    std::function<void()> onPauseStep; // to look at the window during a pause

    QList<Message> messages;
    int beeps = 0;
    QList<MarkSound> markSounds;
    int soundsReadied = 0;
    bool japaneseVoice = true;
    int voiceReadied = 0;
    QStringList spoken;  // in order
    int speechStops = 0;
    int pauseSteps = 0;
    qint64 elapsedMs = 0; // moves with the clock
    bool ended = false;
    int level = 0; // the level the address asks for

    MsgAnswer messageBox(QWidget *parent, const QString &text, MsgButtons buttons) override;
    void beep() override { ++beeps; }
    void markSound(MarkSound which) override { markSounds.append(which); }
    void readyMarkSounds() override { ++soundsReadied; }
    void readyVoice() override { ++voiceReadied; }
    bool hasJapaneseVoice() override { return japaneseVoice; }
    void speak(const QString &kana) override { spoken.append(kana); }
    void stopSpeaking() override { ++speechStops; }
    QString timeOfDay() override;
    qint64 clockMs() override { return elapsedMs; }
    int screenWidthPx() override { return screenWidth; }
    void endProgram() override { ended = true; }
    void pauseStep() override;
    int linkedLevel() override { return level; }
    QString sheet; // the worksheet number the address names
    QString linkedSheet() override { return sheet; }
    QList<PaperSheet> printed; // the worksheets handed over
    void printSheet(QWidget *, const PaperSheet &s) override { printed.append(s); }
};
