#include "support/testregistry.h"

#include "drawing/fonts.h"

// The layers that draw text test with the program's own faces, as the
// program draws: Windows has no Japanese face of its own to fall back on.
int main(int argc, char **argv)
{
    return runRegisteredTests(argc, argv, [] {
        Fonts::installSubstitutions();
        Fonts::loadEmbedded();
    });
}
