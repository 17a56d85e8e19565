#include "gui/group/CGroupTableModel.h"

CGroupTableModel::CGroupTableModel(QObject* parent, CContent content, CAlignment alignment)
    : QAbstractTableModel(parent)
    , Content(std::move(content))
    , Alignment(std::move(alignment))
{
    Reset();
}

CGroupTableModel::~CGroupTableModel() = default;

void CGroupTableModel::SetEditableColumn(int column, std::function<bool(int, const QString&)> edit)
{
    EditableColumn = column;
    Edit = std::move(edit);
}

void CGroupTableModel::SetCheckColumn(
    int column, std::function<bool(int)> checked, std::function<bool(int, bool)> check)
{
    CheckColumn = column;
    Checked = std::move(checked);
    Check = std::move(check);
}

const CReportTable& CGroupTableModel::Table() const
{
    if (!Cells) {
        Cells = Content();
    }
    return *Cells;
}

void CGroupTableModel::Refresh()
{
    Cells.reset();
    if (Rows > 0 && Columns > 0) {
        emit dataChanged(index(0, 0), index(Rows - 1, Columns - 1));
    }
    if (Columns > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
    }
}

void CGroupTableModel::Reset()
{
    beginResetModel();
    Cells.reset();
    const CReportTable& table = Table();
    Rows = static_cast<int>(table.Rows.size());
    Columns = static_cast<int>(table.Header.size());
    endResetModel();
}

int CGroupTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Rows;
}

int CGroupTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QString CGroupTableModel::Text(int row, int column) const
{
    const CReportTable& table = Table();
    if (row < 0 || column < 0 || row >= static_cast<int>(table.Rows.size())) {
        return {};
    }
    const std::vector<std::string>& cells = table.Rows[static_cast<std::size_t>(row)];
    return column < static_cast<int>(cells.size()) ? QString::fromStdString(cells[static_cast<std::size_t>(column)])
                                                   : QString();
}

QVariant CGroupTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Text(index.row(), index.column());
    case Qt::CheckStateRole:
        if (index.column() == CheckColumn && Checked) {
            return Checked(index.row()) ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Alignment(index.column()) | Qt::AlignVCenter);
    default:
        return Extra ? Extra(index.row(), index.column(), role) : QVariant();
    }
}

QVariant CGroupTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= Columns) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const CReportTable& table = Table();
    const QString text = section < static_cast<int>(table.Header.size())
        ? QString::fromStdString(table.Header[static_cast<std::size_t>(section)])
        : QString();
    const QString name = section < HeaderNames.size() && !HeaderNames[section].isEmpty() ? HeaderNames[section] : text;
    switch (role) {
    case Qt::DisplayRole:
        return text;
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return name;
    default:
        return QAbstractTableModel::headerData(section, orientation, role);
    }
}

Qt::ItemFlags CGroupTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.isValid() && index.column() == EditableColumn && Edit) {
        flags |= Qt::ItemIsEditable;
    }
    if (index.isValid() && index.column() == CheckColumn && Check) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

bool CGroupTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role == Qt::CheckStateRole && index.isValid() && index.column() == CheckColumn && Check) {
        return Check(index.row(), value.toInt() == Qt::Checked);
    }
    if (role != Qt::EditRole || !index.isValid() || index.column() != EditableColumn || !Edit) {
        return false;
    }
    return Edit(index.row(), value.toString());
}
