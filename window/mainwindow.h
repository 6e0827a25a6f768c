#pragma once

#include <QWidget>

class QGraphicsProxyWidget;
class QGraphicsView;
class QToolButton;

// The program's one top-level window. It holds the drill's window at its
// design size where that fits, and otherwise draws it uniformly larger or
// smaller, centred on light green, so that it always fills the window. The
// drill keeps its design coordinates: clicks and keys reach its controls at
// the right places whatever the scale.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget &content);
    ~MainWindow() override;

    double zoom() const { return zoom_; }
    // The window as it first opens: at design size where the screen holds
    // it, else drawn smaller.
    void showFitted();
    void toggleFullScreen();

protected:
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;

private:
    void fit();
    // Where the drill is drawn; the rest of the window is margin.
    QRect drillArea() const;
    void placeFullScreenButton();

    QWidget &content_;
    double zoom_ = 1.0;
    QGraphicsView *view_ = nullptr;
    QGraphicsProxyWidget *proxy_ = nullptr;
    QToolButton *fullScreen_ = nullptr;
};
