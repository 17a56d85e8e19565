#include "results/PieFilling.h"

#include "results/WidgetStyle.h"

#include <QChart>
#include <QChartView>
#include <QPieSeries>
#include <QPieSlice>

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
    for (std::uint32_t i = 0; i < rows.Count; ++i) {
        const CResultRow& row = rows.Rows[i];
        auto* slice = new QPieSlice(QString::fromStdString(row.Name), row.Value);
        slice->setColor(ToQColor(row.Colour));
        slice->setBorderColor(Qt::black);
        slice->setLabelVisible(true);
        slice->setLabelColor(Qt::black);
        series->append(slice);
    }
}
