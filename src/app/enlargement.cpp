#include "enlargement.h"

#include <QWidget>

#include <cmath>

namespace {
// The size at which a window's layout gives every control the room it asks
// for; below it the layout squashes them, the plot first.
QSize preferredSize(const QWidget *window)
{
    return window->sizeHint()
        .expandedTo(window->minimumSize())
        .expandedTo(window->minimumSizeHint());
}
} // namespace

double Enlargement::largestFitting(const QList<const QWidget *> &windows, const QSize &available)
{
    for (const double factor : offered) {
        // What the screen holds in the enlarged program's own pixels.
        const QSize room(int(std::floor(available.width() / factor)),
                         int(std::floor(available.height() / factor)));
        bool fits = true;
        for (const QWidget *window : windows)
            fits = fits && preferredSize(window).boundedTo(room) == preferredSize(window);
        if (fits)
            return factor;
    }
    return 1;
}
