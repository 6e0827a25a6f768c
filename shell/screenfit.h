#pragma once

#include <QGraphicsView>
#include <QMargins>
#include <QSize>

#include <memory>

class QGraphicsProxyWidget;

// How much smaller the whole window must be drawn so that it and its frame
// fit the screen's free area; 1 when it fits at its design size.
double FitScale(QSize available, QSize window, QMargins frame);

// Room taken by a typical window frame (title bar and borders), which is
// not known before the window is first shown.
inline QMargins typicalFrame() { return QMargins(6, 36, 6, 6); }

// Shows a window drawn smaller by a factor, as one picture: the window
// itself keeps its design coordinates, and clicks and keys reach its
// controls at the right places.
class ScaledWindow : public QGraphicsView {
    Q_OBJECT
public:
    ScaledWindow(QWidget *content, double factor);
    // Hands the window back to its owner instead of deleting it.
    ~ScaledWindow() override;
    double factor() const { return factor_; }
    QWidget *content() const { return content_; }

private:
    QWidget *content_;
    QGraphicsProxyWidget *proxy_;
    double factor_;
};

// Shows the window at its design size where it fits the screen, else in a
// ScaledWindow, which is returned (nullptr when none was needed).
std::unique_ptr<ScaledWindow> showFitted(QWidget &window);
