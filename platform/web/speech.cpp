#include "platform/system.h"

#include <emscripten.h>

namespace {

// The browser's own speech. window.quilmoSpeech keeps the Japanese voice
// once the browser has listed it (Chromebooks list their voices late, with
// voiceschanged) and what was spoken, which the page's tests read.
EM_JS(void, quilmo_speech_listen, (), {
    if (window.quilmoSpeech || !window.speechSynthesis)
        return;
    const speech = window.quilmoSpeech = { voice: null, listed: false, since: performance.now(), spoken: [] };
    const pick = () => {
        const voices = speechSynthesis.getVoices();
        speech.listed = voices.length > 0;
        const japanese = v => v.lang.replace('_', '-').toLowerCase().split('-')[0] === 'ja';
        speech.voice = voices.find(v => v.lang === 'ja-JP') || voices.find(japanese) || null;
    };
    pick();
    speechSynthesis.addEventListener('voiceschanged', pick);
});

// Until the browser has listed its voices, it may still have a Japanese one;
// a browser with no voices at all never lists any (Chromium on Linux without
// speech-dispatcher), and its speaker would be silent: five seconds after the
// level was decided, a pupil's first tap at the earliest, it has none.
EM_JS(int, quilmo_speech_japanese, (), {
    const speech = window.quilmoSpeech;
    if (!speech)
        return 0;
    return speech.voice || (!speech.listed && performance.now() - speech.since < 5000) ? 1 : 0;
});

// Called while Qt handles the tap, inside the pointer's own event, as an
// iPad asks of speech.
EM_JS(void, quilmo_speech_say, (const char *text), {
    const speech = window.quilmoSpeech;
    if (!speech)
        return;
    speechSynthesis.cancel();
    const said = new SpeechSynthesisUtterance(UTF8ToString(text));
    said.lang = 'ja-JP';
    if (speech.voice)
        said.voice = speech.voice;
    speechSynthesis.speak(said);
    speech.spoken.push(said.text);
});

EM_JS(void, quilmo_speech_stop, (), {
    if (window.quilmoSpeech)
        speechSynthesis.cancel();
});

class BrowserVoice : public System::Voice {
public:
    BrowserVoice() { quilmo_speech_listen(); }
    void ready() override {}
    bool japanese() override { return quilmo_speech_japanese() != 0; }
    void speak(const QString &kana) override { quilmo_speech_say(kana.toUtf8().constData()); }
    void stop() override { quilmo_speech_stop(); }
};

} // namespace

std::unique_ptr<System::Voice> System::voice()
{
    return std::make_unique<BrowserVoice>();
}
