#include "gui/results/PieFilling.h"

#include "core/layout/PieLabelPlaces.h"
#include "core/model/ModelConstants.h"
#include "gui/widgets/WidgetStyle.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPieSeries>
#include <QPieSlice>
#include <QSizeF>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// The chart lays a label's text out with a margin round it, beside its arm's end.
constexpr double TextPadding = 8.0;
// Below this a label is no longer readable; shorter names or the slices take over.
constexpr int SmallestLabelPixels = 8;
// Fewer characters than this before the "…" say nothing of the name.
constexpr int ShortestCut = 3;
const char* const FullNameProperty = "tessalyFullName";

// The chart's plot area, or the view less its margins until the chart has laid it out.
QRectF PlotArea(const QChartView* view)
{
    const QChart* chart = view->chart();
    QRectF plot = chart->plotArea();
    if (plot.width() < 1.0 || plot.height() < 1.0) {
        const QMargins margins = chart->margins();
        plot = QRectF(0.0, 0.0, view->width() - margins.left() - margins.right(),
            view->height() - margins.top() - margins.bottom());
    }
    return plot;
}

// Black text is lost on the dark slice colours.
QColor InsideLabelColour(const QColor& slice)
{
    return slice.lightness() < 110 ? QColor(Qt::white) : QColor(Qt::black);
}
} // namespace

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
    // The chart is a picture of the table beside it: a reader is sent to the table.
    view->setAccessibleName(
        QCoreApplication::translate("PieFilling", "Круговая диаграмма: те же значения, что в таблице рядом"));
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
        // The label may be cut short to fit; the whole name stays with the slice.
        slice->setProperty(FullNameProperty, slice->label());
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

CPieGeometry PlacePie(const QSizeF& plot, double requestedSize, double body, int horOffset, int verOffset)
{
    const double reach = std::max(body, 1.0);
    const double size = std::clamp(requestedSize / reach, 0.01, 1.0);
    const double half = std::min(plot.width(), plot.height()) / 2.0;
    if (half <= 0.0) {
        return CPieGeometry{size, 0.5, 0.5};
    }
    const double extent = size * half * reach;
    // How far the centre may move before the pie's edge meets the plot area's.
    const double slackX = std::max(0.0, plot.width() / 2.0 - extent);
    const double slackY = std::max(0.0, plot.height() / 2.0 - extent);
    return CPieGeometry{
        size, 0.5 + slackX / plot.width() * horOffset / 100.0, 0.5 + slackY / plot.height() * verOffset / 100.0};
}

QSizeF PieLabelRoom(const QSizeF& plot, const CPieGeometry& pie, double reach)
{
    const double radius = pie.Size * std::min(plot.width(), plot.height()) / 2.0;
    const double armEnd = radius * std::max(reach, 1.0);
    const double centreX = pie.HorizontalPosition * plot.width();
    const double centreY = pie.VerticalPosition * plot.height();
    const double across = std::min(centreX, plot.width() - centreX) - armEnd - TextPadding;
    const double down = std::min(centreY, plot.height() - centreY) - armEnd - TextPadding;
    return {std::max(0.0, across), std::max(0.0, down)};
}

QString SliceName(const QPieSlice* slice)
{
    const QVariant name = slice->property(FullNameProperty);
    return name.isValid() ? name.toString() : slice->label();
}

CPieLabels FitPieToItsLabels(
    const QChartView* view, QPieSeries* series, double requestedSize, double pulledOut, int horOffset, int verOffset)
{
    const QRectF plot = PlotArea(view);
    double arm = 0.0;
    for (const QPieSlice* slice : series->slices()) {
        arm = std::max(arm, slice->labelArmLengthFactor());
    }
    const CPieGeometry geometry = PlacePie(plot.size(), requestedSize, 1.0 + pulledOut, horOffset, verOffset);
    series->setPieSize(geometry.Size);
    series->setHorizontalPosition(geometry.HorizontalPosition);
    series->setVerticalPosition(geometry.VerticalPosition);
    const QSizeF room = PieLabelRoom(plot.size(), geometry, 1.0 + pulledOut + arm);

    const int normal = view->font().pixelSize() > 0 ? view->font().pixelSize() : QFontInfo(view->font()).pixelSize();
    QFont font = view->font();
    const auto widest = [&series](const QFontMetricsF& metrics) {
        double width = 0.0;
        for (const QPieSlice* slice : series->slices()) {
            width = std::max(width, metrics.horizontalAdvance(SliceName(slice)));
        }
        return width;
    };
    CPieLabels shown{normal, false};
    bool whole = false;
    for (int pixels = normal; pixels >= SmallestLabelPixels; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        if (metrics.height() <= room.height() && widest(metrics) <= room.width()) {
            shown.PixelSize = pixels;
            whole = true;
            break;
        }
    }
    if (!whole) {
        font.setPixelSize(SmallestLabelPixels);
        shown.PixelSize = SmallestLabelPixels;
        const QFontMetricsF metrics(font);
        const double shortest = metrics.horizontalAdvance(QString(ShortestCut, QLatin1Char('W')) + QChar(0x2026));
        shown.Inside = metrics.height() > room.height() || shortest > room.width();
        if (shown.Inside) {
            // A pie with no room round it fills the chart: its slices hold the normal size.
            font.setPixelSize(normal);
            shown.PixelSize = normal;
        }
    }
    const QFontMetricsF metrics(font);
    const double radius = geometry.Size * std::min(plot.width(), plot.height()) / 2.0;
    const QPointF centre(geometry.HorizontalPosition * plot.width(), geometry.VerticalPosition * plot.height());
    for (QPieSlice* slice : series->slices()) {
        const QString name = SliceName(slice);
        slice->setLabelFont(font);
        if (shown.Inside) {
            slice->setLabelPosition(QPieSlice::LabelInsideHorizontal);
            slice->setLabelColor(InsideLabelColour(slice->color()));
            // Half way out along the slice's middle (angles clockwise from twelve o'clock),
            // where the chart centres the text; cut so that it stays inside the plot area,
            // which the chart would otherwise hide it for leaving.
            const double angle = (slice->startAngle() + slice->angleSpan() / 2.0) * 3.14159265358979323846 / 180.0;
            const double out = radius * (0.5 + (slice->isExploded() ? slice->explodeDistanceFactor() : 0.0));
            const double x = centre.x() + out * std::sin(angle);
            const double width = 2.0 * std::min(x, plot.width() - x) - TextPadding;
            slice->setLabel(metrics.elidedText(name, Qt::ElideRight, std::max(0.0, width)));
        } else {
            slice->setLabelPosition(QPieSlice::LabelOutside);
            slice->setLabelColor(Qt::black);
            slice->setLabel(whole ? name : metrics.elidedText(name, Qt::ElideRight, room.width()));
        }
    }
    if (!shown.Inside) {
        HideCrowdedLabels(view, series);
    }
    return shown;
}

void HideCrowdedLabels(const QChartView* view, QPieSeries* series)
{
    const QList<QPieSlice*> slices = series->slices();
    if (slices.size() <= static_cast<qsizetype>(MaxElementsPerLevel)) {
        return;
    }
    const QRectF plot = PlotArea(view);
    const double radius = series->pieSize() * std::min(plot.width(), plot.height()) / 2.0;
    std::vector<CPieLabel> labels;
    double height = 0.0;
    double arm = 0.0;
    for (const QPieSlice* slice : slices) {
        const QFontMetricsF metrics(slice->labelFont());
        const double pulled = slice->isExploded() ? slice->explodeDistanceFactor() : 0.0;
        // The chart keeps a margin round the text it draws.
        labels.push_back({slice->startAngle() + slice->angleSpan() / 2.0, radius * (1.0 + pulled), slice->value(),
            metrics.horizontalAdvance(slice->label()) + TextPadding / 2.0});
        height = std::max(height, metrics.height() + TextPadding / 2.0);
        arm = std::max(arm, radius * slice->labelArmLengthFactor());
    }
    const std::vector<bool> shown = ClearPieLabels(labels, arm, height);
    for (qsizetype i = 0; i < slices.size(); ++i) {
        slices[i]->setLabelVisible(shown[static_cast<std::size_t>(i)]);
    }
}

void ShrinkPieToItsLabels(const QChartView* view, QPieSeries* series, double largestSize)
{
    const QRectF plot = PlotArea(view);
    QSizeF label(0.0, 0.0);
    double arm = 0.0;
    for (const QPieSlice* slice : series->slices()) {
        const QFontMetricsF metrics(slice->labelFont());
        label = label.expandedTo(QSizeF(metrics.horizontalAdvance(slice->label()), metrics.height()));
        arm = std::max(arm, slice->labelArmLengthFactor());
    }
    const CPieGeometry geometry = FitPieWithLabels(plot.size(), label, largestSize, 1.0 + arm, 0, 0);
    series->setPieSize(geometry.Size);
    series->setHorizontalPosition(geometry.HorizontalPosition);
    series->setVerticalPosition(geometry.VerticalPosition);
}
