#pragma once

#include "platform/platform.h"

// The mark sounds through the page's Web Audio. Browsers let a page make
// sound only once the pupil has touched it, so the audio starts with the
// first click, key or touch anywhere on the page. Until then, and where the
// browser has no Web Audio, a mark is silent: nothing waits for a sound.
namespace WebAudio {

// From the page's start: starts the audio with the first click or key.
void startWithFirstGesture();
// Hands the page the two sounds, once; they are decoded as soon as the
// audio has started.
void loadMarkSounds();
// Starts the sound at once, cutting off one still playing.
void play(MarkSound which);

} // namespace WebAudio
