#pragma once

// Loads Qt's own Japanese translation, so that what Qt itself writes (the
// text boxes' right-click menu, for one) is Japanese whatever the desktop's
// language. Needs the application object; without the translation Qt's texts
// stay English.
void installQtJapanese();
