#include "gui/judgement/CWideExpertTable.h"

#include "gui/judgement/CExpertTable_Element.h"
#include "gui/widgets/ElidedName.h"
#include "gui/widgets/WidgetStyle.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

namespace {
// Room for the column numbers and the priorities' caption above the first row.
constexpr int Top = 20;
// The row numbers ("20.") stand left of the names.
constexpr int NamesLeft = 30;
constexpr int NameToCells = 3;
constexpr int CellsToPriorities = 9;
constexpr int PriorityWidth = 80;
constexpr int CellWidth = 30;
constexpr int CellHeight = 20;
// The text keeps off the sunken frame on both sides.
constexpr int NamePadding = 6;

int CellsLeft(int nameWidth)
{
    return NamesLeft + nameWidth + NameToCells;
}

int PrioritiesLeft(std::uint32_t n, int nameWidth)
{
    return CellsLeft(nameWidth) + CWideExpertTable::CellStep * static_cast<int>(n) + CellsToPriorities;
}
} // namespace

CWideExpertTable::CWideExpertTable(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("WideTable"));
    QFont tableFont = font();
    tableFont.setPixelSize(11);
    setFont(tableFont);
    lbWidePriority = new QLabel(tr("Приоритет"), this);
    lbWidePriority->setObjectName(QStringLiteral("lbWidePriority"));
    StyleBoldLabel(lbWidePriority);
    for (std::uint32_t r = 0; r < MaxMatrixOrder; ++r) {
        auto* name = new QLabel(this);
        name->setObjectName(QStringLiteral("WideName_%1").arg(r));
        StyleStaticText(name, false);
        Names[r] = name;
        auto* priority = new QLabel(this);
        priority->setObjectName(QStringLiteral("WidePriority_%1").arg(r));
        StyleStaticText(priority, false);
        Priorities[r] = priority;
        for (std::uint32_t c = 0; c < MaxMatrixOrder; ++c) {
            auto* cell = new CExpertTable_Element(this);
            cell->setObjectName(QStringLiteral("WideCell_%1_%2").arg(r).arg(c));
            StyleStaticText(cell, true);
            if (r == c) {
                QPalette palette = cell->palette();
                palette.setColor(QPalette::WindowText, ToQColor(clGray));
                cell->setPalette(palette);
            }
            cell->Row = r;
            cell->Column = c;
            cell->setText(QStringLiteral("1"));
            Cells[r][c] = cell;
        }
    }
}

CWideExpertTable::~CWideExpertTable() = default;

int CWideExpertTable::WidthFor(std::uint32_t n, int nameWidth)
{
    return PrioritiesLeft(n, nameWidth) + PriorityWidth + 20;
}

int CWideExpertTable::HeightFor(std::uint32_t n)
{
    return Top + RowStep * static_cast<int>(n) + 6;
}

int CWideExpertTable::NameWidth(const QString& name) const
{
    return QFontMetrics(Names[0]->font()).horizontalAdvance(name) + 2 * NamePadding;
}

void CWideExpertTable::Arrange(std::uint32_t n, int nameWidth)
{
    Shown = n > MaxMatrixOrder ? MaxMatrixOrder : n;
    for (std::uint32_t r = 0; r < MaxMatrixOrder; ++r) {
        const bool shown = r < Shown;
        const int top = Top + RowStep * static_cast<int>(r);
        Names[r]->setGeometry(NamesLeft, top, nameWidth, CellHeight);
        Names[r]->setVisible(shown);
        Priorities[r]->setGeometry(PrioritiesLeft(Shown, nameWidth), top, PriorityWidth, CellHeight);
        Priorities[r]->setVisible(shown);
        for (std::uint32_t c = 0; c < MaxMatrixOrder; ++c) {
            Cells[r][c]->setGeometry(CellsLeft(nameWidth) + CellStep * static_cast<int>(c), top, CellWidth, CellHeight);
            Cells[r][c]->setVisible(shown && c < Shown);
        }
    }
    lbWidePriority->move(PrioritiesLeft(Shown, nameWidth) + 8, Top - 15);
    lbWidePriority->show();
    setFixedSize(WidthFor(Shown, nameWidth), HeightFor(Shown));
}

void CWideExpertTable::SetName(std::uint32_t k, const QString& name)
{
    SetElidedName(Names[k], name, Names[k]->width(), NamePadding);
}

void CWideExpertTable::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    for (std::uint32_t k = 0; k < Shown; ++k) {
        DrawTableNumber(painter, 6, Names[k]->y() + 4, static_cast<int>(k) + 1);
        const QWidget* column = Cells[0][k];
        // Two digits are centred over the cell as one is.
        DrawTableNumber(painter, column->x() + (k < 9 ? 10 : 7), column->y() - 15, static_cast<int>(k) + 1);
    }
}
