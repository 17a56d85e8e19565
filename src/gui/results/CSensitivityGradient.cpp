#include "gui/results/CSensitivityGradient.h"

#include "core/results/ReportContent.h"
#include "gui/widgets/AccessibleCells.h"
#include "gui/widgets/WidgetStyle.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {
QLabel* MakeWrappedLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}
} // namespace

CSensitivityGradient::CSensitivityGradient(QWidget* page, int firstLines)
{
    Chart = new QChart();
    Chart->setAnimationOptions(QChart::NoAnimation);
    Chart->setBackgroundRoundness(0);
    Chart->setLocalizeNumbers(true); // the user's decimal separator on the axes
    Chart->legend()->hide();
    AxisX = new QValueAxis;
    AxisX->setRange(0.0, 1.0);
    AxisX->setTickCount(11);
    AxisX->setLabelFormat(QStringLiteral("%.1f"));
    AxisY = new QValueAxis;
    AxisY->setLabelFormat(QStringLiteral("%.2f"));
    AxisY->setTitleText(tr("Приоритет альтернативы"));
    Chart->addAxis(AxisX, Qt::AlignBottom);
    Chart->addAxis(AxisY, Qt::AlignLeft);
    for (int i = 0; i < firstLines; ++i) {
        FirstLines.push_back(AddLine(i));
    }
    PresentWeight = new QLineSeries;
    PresentWeight->setObjectName(QStringLiteral("PresentWeight"));
    PresentWeight->setName(tr("текущий вес"));
    PresentWeight->setPen(QPen(Qt::black, 1.5, Qt::DashLine));
    Chart->addSeries(PresentWeight);
    PresentWeight->attachAxis(AxisX);
    PresentWeight->attachAxis(AxisY);
    CrossingMarks = new QScatterSeries;
    CrossingMarks->setObjectName(QStringLiteral("CrossingMarks"));
    CrossingMarks->setName(tr("смена мест"));
    CrossingMarks->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    CrossingMarks->setMarkerSize(10.0);
    CrossingMarks->setColor(Qt::white);
    CrossingMarks->setBorderColor(Qt::black);
    Chart->addSeries(CrossingMarks);
    CrossingMarks->attachAxis(AxisX);
    CrossingMarks->attachAxis(AxisY);

    View = new QChartView(Chart, page);
    View->setObjectName(QStringLiteral("chGradient"));
    View->setRenderHint(QPainter::Antialiasing);
    View->setInteractive(false);
    View->setMinimumSize(420, 300);
    Legend = MakeWrappedLabel(page, "lbLegend", QString());
    Legend->setTextFormat(Qt::RichText);

    Crossings = new QTableWidget(0, 3, page);
    Crossings->setObjectName(QStringLiteral("tbCrossings"));
    Crossings->setAccessibleName(tr("Смена мест альтернатив"));
    Crossings->setHorizontalHeaderLabels({tr("Вес"), tr("Альтернативы"), tr("Впереди после")});
    Crossings->verticalHeader()->hide();
    Crossings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Crossings->setSelectionMode(QAbstractItemView::NoSelection);
    Crossings->setWordWrap(true);
    Crossings->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    Crossings->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    Crossings->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    Crossings->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    KeepAccessibleCellsInStep(*Crossings); // refilled for every element
    CrossingsNote = MakeWrappedLabel(page, "lbCrossingsNote", QString());

    Side = new QVBoxLayout;
    auto* side = Side;
    QLabel* caption = MakeWrappedLabel(page, "lbCrossings", tr("Смена мест альтернатив"));
    caption->setWordWrap(false);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    side->addWidget(caption);
    side->addWidget(Crossings, 1);
    side->addWidget(CrossingsNote);
    auto* chartSide = new QVBoxLayout;
    chartSide->addWidget(View, 1);
    chartSide->addWidget(Legend);
    auto* columns = new QHBoxLayout(page);
    columns->addLayout(chartSide, 3);
    columns->addLayout(side, 2);
}

QLineSeries* CSensitivityGradient::AddLine(int index)
{
    auto* line = new QLineSeries;
    line->setObjectName(QStringLiteral("GradientLine_%1").arg(index));
    Chart->addSeries(line);
    line->attachAxis(AxisX);
    line->attachAxis(AxisY);
    return line;
}

void CSensitivityGradient::ShowScale(double largest, double weight)
{
    const double top = std::max(0.1, std::ceil(largest * 10.0 - 1e-9) / 10.0);
    AxisY->setRange(0.0, top);
    AxisY->setTickCount(static_cast<int>(std::lround(top * 10.0)) + 1);
    PresentWeight->clear();
    PresentWeight->append(weight, 0.0);
    PresentWeight->append(weight, top);
}

void CSensitivityGradient::ShowCrossings(const CElementSensitivityText& text, double weight)
{
    Crossings->setRowCount(static_cast<int>(text.Crossings.size()));
    for (std::size_t c = 0; c < text.Crossings.size(); ++c) {
        const CCrossingText& crossing = text.Crossings[c];
        const int row = static_cast<int>(c);
        Crossings->setItem(row, 0, new QTableWidgetItem(Text(crossing.Weight)));
        Crossings->setItem(row, 1, new QTableWidgetItem(Text(crossing.Pair)));
        Crossings->setItem(row, 2, new QTableWidgetItem(Text(crossing.LeaderAfter)));
    }
    CrossingsNote->setText(Text(text.Note.empty() ? SensitivityChartNote(weight, DecimalSeparator()) : text.Note));
}
