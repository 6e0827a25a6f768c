#include "platform/fontwarmup.h"
#include "window/quilmoapp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    FontWarmUp fonts; // begins before the window system is loaded
    QApplication app(argc, argv);
    QuilmoApp quilmo(fonts);
    quilmo.show();
    return app.exec();
}
