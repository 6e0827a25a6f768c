#include "window/screenfit.h"

#include <algorithm>
#include <cmath>

double FitScale(QSize available, QSize window, QMargins frame)
{
    if (window.isEmpty() || available.isEmpty())
        return 1.0;
    // The frame keeps its size; only the window inside it is drawn smaller.
    const double w = double(available.width() - frame.left() - frame.right()) / window.width();
    const double h = double(available.height() - frame.top() - frame.bottom()) / window.height();
    const double f = std::clamp(std::min(w, h), MinZoom, 1.0);
    // Whole per-mille steps: the same screen always gives the same factor.
    return std::floor(f * 1000.0) / 1000.0;
}

double ZoomFor(QSize area, QSize content)
{
    if (content.isEmpty() || area.isEmpty())
        return 1.0;
    if (area == content)
        return 1.0;
    const double z = std::min(double(area.width()) / content.width(), double(area.height()) / content.height());
    // Whole per-mille steps, rounded down so that the content always fits.
    return std::max(MinZoom, std::floor(z * 1000.0 + 1e-9) / 1000.0);
}
