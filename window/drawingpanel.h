#pragma once

#include "window/borderbox.h"
#include "drawing/canvas.h"

// The inside of the drawing panel: shows the persistent picture and reports
// mouse presses in picture pixels. The row controls sit on it.
class PanelSurface : public QWidget {
    Q_OBJECT
public:
    explicit PanelSurface(Canvas &canvas);

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    void paint(QPaintEvent *e);

    Canvas &canvas_;
};

// Picture1(0): a bordered panel whose picture persists while it is hidden,
// covered or resized.
class DrawingPanel : public BorderBox {
    Q_OBJECT
public:
    // The picture has the panel's design size; a smaller panel shows part of it.
    static constexpr QSize PictureSize{1005, 737};

    DrawingPanel(const QString &name, QWidget *parent);

    Canvas &canvas() { return canvas_; }
    PanelSurface *surface() const { return static_cast<PanelSurface *>(client()); }

private:
    Canvas canvas_;
};
