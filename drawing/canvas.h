#pragma once

#include "drawing/colours.h"
#include "drawing/drawop.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

enum class FillStyle { Solid = 0, Transparent = 1 };

// The drawing panel's persistent picture and its drawing state. Lines and
// boxes are set pixel by pixel, never smoothed, so colours stay exact and a
// flood fill stops at exactly black pixels.
//
// The picture in design pixels is what the program and its tests read.
// Every operation is also kept, so that the screen can show the same
// picture drawn afresh at its own resolution rather than enlarged.
class Canvas {
public:
    Canvas(QSize size, QColor background);

    QColor ForeColor = Rgb::black();
    QColor FillColor = Rgb::black();
    FillStyle Fill = FillStyle::Transparent;
    int CurrentX = 0;
    int CurrentY = 0;

    double fontSizePt() const { return fontPt_; }
    void setFontSizePt(double points);
    // Texts printed from now on carry the readings of their kanji above them.
    void setFurigana(bool on) { furigana_ = on; }
    bool furigana() const { return furigana_; }

    // Both end points are drawn.
    void line(int x, int y, int dx, int dy, QColor c);
    // The outline of the box with corners (x, y) and (x + dx, y + dy), both
    // included; its inside takes the current fill.
    void box(int x, int y, int dx, int dy, QColor c);
    // The same box filled and outlined in c, whatever the fill style.
    void filledBox(int x, int y, int dx, int dy, QColor c);
    // Glyphs only, top-left at (CurrentX, CurrentY). Returns the rectangle
    // that may have been painted.
    QRect print(const QString &text);
    // Where print(text) may paint at the current position.
    QRect textRect(const QString &text) const;
    // The pixels of `card` with corners rounded by an ellipse `corner`, in
    // FillColor, outline and all, over whatever lies there: what it hides is
    // forgotten.
    void blank(const QRect &card, QSize corner);
    // Fills, with the current fill, every pixel 4-connected to `seed` that
    // is not exactly the border colour. False when the seed is on the border
    // or outside the picture.
    bool floodFill(QPoint seed, QRgb border);
    void refresh();

    const QImage &image() const { return image_; }
    QRgb pixel(int x, int y) const;

    // The picture, or the part of it that covers `area`, drawn afresh at
    // `scale` device pixels per design pixel from the kept operations. It
    // covers deviceRect(area, scale) of the whole. Nothing of it is kept:
    // the screen keeps what it shows.
    QImage rendering(double scale, QRect area = QRect()) const;
    // Device pixels that rendering(scale) covers for a design rectangle.
    static QRect deviceRect(const QRect &design, double scale) { return DeviceGrid{scale}.map(design); }
    // Operations kept for redrawing; what a blank hides is dropped.
    size_t keptOperations() const { return ops_.size(); }
    const std::vector<DrawOp> &operations() const { return ops_; }

    // What lies under an area, to be put back exactly by restore(): the
    // picture there and everything drawn over it since is taken away again.
    struct Saved {
        QRect area;
        QImage design;
        quint64 serial = 0;
    };
    Saved save(const QRect &area);
    void restore(const Saved &saved);

    // Called by refresh() to bring what changed since the last refresh to
    // the screen at once.
    void setRefreshHook(std::function<void(const QRect &)> hook) { refreshHook_ = std::move(hook); }
    // Called after every drawing operation with the area it may have
    // changed, so the screen catches up once the handler returns.
    void setChangeHook(std::function<void(const QRect &)> hook) { changeHook_ = std::move(hook); }

private:
    void changed(const QRect &area);
    // The colour an inside takes: none with a hollow brush.
    std::optional<QRgb> currentFill() const;
    // Paints a shape on the design picture and keeps it for drawing again.
    void draw(Draw::Shape shape);
    Draw::Text textAt(const QString &text) const;

    QImage image_;
    QRgb background_;
    QFont font_;
    double fontPt_ = 24;
    bool furigana_ = false;
    std::function<void(const QRect &)> refreshHook_;
    std::function<void(const QRect &)> changeHook_;
    QRect unshown_; // changed since the last refresh

    std::vector<DrawOp> ops_;
    quint64 serial_ = 0;
};
