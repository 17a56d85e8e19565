#include "gui/results/CSensitivityBars.h"

#include "core/results/Synthesis.h"
#include "gui/widgets/WidgetStyle.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr int RowHeight = 26;
constexpr int BarHeight = 18;
constexpr int NameWidth = 150;
constexpr int ValueWidth = 60;
constexpr int Gap = 8;
} // namespace

CSensitivityBars::CSensitivityBars(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void CSensitivityBars::SetAlternatives(std::uint32_t count, const QString* names, const QColor* colours)
{
    Count = std::min(count, MaxAlternatives);
    for (std::uint32_t i = 0; i < MaxAlternatives; ++i) {
        Names[i] = i < Count ? names[i] : QString();
        Colours[i] = i < Count ? colours[i] : QColor();
        Order[i] = i;
        Values[i] = 0.0;
    }
    updateGeometry();
    update();
}

void CSensitivityBars::SetValues(const double* values)
{
    // The rows follow the results table's order: its exchange procedure, largest first.
    CResultList list;
    list.Count = Count;
    for (std::uint32_t i = 0; i < Count; ++i) {
        Values[i] = values[i];
        list.Rows[i].Value = values[i];
        list.Rows[i].Position = i;
    }
    OrderResults(list);
    for (std::uint32_t row = 0; row < Count; ++row) {
        Order[row] = list.Rows[row].Position;
        ValueTexts[row] = TruncatedText(list.Rows[row].Value, 4);
    }
    update();
}

QString CSensitivityBars::RowName(std::uint32_t row) const
{
    return row < Count ? Names[Order[row]] : QString();
}

QString CSensitivityBars::RowValueText(std::uint32_t row) const
{
    return row < Count ? ValueTexts[row] : QString();
}

QSize CSensitivityBars::sizeHint() const
{
    // Room for nine rows at least, as a layered level has; more for a tree's alternatives.
    return {NameWidth + ValueWidth + 200, static_cast<int>(std::max(Count, MaxElementsPerLevel)) * RowHeight + Gap};
}

QSize CSensitivityBars::minimumSizeHint() const
{
    return {NameWidth + ValueWidth + 80, static_cast<int>(std::max(Count, MaxElementsPerLevel)) * RowHeight + Gap};
}

void CSensitivityBars::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // The scale reaches the largest bar rounded up to a tenth, so small shares stay visible.
    double largest = 0.0;
    for (std::uint32_t i = 0; i < Count; ++i) {
        largest = std::max(largest, Values[i]);
    }
    const double scale = std::max(0.1, std::ceil(largest * 10.0 - 1e-9) / 10.0);
    const int barLeft = Gap + NameWidth + Gap;
    const int barSpace = std::max(10, width() - barLeft - Gap - ValueWidth - Gap);
    const QFontMetrics metrics(font());
    for (std::uint32_t row = 0; row < Count; ++row) {
        const std::uint32_t i = Order[row];
        const int top = Gap / 2 + static_cast<int>(row) * RowHeight;
        const QRect nameBox(Gap, top, NameWidth, RowHeight);
        painter.setPen(Qt::black);
        painter.drawText(
            nameBox, Qt::AlignVCenter | Qt::AlignRight, metrics.elidedText(Names[i], Qt::ElideRight, NameWidth));
        const double share = std::clamp(Values[i] / scale, 0.0, 1.0);
        const int length = static_cast<int>(std::lround(share * barSpace));
        const QRect bar(barLeft, top + (RowHeight - BarHeight) / 2, length, BarHeight);
        painter.fillRect(bar, Colours[i]);
        painter.setPen(Qt::black);
        painter.drawRect(bar.adjusted(0, 0, -1, -1));
        painter.drawText(QRect(barLeft + length + Gap, top, ValueWidth, RowHeight), Qt::AlignVCenter | Qt::AlignLeft,
            ValueTexts[row]);
    }
}
