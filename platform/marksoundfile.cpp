#include "platform/marksoundfile.h"

#include <QFile>

QByteArray markSoundFile(MarkSound which)
{
    QFile f(which == MarkSound::Right ? QStringLiteral(":/assets/sounds/right.wav")
                                      : QStringLiteral(":/assets/sounds/wrong.wav"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
