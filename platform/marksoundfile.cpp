#include "platform/marksoundfile.h"

#include <QFile>

QByteArray markSoundFile(MarkSound which)
{
    static const char *const files[MarkSoundCount] = {":/assets/sounds/right.wav", ":/assets/sounds/wrong.wav"};
    QFile f(QString::fromLatin1(files[markSoundIndex(which)]));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
