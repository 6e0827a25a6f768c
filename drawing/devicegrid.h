#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <algorithm>
#include <cmath>

// Where design pixels fall on a picture drawn s times larger. Design pixel
// x covers device pixels at(x) up to at(x + 1), and at least one of them,
// so nothing vanishes when the picture is drawn smaller.
struct DeviceGrid {
    double s = 1.0;

    int at(int x) const { return static_cast<int>(std::floor(x * s + 0.5)); }
    int last(int x) const { return std::max(at(x + 1), at(x) + 1) - 1; }
    // The device pixel at the middle of design pixel x (left of it when the
    // span is even).
    int centre(int x) const { return at(x) + (last(x) - at(x)) / 2; }
    // The width of a one-pixel design line.
    int lineWidth() const { return std::max(1, static_cast<int>(std::lround(s))); }
    QRect map(const QRect &r) const
    {
        return QRect(QPoint(at(r.left()), at(r.top())), QPoint(last(r.right()), last(r.bottom())));
    }
    // The design pixels that reach into a rectangle of device pixels.
    QRect covering(const QRect &device) const
    {
        return QRect(QPoint(firstReaching(device.left()), firstReaching(device.top())),
                     QPoint(lastReaching(device.right()), lastReaching(device.bottom())));
    }

private:
    int firstReaching(int d) const
    {
        int x = static_cast<int>(std::floor(d / s)) - 1;
        while (last(x) < d)
            ++x;
        return x;
    }
    int lastReaching(int d) const
    {
        int x = static_cast<int>(std::ceil((d + 1) / s)) + 1;
        while (at(x) > d)
            --x;
        return x;
    }
};

// A device picture that holds part of the whole: its top-left pixel is the
// whole's device pixel `origin`.
struct DevicePart {
    QImage &image;
    QPoint origin;
    DeviceGrid grid;

    int x(int designX) const { return grid.at(designX) - origin.x(); }
    int y(int designY) const { return grid.at(designY) - origin.y(); }
    int lastX(int designX) const { return grid.last(designX) - origin.x(); }
    int lastY(int designY) const { return grid.last(designY) - origin.y(); }
    QPoint centre(int designX, int designY) const
    {
        return QPoint(grid.centre(designX), grid.centre(designY)) - origin;
    }
};
