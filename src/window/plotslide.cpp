#include "plotslide.h"

#include "legendrow.h"

#include <QBuffer>
#include <QPdfWriter>

namespace {
constexpr QSize slideSize(960, 540);
constexpr int pictureScale = 2;
constexpr int margin = 24;
// Pixel sizes on the slide: as large against it as the screen's text is against a window.
constexpr int readoutTextSize = 22;
constexpr int labelTextSize = 22;
constexpr int tickTextSize = 18;
constexpr double slideLineWidth = 3;

QFont ofSize(QFont font, int pixels)
{
    font.setPixelSize(pixels);
    return font;
}
} // namespace

PlotSlide::PlotSlide(QCustomPlot *shown, const QString &readout, const QStringList &curveNames)
    : readout(readout)
{
    plot.setLocale(shown->locale());
    const QFont font = shown->font();
    const QList<std::pair<QCPAxis *, QCPAxis *>> axes{{plot.xAxis, shown->xAxis},
                                                      {plot.yAxis, shown->yAxis}};
    for (const auto &[axis, shownAxis] : axes) {
        axis->setRange(shownAxis->range());
        axis->setLabel(shownAxis->label());
        axis->setLabelFont(ofSize(font, labelTextSize));
        axis->setTickLabelFont(ofSize(font, tickTextSize));
    }
    for (int i = 0; i < shown->graphCount(); ++i) {
        const QCPGraph *shownGraph = shown->graph(i);
        QCPGraph *graph = plot.addGraph();
        graph->data()->set(*shownGraph->data());
        QPen pen = shownGraph->pen();
        pen.setWidthF(std::max(pen.widthF(), slideLineWidth));
        graph->setPen(pen);
        graph->setName(shownGraph->name().isEmpty() ? curveNames.value(i) : shownGraph->name());
    }
    // The names side by side above the plot.
    QCPLegend *legend = plot.legend;
    legend->setVisible(plot.graphCount() > 0);
    legend->setFont(ofSize(font, labelTextSize));
    legend->setBorderPen(Qt::NoPen);
    legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    putLegendAbove(&plot);
}

void PlotSlide::paint(QCPPainter &painter)
{
    painter.fillRect(QRect(QPoint(), slideSize), Qt::white);
    int top = margin;
    if (!readout.isEmpty()) {
        painter.setFont(ofSize(plot.font(), readoutTextSize));
        painter.setPen(Qt::black);
        const QRect room(margin, margin, slideSize.width() - 2 * margin, slideSize.height() / 3);
        QRect used;
        painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, readout, &used);
        top = used.bottom() + margin / 2;
    }
    painter.translate(margin / 2, top);
    plot.toPainter(&painter, slideSize.width() - margin, slideSize.height() - top - margin / 2);
}

QByteArray PlotSlide::pdf()
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(slideSize, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF());
    // A unit to a point: the slide is laid out in points.
    writer.setResolution(72);
    QCPPainter painter;
    if (!painter.begin(&writer))
        return {};
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    painter.setMode(QCPPainter::pmNonCosmetic);
    paint(painter);
    painter.end();
    return file.data();
}

QImage PlotSlide::picture()
{
    QImage image(slideSize * pictureScale, QImage::Format_RGB32);
    QCPPainter painter(&image);
    painter.setMode(QCPPainter::pmNoCaching);
    painter.setMode(QCPPainter::pmNonCosmetic);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(pictureScale, pictureScale);
    paint(painter);
    painter.end();
    return image;
}
