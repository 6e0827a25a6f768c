#include "support/testregistry.h"

#include "drawing/fonts.h"
#include "window/form1.h"

int main(int argc, char **argv)
{
    return runRegisteredTests(argc, argv, [] {
        prepareApplication();
        Fonts::loadEmbedded();
    });
}
