#include "legendrow.h"

#include <qcustomplot.h>

QCPLayoutGrid *putLegendAbove(QCustomPlot *plot)
{
    auto *row = new QCPLayoutGrid;
    plot->plotLayout()->insertRow(0);
    plot->plotLayout()->addElement(0, 0, row);
    plot->plotLayout()->setRowStretchFactor(0, 0.001);
    row->addElement(0, 0, plot->legend); // taken out of the corner it was in
    row->addElement(0, 1, new QCPLayoutElement(plot));
    row->setColumnStretchFactors({0.001, 1});
    return row;
}
