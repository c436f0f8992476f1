#ifndef VANDREL_LEGENDROW_H
#define VANDREL_LEGENDROW_H

class QCustomPlot;
class QCPLayoutGrid;

// Moves the plot's legend into a row of its own above the plot, where it covers no curve: the
// names at the left, as high as their text, an empty element taking the rest of the row.
// Returns the row, which the plot's layout owns.
QCPLayoutGrid *putLegendAbove(QCustomPlot *plot);

#endif
