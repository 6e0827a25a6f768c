#include "platform/web/webaudio.h"

#include "platform/marksoundfile.h"

#include <QByteArray>

#include <emscripten.h>

namespace {

// The page keeps its audio in window.quilmoAudio: the context once started,
// the sounds as WAV files and decoded, the one playing, and how many of each
// have been started (which the page's tests read).
EM_JS(void, quilmo_audio_listen, (), {
    if (window.quilmoAudio)
        return;
    const audio = window.quilmoAudio = { context: null, files: [], buffers: [], playing: null, started: [0, 0] };
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context)
        return;
    const gestures = ['pointerdown', 'touchend', 'keydown', 'click'];
    const arm = () => gestures.forEach(type => document.addEventListener(type, start, true));
    const start = () => {
        if (!audio.context) {
            try {
                audio.context = new Context();
            } catch (e) {
                return;
            }
            audio.context.onstatechange = wake;
            audio.files.forEach((file, i) => audio.decode(i));
        }
        if (audio.context.state === 'running')
            gestures.forEach(type => document.removeEventListener(type, start, true));
        else
            audio.context.resume().catch(() => {});
    };
    // A page sent to the background (an iPad's home button, another app)
    // finds its audio suspended or "interrupted" when it comes back: it is
    // resumed then, and with the next touch where the browser wants one.
    const wake = () => {
        if (!audio.context || audio.context.state === 'running' || document.visibilityState !== 'visible')
            return;
        audio.context.resume().catch(() => {});
        arm();
    };
    document.addEventListener('visibilitychange', wake);
    window.addEventListener('pageshow', wake);
    window.addEventListener('focus', wake);
    audio.decode = i => {
        // decodeAudioData takes the buffer it is given; the file stays.
        audio.context.decodeAudioData(audio.files[i].slice(0).buffer)
            .then(buffer => { audio.buffers[i] = buffer; }, () => {});
    };
    arm();
});

EM_JS(void, quilmo_audio_add, (int which, const char *data, int size), {
    const audio = window.quilmoAudio;
    if (!audio)
        return;
    audio.files[which] = HEAPU8.slice(data, data + size);
    if (audio.context)
        audio.decode(which);
});

EM_JS(void, quilmo_audio_play, (int which), {
    const audio = window.quilmoAudio;
    if (!audio || !audio.context || audio.context.state !== 'running' || !audio.buffers[which])
        return;
    if (audio.playing) {
        try {
            audio.playing.stop();
        } catch (e) {
        }
    }
    const source = audio.context.createBufferSource();
    source.buffer = audio.buffers[which];
    source.connect(audio.context.destination);
    source.start();
    audio.playing = source;
    audio.started[which]++;
});

} // namespace

void WebAudio::startWithFirstGesture()
{
    quilmo_audio_listen();
}

void WebAudio::loadMarkSounds()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    for (MarkSound which : AllMarkSounds) {
        const QByteArray wav = markSoundFile(which);
        if (wav.isEmpty())
            continue;
        quilmo_audio_add(markSoundIndex(which), wav.constData(), static_cast<int>(wav.size()));
    }
}

void WebAudio::play(MarkSound which)
{
    quilmo_audio_play(markSoundIndex(which));
}
