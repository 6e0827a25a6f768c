#pragma once

#include "platform/platform.h"

#include <QByteArray>

// A mark's sound as the WAV file in the program's resources; empty if it
// cannot be read. Every system's player starts from it.
QByteArray markSoundFile(MarkSound which);
