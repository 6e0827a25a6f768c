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
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, c);
    client_->setPalette(pal);
    client_->setAutoFillBackground(true);
}

void BorderBox::resizeEvent(QResizeEvent *e)
{
    QFrame::resizeEvent(e);
    const int fw = frameWidth();
    client_->setGeometry(fw, fw, std::max(0, width() - 2 * fw), std::max(0, height() - 2 * fw));
}
