#pragma once

#include <QImage>
#include <QRect>

// Pixels of exactly colour c inside r.
inline int countColour(const QImage &image, const QRect &r, QRgb c)
{
    int n = 0;
    const QRect area = r & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xffffff) == (c & 0xffffff);
    return n;
}
inline QRgb rgb(int r, int g, int b) { return qRgb(r, g, b); }
