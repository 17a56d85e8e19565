#include "gui/results/CRatingBars.h"

#include "gui/widgets/WidgetStyle.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {
constexpr int RowHeight = 22;
constexpr int BarHeight = 14;
constexpr int PlaceWidth = 28;
constexpr int MinNameWidth = 150;
constexpr int Gap = 6;
} // namespace

CRatingBars::CRatingBars(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RatingBars"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void CRatingBars::SetBars(std::vector<CBar> bars)
{
    Shown = std::move(bars);
    updateGeometry();
    update();
}

QString CRatingBars::ValueText(const CBar& bar)
{
    const QString score = TruncatedText(bar.Score, 4);
    return bar.Complete ? score : tr("%1, не все оценки").arg(score);
}

QSize CRatingBars::sizeHint() const
{
    return {PlaceWidth + MinNameWidth + 320, static_cast<int>(Shown.size()) * RowHeight + 2 * Gap};
}

QSize CRatingBars::minimumSizeHint() const
{
    return {PlaceWidth + MinNameWidth + 220, static_cast<int>(Shown.size()) * RowHeight + 2 * Gap};
}

bool CRatingBars::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int row = (help->pos().y() - Gap) / RowHeight;
        if (help->pos().y() >= Gap && row >= 0 && static_cast<std::size_t>(row) < Shown.size()) {
            const CBar& bar = Shown[static_cast<std::size_t>(row)];
            QToolTip::showText(help->globalPos(), QStringLiteral("%1: %2").arg(bar.Name, ValueText(bar)), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

void CRatingBars::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFontMetrics metrics(font());
    // Room after the bar for the longest value text, so a full bar never covers it.
    int valueWidth = 0;
    for (const CBar& bar : Shown) {
        valueWidth = std::max(valueWidth, metrics.horizontalAdvance(ValueText(bar)));
    }
    // Names as wide as the longest needs, up to two fifths of the width; one cut short
    // names itself whole as the tooltip of its row.
    int nameWidth = MinNameWidth;
    for (const CBar& bar : Shown) {
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(bar.Name));
    }
    nameWidth = std::min(nameWidth, std::max(MinNameWidth, width() * 2 / 5));
    const int barLeft = Gap + PlaceWidth + nameWidth + Gap;
    const int barSpace = std::max(10, width() - barLeft - Gap - valueWidth - Gap);
    for (std::size_t row = 0; row < Shown.size(); ++row) {
        const CBar& bar = Shown[row];
        const int top = Gap + static_cast<int>(row) * RowHeight;
        painter.setPen(Qt::black);
        painter.drawText(
            QRect(Gap, top, PlaceWidth - Gap, RowHeight), Qt::AlignVCenter | Qt::AlignRight, QString::number(row + 1));
        painter.drawText(QRect(Gap + PlaceWidth, top, nameWidth, RowHeight), Qt::AlignVCenter | Qt::AlignLeft,
            metrics.elidedText(bar.Name, Qt::ElideRight, nameWidth));
        const int length = static_cast<int>(std::lround(std::clamp(bar.Score, 0.0, 1.0) * barSpace));
        const QRect box(barLeft, top + (RowHeight - BarHeight) / 2, length, BarHeight);
        // A bar with cells not rated is paler: its score is a lower bound of what it may get.
        painter.fillRect(box, bar.Complete ? QColor(70, 110, 190) : QColor(170, 190, 225));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.drawText(QRect(barLeft + length + Gap, top, valueWidth + Gap, RowHeight),
            Qt::AlignVCenter | Qt::AlignLeft, ValueText(bar));
    }
}
