#include "gui/view/CTreeOutlineModel.h"

#include "core/document/CProjectDocument.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/NumberFormat.h"
#include "core/results/ReportContent.h"
#include "gui/widgets/WidgetStyle.h"

#include <QApplication>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QStyle>

#include <algorithm>

namespace {
// Priorities as the other windows show them: four decimals.
constexpr int PriorityDecimals = 4;
const QString CriterionMimeType = QStringLiteral("application/x-tessaly-criterion");

QString Figure(double value)
{
    return QString::fromStdString(FormatTruncated(value, PriorityDecimals, DecimalSeparator()));
}
} // namespace

CTreeOutlineModel::CTreeOutlineModel(const CProjectDocument& document, QObject* parent)
    : QAbstractItemModel(parent)
    , Document(document)
{
    Reload();
}

void CTreeOutlineModel::Reload()
{
    beginResetModel();
    Unacceptable.clear();
    if (Document.IsTree()) {
        for (const CUnacceptableNode& node : UnacceptableNodes(Document.Tree(), Document.TreeResults())) {
            Unacceptable.insert(node.Node);
        }
    }
    endResetModel();
}

std::uint32_t CTreeOutlineModel::NodeOf(const QModelIndex& index)
{
    return index.isValid() ? static_cast<std::uint32_t>(index.internalId()) : CHierarchy::GoalNode;
}

int CTreeOutlineModel::RowOf(std::uint32_t node) const
{
    if (node == CHierarchy::GoalNode) {
        return 0;
    }
    const CHierarchy& tree = Document.Tree();
    const std::vector<std::uint32_t>& siblings = tree.Node(tree.Parents(node).front()).Children;
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), node) - siblings.begin());
}

QModelIndex CTreeOutlineModel::IndexOfNode(std::uint32_t node, int column) const
{
    if (!Document.IsTree() || node >= Document.Tree().NodeCount()) {
        return {};
    }
    return createIndex(RowOf(node), column, static_cast<quintptr>(node));
}

QModelIndex CTreeOutlineModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!Document.IsTree() || row < 0 || column < 0 || column >= ColumnCount) {
        return {};
    }
    if (!parent.isValid()) {
        return row == 0 ? createIndex(0, column, static_cast<quintptr>(CHierarchy::GoalNode)) : QModelIndex();
    }
    const std::vector<std::uint32_t>& children = Document.Tree().Node(NodeOf(parent)).Children;
    if (static_cast<std::size_t>(row) >= children.size()) {
        return {};
    }
    return createIndex(row, column, static_cast<quintptr>(children[static_cast<std::size_t>(row)]));
}

QModelIndex CTreeOutlineModel::parent(const QModelIndex& child) const
{
    const std::uint32_t node = NodeOf(child);
    if (!child.isValid() || node == CHierarchy::GoalNode) {
        return {};
    }
    return IndexOfNode(Document.Tree().Parents(node).front());
}

int CTreeOutlineModel::rowCount(const QModelIndex& parent) const
{
    if (!Document.IsTree()) {
        return 0;
    }
    if (!parent.isValid()) {
        return 1;
    }
    return parent.column() == 0 ? static_cast<int>(Document.Tree().Node(NodeOf(parent)).Children.size()) : 0;
}

int CTreeOutlineModel::columnCount(const QModelIndex& /*parent*/) const
{
    return ColumnCount;
}

QString CTreeOutlineModel::ConsistencyText(std::uint32_t node) const
{
    if (Document.Tree().IsRated(node)) {
        return ScaleText(node);
    }
    return QString::fromStdString(
        NodeConsistencyMark(Document.TreeResults(), node, Unacceptable.count(node) != 0, DecimalSeparator()));
}

QString CTreeOutlineModel::ScaleText(std::uint32_t node) const
{
    const CHierarchy& tree = Document.Tree();
    //: The consistency column of a rated criterion: the scale its alternatives are rated on.
    return tr("шкала «%1»").arg(QString::fromStdString(tree.Scales()[tree.Node(node).Scale].Name));
}

QString CTreeOutlineModel::AccessibleText(std::uint32_t node, int row) const
{
    const CHierarchy& tree = Document.Tree();
    const CHierarchyResults& results = Document.TreeResults();
    const QString name = QString::fromStdString(tree.Node(node).Name);
    const CNodeResult& own = results.Node(node);
    //: The last part of what a screen reader says of a criterion: the state of its judgements.
    QString consistency = tr("без сравнений");
    if (tree.IsRated(node)) {
        consistency = ScaleText(node);
    } else if (own.Compared) {
        consistency = own.Basis == EPrioritiesBasis::NotConnected || own.Basis == EPrioritiesBasis::BadValue
            ? tr("приоритетов нет")
            : (Unacceptable.count(node) != 0 ? tr("согласованность недостаточна") : tr("согласованность достаточна"));
    }
    if (node == CHierarchy::GoalNode) {
        //: What a screen reader says of the goal: its name, then the state of its judgements
        //: ("согласованность достаточна", "без сравнений", ...).
        return tr("%1, цель, %2").arg(name, consistency);
    }
    const std::vector<double>& local = results.Node(tree.Parents(node).front()).Local;
    const auto place = static_cast<std::size_t>(row);
    //: In place of a criterion's local priority where its parent's judgements give none.
    const QString localPriority = place < local.size() ? Figure(local[place]) : tr("нет");
    //: What a screen reader says of a criterion: name, level number, local and global priority,
    //: then the state of its judgements ("согласованность достаточна", "без сравнений", ...).
    return tr("%1, уровень %2, локальный приоритет %3, глобальный приоритет %4, %5")
        .arg(name, QString::number(tree.Level(node)), localPriority, Figure(results.Global(node)), consistency);
}

QVariant CTreeOutlineModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !Document.IsTree()) {
        return {};
    }
    const std::uint32_t node = NodeOf(index);
    const CHierarchy& tree = Document.Tree();
    const CHierarchyResults& results = Document.TreeResults();
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case NameColumn:
            return QString::fromStdString(tree.Node(node).Name);
        case LocalColumn: {
            if (node == CHierarchy::GoalNode) {
                return {};
            }
            const std::vector<double>& local = results.Node(tree.Parents(node).front()).Local;
            const auto row = static_cast<std::size_t>(index.row());
            return row < local.size() ? Figure(local[row]) : QStringLiteral("—");
        }
        case GlobalColumn:
            return Figure(results.Global(node));
        case ConsistencyColumn:
            return ConsistencyText(node);
        default:
            return {};
        }
    }
    if (role == Qt::AccessibleTextRole && index.column() == NameColumn) {
        return AccessibleText(node, index.row());
    }
    if (role == Qt::ToolTipRole) {
        if (index.column() == ConsistencyColumn && Unacceptable.count(node) != 0) {
            for (const CUnacceptableNode& found : UnacceptableNodes(tree, results)) {
                if (found.Node == node) {
                    CUnacceptableMatrix matrix;
                    matrix.Cr = found.Cr;
                    matrix.CrLimit = found.CrLimit;
                    matrix.Completed = found.Completed;
                    return QString::fromStdString(UnacceptableMarkText(matrix, DecimalSeparator()));
                }
            }
        }
        if (index.column() == ConsistencyColumn && tree.IsRated(node)) {
            return ScaleText(node);
        }
        // The full name, however narrow the column, and the criterion's comment under it.
        const QString path = QString::fromStdString(NodePathText(tree, node));
        const std::string& comment = tree.Node(node).Comment;
        return comment.empty() ? path : QStringLiteral("%1\n\n%2").arg(path, QString::fromStdString(comment));
    }
    if (role == Qt::DecorationRole && index.column() == ConsistencyColumn && Unacceptable.count(node) != 0) {
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    }
    if (role == Qt::TextAlignmentRole && (index.column() == LocalColumn || index.column() == GlobalColumn)) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant CTreeOutlineModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case NameColumn:
        return tr("Критерий");
    case LocalColumn:
        return tr("Локальный");
    case GlobalColumn:
        return tr("Глобальный");
    case ConsistencyColumn:
        return tr("Согласованность");
    default:
        return {};
    }
}

Qt::ItemFlags CTreeOutlineModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QAbstractItemModel::flags(index);
    if (!index.isValid()) {
        return result;
    }
    result |= Qt::ItemIsDropEnabled;
    if (NodeOf(index) != CHierarchy::GoalNode) {
        result |= Qt::ItemIsDragEnabled;
    }
    return result;
}

Qt::DropActions CTreeOutlineModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

Qt::DropActions CTreeOutlineModel::supportedDragActions() const
{
    return Qt::MoveAction;
}

QStringList CTreeOutlineModel::mimeTypes() const
{
    return {CriterionMimeType};
}

QMimeData* CTreeOutlineModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty() || !Document.IsTree()) {
        return nullptr;
    }
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    stream << static_cast<quint64>(reinterpret_cast<quintptr>(this)) << static_cast<quint32>(NodeOf(indexes.front()));
    auto* data = new QMimeData;
    data->setData(CriterionMimeType, encoded);
    return data;
}

std::optional<std::uint32_t> CTreeOutlineModel::DraggedNode(const QMimeData* data) const
{
    if (data == nullptr || !data->hasFormat(CriterionMimeType) || !Document.IsTree()) {
        return std::nullopt;
    }
    QDataStream stream(data->data(CriterionMimeType));
    quint64 source = 0;
    quint32 node = 0;
    stream >> source >> node;
    if (stream.status() != QDataStream::Ok || source != static_cast<quint64>(reinterpret_cast<quintptr>(this))
        || node == CHierarchy::GoalNode || node >= Document.Tree().NodeCount()) {
        return std::nullopt;
    }
    return node;
}

std::optional<std::pair<std::uint32_t, std::uint32_t>> CTreeOutlineModel::DropPlace(
    const QMimeData* data, int row, const QModelIndex& parent) const
{
    const std::optional<std::uint32_t> node = DraggedNode(data);
    if (!node || !parent.isValid()) {
        return std::nullopt;
    }
    const CHierarchy& tree = Document.Tree();
    const std::uint32_t newParent = NodeOf(parent);
    for (std::uint32_t above = newParent; above != CHierarchy::GoalNode; above = tree.Parents(above).front()) {
        if (above == *node) {
            return std::nullopt;
        }
    }
    const auto count = static_cast<std::uint32_t>(tree.Node(newParent).Children.size());
    const bool sameParent = tree.Parents(*node).front() == newParent;
    // Dropped onto a criterion: its last child.
    std::uint32_t index = row < 0 ? count : std::min(static_cast<std::uint32_t>(row), count);
    // Among its own siblings, the places after it close up once it has left.
    if (sameParent && (row < 0 || static_cast<int>(index) > RowOf(*node))) {
        --index;
    }
    return std::make_pair(newParent, index);
}

bool CTreeOutlineModel::canDropMimeData(
    const QMimeData* data, Qt::DropAction action, int row, int /*column*/, const QModelIndex& parent) const
{
    return action == Qt::MoveAction && DropPlace(data, row, parent).has_value();
}

bool CTreeOutlineModel::dropMimeData(
    const QMimeData* data, Qt::DropAction action, int row, int column, const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent)) {
        return false;
    }
    const std::optional<std::uint32_t> node = DraggedNode(data);
    const auto place = DropPlace(data, row, parent);
    emit MoveRequested(*node, place->first, place->second);
    return true;
}
