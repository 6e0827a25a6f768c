#pragma once

#include "platform/platform.h"
#include "platform/system.h"

#include <memory>

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    MsgAnswer messageBox(QWidget *parent, const QString &text, MsgButtons buttons) override;
    void beep() override;
    void markSound(MarkSound which) override;
    void readyMarkSounds() override;
    void readyVoice() override;
    bool hasJapaneseVoice() override;
    void speak(const QString &kana) override;
    void stopSpeaking() override;
    QString timeOfDay() override;
    qint64 clockMs() override;
    int screenWidthPx() override;
    void endProgram() override;
    void pauseStep() override;
    int linkedLevel() override;
    QString linkedSheet() override;
    void printSheet(QWidget *parent, const PaperSheet &sheet) override;

private:
    System::MarkSounds &sounds();
    System::Voice &voice();

    std::unique_ptr<System::MarkSounds> sound_; // made when a lane starts, never at start-up
    std::unique_ptr<System::Voice> voice_;      // likewise
};
