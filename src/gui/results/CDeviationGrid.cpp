#include "gui/results/CDeviationGrid.h"

#include "gui/widgets/WidgetStyle.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPainter>
#include <QPointer>

#include <map>
#include <tuple>

namespace {
enum class ECellKind { Cell, RowHeader, ColumnHeader };

// A cell or header of the table for a reader: its text is the label's that shows it.
class CDeviationCellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CDeviationCellAccessible(CDeviationGrid* table, ECellKind kind, int row, int column)
        : Table(table)
        , Kind(kind)
        , Row(row)
        , Column(column)
    {
    }

    [[nodiscard]] bool isValid() const override { return !Table.isNull(); }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override
    {
        const CDeviationGrid* table = Table.data();
        return table == nullptr ? nullptr : table->window()->windowHandle();
    }
    [[nodiscard]] QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(Table.data());
    }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        // A name shortened to its column is heard whole.
        const QLabel* label = Label();
        if (t != QAccessible::Name || label == nullptr) {
            return QString();
        }
        return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override { }
    [[nodiscard]] QRect rect() const override
    {
        const QLabel* label = Label();
        return label == nullptr ? QRect() : QRect(label->mapToGlobal(QPoint(0, 0)), label->size());
    }
    [[nodiscard]] QAccessible::Role role() const override
    {
        switch (Kind) {
        case ECellKind::RowHeader:
            return QAccessible::RowHeader;
        case ECellKind::ColumnHeader:
            return QAccessible::ColumnHeader;
        case ECellKind::Cell:
            break;
        }
        return QAccessible::Cell;
    }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        const QLabel* label = Label();
        state.invisible = label == nullptr || !label->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    [[nodiscard]] bool isSelected() const override { return false; }
    [[nodiscard]] QList<QAccessibleInterface*> columnHeaderCells() const override;
    [[nodiscard]] QList<QAccessibleInterface*> rowHeaderCells() const override;
    [[nodiscard]] int columnIndex() const override { return Column; }
    [[nodiscard]] int rowIndex() const override { return Row; }
    [[nodiscard]] int columnExtent() const override { return 1; }
    [[nodiscard]] int rowExtent() const override { return 1; }
    [[nodiscard]] QAccessibleInterface* table() const override { return parent(); }

private:
    // The label showing it; a column's header is the name of its row's element, or the
    // sums' caption.
    [[nodiscard]] const QLabel* Label() const
    {
        const CDeviationGrid* table = Table.data();
        if (table == nullptr) {
            return nullptr;
        }
        const auto n = static_cast<int>(table->Order());
        const auto row = static_cast<std::size_t>(Row);
        const auto column = static_cast<std::size_t>(Column);
        switch (Kind) {
        case ECellKind::RowHeader:
            return table->RowHeaders[row];
        case ECellKind::ColumnHeader:
            return Column == n ? table->SumsHeader : table->RowHeaders[column];
        case ECellKind::Cell:
            break;
        }
        return Column == n ? table->RowSums[row] : table->Cells[row][column];
    }

    QPointer<CDeviationGrid> Table;
    ECellKind Kind;
    int Row;
    int Column;
};

// The table for a reader: its column headers, then each row's header and cells.
class CDeviationGridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CDeviationGridAccessible(CDeviationGrid* table)
        : QAccessibleWidget(table, QAccessible::Table)
    {
    }
    ~CDeviationGridAccessible() override
    {
        for (const auto& [key, id] : MadeCells) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    CDeviationGridAccessible(const CDeviationGridAccessible&) = delete;
    CDeviationGridAccessible& operator=(const CDeviationGridAccessible&) = delete;

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] int childCount() const override { return Columns() + Rows() * (Columns() + 1); }
    [[nodiscard]] QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        if (index < Columns()) {
            return Made(ECellKind::ColumnHeader, -1, index);
        }
        const int row = (index - Columns()) / (Columns() + 1);
        const int at = (index - Columns()) % (Columns() + 1);
        return at == 0 ? Made(ECellKind::RowHeader, row, -1) : Made(ECellKind::Cell, row, at - 1);
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child) {
                return i;
            }
        }
        return -1;
    }
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (QAccessibleInterface* cell = child(i); cell != nullptr && cell->rect().contains(x, y)) {
                return cell;
            }
        }
        return nullptr;
    }

    [[nodiscard]] QAccessibleInterface* caption() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* summary() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* cellAt(int row, int column) const override
    {
        return row >= 0 && row < Rows() && column >= 0 && column < Columns() ? Made(ECellKind::Cell, row, column)
                                                                             : nullptr;
    }
    [[nodiscard]] int selectedCellCount() const override { return 0; }
    [[nodiscard]] QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    [[nodiscard]] QString columnDescription(int column) const override
    {
        const QAccessibleInterface* header = Made(ECellKind::ColumnHeader, -1, column);
        return header != nullptr ? header->text(QAccessible::Name) : QString();
    }
    [[nodiscard]] QString rowDescription(int row) const override
    {
        const QAccessibleInterface* header = Made(ECellKind::RowHeader, row, -1);
        return header != nullptr ? header->text(QAccessible::Name) : QString();
    }
    [[nodiscard]] int selectedColumnCount() const override { return 0; }
    [[nodiscard]] int selectedRowCount() const override { return 0; }
    [[nodiscard]] int columnCount() const override { return Columns(); }
    [[nodiscard]] int rowCount() const override { return Rows(); }
    [[nodiscard]] QList<int> selectedColumns() const override { return {}; }
    [[nodiscard]] QList<int> selectedRows() const override { return {}; }
    [[nodiscard]] bool isColumnSelected(int /*column*/) const override { return false; }
    [[nodiscard]] bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override { }

    // One interface per cell and header for the table's life, as a reader expects to find
    // the same one again.
    [[nodiscard]] QAccessibleInterface* Made(ECellKind kind, int row, int column) const
    {
        if ((kind != ECellKind::ColumnHeader && (row < 0 || row >= Rows()))
            || (kind != ECellKind::RowHeader && (column < 0 || column >= Columns()))) {
            return nullptr;
        }
        const auto key = std::make_tuple(static_cast<int>(kind), row, column);
        auto found = MadeCells.find(key);
        if (found == MadeCells.end()) {
            auto* table = static_cast<CDeviationGrid*>(widget());
            const QAccessible::Id id
                = QAccessible::registerAccessibleInterface(new CDeviationCellAccessible(table, kind, row, column));
            found = MadeCells.emplace(key, id).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

private:
    [[nodiscard]] int Rows() const { return static_cast<int>(static_cast<CDeviationGrid*>(widget())->Order()); }
    [[nodiscard]] int Columns() const { return Rows() + 1; }

    mutable std::map<std::tuple<int, int, int>, QAccessible::Id> MadeCells;
};

QList<QAccessibleInterface*> CDeviationCellAccessible::columnHeaderCells() const
{
    auto* table = static_cast<CDeviationGridAccessible*>(parent());
    QAccessibleInterface* header = table != nullptr ? table->Made(ECellKind::ColumnHeader, -1, Column) : nullptr;
    return header != nullptr ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

QList<QAccessibleInterface*> CDeviationCellAccessible::rowHeaderCells() const
{
    auto* table = static_cast<CDeviationGridAccessible*>(parent());
    QAccessibleInterface* header = table != nullptr ? table->Made(ECellKind::RowHeader, Row, -1) : nullptr;
    return header != nullptr ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

QAccessibleInterface* DeviationGridAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("CDeviationGrid")) {
        return new CDeviationGridAccessible(static_cast<CDeviationGrid*>(object));
    }
    return nullptr;
}
} // namespace

CDeviationGrid::CDeviationGrid(QWidget* parent)
    : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(DeviationGridAccessible);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("DeviationTable"));
    setAccessibleName(tr("Отклонения суждений от отношений приоритетов"));
}

CDeviationGrid::~CDeviationGrid() = default;

void CDeviationGrid::SetOrder(std::uint32_t n)
{
    Shown = n > MaxMatrixOrder ? MaxMatrixOrder : n;
}

void CDeviationGrid::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!PaintsNumbers) {
        return;
    }
    QPainter painter(this);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    for (std::uint32_t k = 0; k < Shown; ++k) {
        // Two digits stand as far left of the name as one digit does.
        DrawTableNumber(
            painter, RowHeaders[k]->x() - (k < 9 ? 15 : 19), RowHeaders[k]->y() + 4, static_cast<int>(k) + 1);
        const QLabel* cell = Cells[0][k];
        DrawTableNumber(
            painter, cell->x() + cell->width() / 2 - (k < 9 ? 5 : 8), cell->y() - 15, static_cast<int>(k) + 1);
    }
}
