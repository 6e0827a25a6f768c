#include "window/borderbox.h"

#include <QResizeEvent>

BorderBox::BorderBox(const QString &name, QWidget *parent, QWidget *client)
    : QFrame(parent)
    , client_(client ? client : new QWidget)
{
    setObjectName(name);
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    client_->setParent(this);
    if (client_->objectName().isEmpty())
        client_->setObjectName(name + QStringLiteral(".client"));
    client_->move(frameWidth(), frameWidth());
}

void BorderBox::setBackground(QColor c)
{
    // The box fills itself and draws its border over that fill. A client
    // filling the inside would be painted after the border, and where the
    // drill is drawn smaller its edge rows round onto the border's and hide
    // it (the tally's cards lost their bottom edges on 800-pixel screens).
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
    setAutoFillBackground(true);
}

void BorderBox::resizeEvent(QResizeEvent *e)
{
    QFrame::resizeEvent(e);
    const int fw = frameWidth();
    client_->setGeometry(fw, fw, std::max(0, width() - 2 * fw), std::max(0, height() - 2 * fw));
}
