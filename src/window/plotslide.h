#ifndef VANDREL_PLOTSLIDE_H
#define VANDREL_PLOTSLIDE_H

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <qcustomplot.h>

// The plot as a slide shows it: 16 : 9 whatever the size of the window, with the read-out line
// above the plot and a legend that names the curves, in type large enough for the back of a
// lecture hall. Drawn from a copy, so that the plot on the screen is left as it is.
class PlotSlide
{
public:
    // The names of the curves that have none on the screen, in the order of the plot's graphs:
    // the measured one, then the expected.
    PlotSlide(QCustomPlot *shown, const QString &readout, const QStringList &curveNames);

    // A page of 960 × 540 points, as a 16 : 9 slide is: lines and text that stay sharp.
    // Empty where the page could not be begun.
    QByteArray pdf();
    // The same at 1920 × 1080 pixels.
    QImage picture();

private:
    void paint(QCPPainter &painter);

    QCustomPlot plot;
    QString readout;
};

#endif
