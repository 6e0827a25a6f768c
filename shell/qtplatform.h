#pragma once

#include "platform.h"

class QtPlatform : public Platform {
public:
    MsgAnswer messageBox(QWidget *parent, const QString &text, MsgButtons buttons) override;
    void beep() override;
    QString timeOfDay() override;
    qint64 clockMs() override;
    int screenWidthPx() override;
    void endProgram() override;
    void pauseStep() override;
};
