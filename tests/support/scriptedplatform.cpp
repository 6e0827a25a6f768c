#include "support/scriptedplatform.h"

MsgAnswer ScriptedPlatform::messageBox(QWidget *, const QString &text, MsgButtons buttons)
{
    messages.append({text, buttons});
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    if (answers.empty())
        return answerYesNo ? answerYesNo() : MsgAnswer::No;
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
}

QString ScriptedPlatform::timeOfDay()
{
    if (!clockReadings.isEmpty())
        return clockReadings.takeFirst();
    return now.toString(QStringLiteral("hh:mm:ss"));
}

void ScriptedPlatform::pauseStep()
{
    ++pauseSteps;
    if (onPauseStep)
        onPauseStep();
    now = now.addMSecs(stepMs);
    elapsedMs += stepMs;
}
