#include "window/borderbox.h"

#include <QPainter>
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
    // Children that fill with the palette's window colour match the box.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
    background_ = c;
    update();
}

void BorderBox::paintEvent(QPaintEvent *)
{
    // The box fills its inside and draws its border over that fill. A client
    // filling the inside would be painted after the border, and where the
    // drill is drawn smaller its edge rows round onto the border's and hide
    // it (the tally's cards lost their bottom edges on 800-pixel screens).
    // Under the border's inner line only: where the drill is drawn larger, a
    // fill of the whole box rounds out past the border's outer line, and a
    // fill of the inside alone leaves a gap where it is drawn smaller.
    QPainter p(this);
    if (background_.isValid())
        p.fillRect(rect().adjusted(1, 1, -1, -1), background_);
    drawFrame(&p);
}

void BorderBox::resizeEvent(QResizeEvent *e)
{
    QFrame::resizeEvent(e);
    const int fw = frameWidth();
    client_->setGeometry(fw, fw, std::max(0, width() - 2 * fw), std::max(0, height() - 2 * fw));
}
