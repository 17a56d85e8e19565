#include "gui/results/PieFilling.h"

#include "gui/widgets/WidgetStyle.h"

#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QPieSeries>
#include <QPieSlice>
#include <QSizeF>

#include <algorithm>

QChartView* MakePieChartView(QWidget* parent, QPieSeries* series, int margin)
{
    auto* chart = new QChart();
    chart->addSeries(series);
    chart->legend()->hide();
    chart->setTitle(QString());
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(margin, margin, margin, margin));
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFrameStyle(QFrame::NoFrame);
    view->setInteractive(false);
    view->setDragMode(QGraphicsView::NoDrag);
    return view;
}

void FillPie(QPieSeries* series, const CResultList& rows)
{
    series->clear();
    // All slices in one call: each append of its own rebuilds the chart's (hidden) legend.
    QList<QPieSlice*> slices;
    slices.reserve(static_cast<qsizetype>(rows.Count));
    for (std::uint32_t i = 0; i < rows.Count; ++i) {
        const CResultRow& row = rows.Rows[i];
        auto* slice = new QPieSlice(QString::fromStdString(row.Name), row.Value);
        slice->setColor(ToQColor(row.Colour));
        slice->setBorderColor(Qt::black);
        slice->setLabelVisible(true);
        slice->setLabelColor(Qt::black);
        slices.append(slice);
    }
    series->append(slices);
}

CPieGeometry FitPieWithLabels(
    const QSizeF& plot, const QSizeF& label, double requestedSize, double reach, int horOffset, int verOffset)
{
    // The chart lays a label's text out with a margin round it, beside its arm's end.
    constexpr double TextPadding = 8.0;
    constexpr double SmallestPie = 0.1;
    const double half = std::min(plot.width(), plot.height()) / 2.0;
    if (half <= 0.0 || reach <= 0.0) {
        return CPieGeometry{std::clamp(requestedSize, SmallestPie, 1.0), 0.5, 0.5};
    }
    const double roomX = plot.width() / 2.0 - label.width() - TextPadding;
    const double roomY = plot.height() / 2.0 - label.height() - TextPadding;
    const double fitting = std::min(roomX, roomY) / reach / half;
    const double size = std::clamp(std::min(requestedSize, fitting), SmallestPie, 1.0);
    const double extent = size * half * reach;
    const double slackX = std::max(0.0, roomX - extent);
    const double slackY = std::max(0.0, roomY - extent);
    return CPieGeometry{
        size, 0.5 + slackX / plot.width() * horOffset / 100.0, 0.5 + slackY / plot.height() * verOffset / 100.0};
}

void FitPieToItsLabels(
    const QChartView* view, QPieSeries* series, double requestedSize, double pulledOut, int horOffset, int verOffset)
{
    const QChart* chart = view->chart();
    QRectF plot = chart->plotArea();
    if (plot.width() < 1.0 || plot.height() < 1.0) {
        const QMargins margins = chart->margins();
        plot = QRectF(0.0, 0.0, view->width() - margins.left() - margins.right(),
            view->height() - margins.top() - margins.bottom());
    }
    QSizeF label(0.0, 0.0);
    double arm = 0.0;
    for (const QPieSlice* slice : series->slices()) {
        const QFontMetricsF metrics(slice->labelFont());
        label = label.expandedTo(QSizeF(metrics.horizontalAdvance(slice->label()), metrics.height()));
        arm = std::max(arm, slice->labelArmLengthFactor());
    }
    const CPieGeometry geometry
        = FitPieWithLabels(plot.size(), label, requestedSize, 1.0 + pulledOut + arm, horOffset, verOffset);
    series->setPieSize(geometry.Size);
    series->setHorizontalPosition(geometry.HorizontalPosition);
    series->setVerticalPosition(geometry.VerticalPosition);
}
