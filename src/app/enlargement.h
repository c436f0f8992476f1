#ifndef VANDREL_ENLARGEMENT_H
#define VANDREL_ENLARGEMENT_H

#include <QList>
#include <QSize>

#include <array>

class QWidget;

// How far the whole program may be enlarged for a projector on a given screen.
namespace Enlargement {

// The enlargements offered, largest first.
constexpr std::array<double, 4> offered{2, 1.75, 1.5, 1.25};

// The largest offered factor at which every window, enlarged by it, fits the
// available area (in pixels) with each of its controls at the size it asks
// for; 1 when none does. The windows are measured as they are, at scale 1.
double largestFitting(const QList<const QWidget *> &windows, const QSize &available);

} // namespace Enlargement

#endif
