#pragma once

// What the level panel's switches turn on for the whole window. Kept for
// the life of the window only: a pupil's needs are not stored on a shared
// classroom device.
struct ReadingAids {
    bool ReadAloud = false;    // よみあげ: each new problem and hint is read by itself
    bool Furigana = false;     // ふりがな: the reading above every kanji
    bool ReadableFace = false; // よみやすい　もじ: the pupils' texts in a universal-design face
};
