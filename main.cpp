#include "window/quilmoapp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QuilmoApp quilmo;
    quilmo.show();
    return app.exec();
}
