#include "window/mainwindow.h"

#include "drawing/fonts.h"
#include "platform/zoom.h"

#include <QContextMenuEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QStyleHints>
#include <QToolButton>

#include <cmath>

namespace {
// The whole pixels that a size drawn at a scale takes.
QSize drawn(QSize size, double scale)
{
    return QSize(static_cast<int>(std::ceil(size.width() * scale)), static_cast<int>(std::ceil(size.height() * scale)));
}

// Where every window fills the screen (a browser's page), the window has no
// other size to switch to.
bool alwaysFullScreen()
{
    return QGuiApplication::styleHints()->showIsFullScreen();
}

QString fullScreenCaption(bool fullScreen)
{
    return fullScreen ? QStringLiteral("もとの大きさ（F11）") : QStringLiteral("ぜんがめん（F11）");
}

// The caption broken before its key, for a narrow margin.
QString onTwoLines(QString caption)
{
    return caption.replace(QStringLiteral("（"), QStringLiteral("\n（"));
}
} // namespace

MainWindow::MainWindow(QWidget &content)
    : content_(content)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(content.windowTitle());
    // Drawn at another scale, the drill is embedded as a top-level of its own
    // that is never shown; only this window carries the program's name. The
    // icon is the application's, shown by whichever window is on screen.
    content.setWindowTitle(QString());
    // The margins round the drawn window are its own light green.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, content.palette().color(QPalette::Window));
    setPalette(pal);
    setAutoFillBackground(true);

    content.setParent(this);
    content.move(0, 0);
    resize(content.size());
    setMinimumSize(drawn(content.size(), MinZoom));

    fullScreen_ = new QToolButton(this);
    fullScreen_->setObjectName(QStringLiteral("FullScreenButton"));
    fullScreen_->setFocusPolicy(Qt::NoFocus);
    fullScreen_->setText(fullScreenCaption(false));
    fullScreen_->hide();
    connect(fullScreen_, &QToolButton::clicked, this, &MainWindow::toggleFullScreen);

    // F11 wherever the focus is, also inside the drill drawn at another scale.
    auto *f11 = new QShortcut(QKeySequence(Qt::Key_F11), this);
    f11->setContext(Qt::ApplicationShortcut);
    connect(f11, &QShortcut::activated, this, &MainWindow::toggleFullScreen);
}

MainWindow::~MainWindow()
{
    // The drill belongs to whoever made it.
    if (proxy_)
        proxy_->setWidget(nullptr);
    content_.hide();
    content_.setParent(nullptr);
}

void MainWindow::showFitted()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const double f = screen ? FitScale(screen->availableGeometry().size(), content_.size(), typicalFrame()) : 1.0;
    resize(drawn(content_.size(), f)); // never larger than the design size
    fit();
    show();
}

void MainWindow::toggleFullScreen()
{
    if (alwaysFullScreen())
        return;
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void MainWindow::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    fit();
}

void MainWindow::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange)
        placeFullScreenButton(); // with the caption of the other state
}

void MainWindow::contextMenuEvent(QContextMenuEvent *e)
{
    // Right-clicks that the drill leaves to its parent arrive here as well;
    // the menu belongs to the margin.
    if (drillArea().contains(e->pos()) || alwaysFullScreen()) {
        e->ignore();
        return;
    }
    QMenu menu;
    zoomMenu(menu, &content_);
    menu.addAction(fullScreenCaption(isFullScreen()), this, &MainWindow::toggleFullScreen);
    menu.exec(e->globalPos());
}

void MainWindow::fit()
{
    const QSize area = size(), c = content_.size();
    zoom_ = ZoomFor(area, c);
    if (zoom_ == 1.0) {
        // At design size the drill is a plain child: every pixel as designed.
        if (proxy_ && proxy_->widget()) {
            proxy_->setWidget(nullptr);
            content_.setParent(this);
        }
        if (view_)
            view_->hide();
        content_.move((area.width() - c.width()) / 2, (area.height() - c.height()) / 2);
        content_.show();
    } else {
        if (!view_) {
            view_ = new QGraphicsView(this);
            view_->setObjectName(QStringLiteral("ZoomView"));
            view_->setScene(new QGraphicsScene(view_));
            view_->setFrameShape(QFrame::NoFrame);
            view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            view_->setBackgroundBrush(palette().color(QPalette::Window));
            view_->setAlignment(Qt::AlignCenter);
            // Text and pictures are smoothed, but not the edges of areas:
            // neighbouring areas of one colour must not show seams.
            view_->setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
            view_->lower();
        }
        if (!proxy_ || !proxy_->widget()) {
            content_.setParent(nullptr);
            if (proxy_)
                proxy_->setWidget(&content_);
            else
                proxy_ = view_->scene()->addWidget(&content_);
            proxy_->setPos(0, 0);
        }
        view_->scene()->setSceneRect(QRectF(QPointF(0, 0), c));
        view_->setTransform(QTransform::fromScale(zoom_, zoom_));
        view_->setGeometry(rect());
        view_->show();
    }
    placeFullScreenButton();
}

QRect MainWindow::drillArea() const
{
    const QSize shown = drawn(content_.size(), zoom_);
    return QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

void MainWindow::placeFullScreenButton()
{
    // Shown in a margin wide enough for it, as soon as the window has grown,
    // and as large as the drill is drawn, so that it can be read on a TV: on
    // two lines where one is too wide for the margin, and only as much
    // smaller as the margin demands.
    const QRect drill = drillArea();
    if ((drill.left() < 16 && drill.top() < 16) || alwaysFullScreen()) {
        // No margin to speak of, as at design size, or no other size to
        // switch to: nothing to measure.
        fullScreen_->hide();
        return;
    }
    auto fits = [&](QSize b) { return drill.left() >= b.width() + 16 || drill.top() >= b.height() + 16; };
    const QString caption = fullScreenCaption(isFullScreen());
    QFont font = Fonts::make(Fonts::Gothic, 12, true);
    const int designPx = font.pixelSize();
    for (int px = static_cast<int>(std::lround(designPx * readingZoom(&content_))); px >= designPx; --px) {
        font.setPixelSize(px);
        fullScreen_->setFont(font);
        for (const QString &text : {caption, onTwoLines(caption)}) {
            fullScreen_->setText(text);
            const QSize b = fullScreen_->sizeHint();
            if (fits(b)) {
                fullScreen_->setGeometry(width() - b.width() - 8, 8, b.width(), b.height());
                fullScreen_->raise();
                fullScreen_->show();
                return;
            }
        }
    }
    fullScreen_->setText(caption);
    fullScreen_->hide();
}
