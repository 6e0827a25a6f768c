#include "window/form1.h"

namespace {
// Said in the lane where the speaker cannot be heard, so a tap is never
// met by silence alone.
const QString NoVoice = QStringLiteral("よみあげの　こえが　ありません");
} // namespace

void Form1::setReading(int row, const QString &kana)
{
    reading_[row - 1] = kana;
    if (m_.Aids.ReadAloud && !kana.isEmpty() && platform_.hasJapaneseVoice())
        platform_.speak(kana);
}

void Form1::Command11_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    if (!platform_.hasJapaneseVoice()) {
        showLaneLine(index + 1, NoVoice);
        return;
    }
    // Cuts off whatever any lane was saying.
    platform_.speak(reading_[index]);
}
