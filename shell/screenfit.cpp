#include "screenfit.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

double FitScale(QSize available, QSize window, QMargins frame)
{
    if (window.isEmpty() || available.isEmpty())
        return 1.0;
    // The frame keeps its size; only the window inside it is drawn smaller.
    const double w = double(available.width() - frame.left() - frame.right()) / window.width();
    const double h = double(available.height() - frame.top() - frame.bottom()) / window.height();
    const double f = std::clamp(std::min(w, h), 0.25, 1.0);
    // Whole per-mille steps: the same screen always gives the same factor.
    return std::floor(f * 1000.0) / 1000.0;
}

ScaledWindow::ScaledWindow(QWidget *content, double factor)
    : content_(content)
    , factor_(factor)
    , proxy_(nullptr)
{
    setObjectName(QStringLiteral("ScaledWindow"));
    auto *scene = new QGraphicsScene(this);
    proxy_ = scene->addWidget(content);
    proxy_->setPos(0, 0);
    scene->setSceneRect(QRectF(QPointF(0, 0), content->size()));
    setScene(scene);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    setTransform(QTransform::fromScale(factor, factor));
    setFixedSize(static_cast<int>(std::ceil(content->width() * factor)),
                 static_cast<int>(std::ceil(content->height() * factor)));
    setWindowTitle(content->windowTitle());
    setWindowIcon(content->windowIcon());
}

ScaledWindow::~ScaledWindow()
{
    proxy_->setWidget(nullptr);
}

std::unique_ptr<ScaledWindow> showFitted(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const double factor = screen ? FitScale(screen->availableGeometry().size(), window.size(), typicalFrame()) : 1.0;
    if (factor >= 1.0) {
        window.show();
        return nullptr;
    }
    auto scaled = std::make_unique<ScaledWindow>(&window, factor);
    scaled->show();
    return scaled;
}
