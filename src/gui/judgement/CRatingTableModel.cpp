#include "gui/judgement/CRatingTableModel.h"

#include "core/document/CProjectDocument.h"
#include "core/results/NumberFormat.h"
#include "gui/widgets/WidgetStyle.h"

#include <QFontMetrics>

namespace {
// Six decimals tell apart the scores of a thousand alternatives and their shares.
constexpr int FigureDecimals = 6;

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QString Figure(double x)
{
    return Text(FormatTruncated(x, FigureDecimals, DecimalSeparator()));
}
} // namespace

CRatingTableModel::CRatingTableModel(const CProjectDocument& document, QObject* parent)
    : QAbstractTableModel(parent)
    , Document(document)
{
    Refresh();
}

int CRatingTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(Rows);
}

int CRatingTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : PlaceColumn() + 1;
}

void CRatingTableModel::Refresh()
{
    const CHierarchy& tree = Document.Tree();
    std::vector<std::uint32_t> criteria = tree.RatedCriteria();
    const std::uint32_t rows = tree.Evaluation() == EAlternativeEvaluation::Ratings ? tree.AlternativeCount() : 0;
    Places.assign(rows, 0);
    if (rows > 0) {
        const std::vector<std::uint32_t>& ranking = Document.RatingResults().Ranking();
        for (std::size_t place = 0; place < ranking.size(); ++place) {
            Places[ranking[place]] = static_cast<std::uint32_t>(place + 1);
        }
    }
    if (criteria == Criteria && rows == Rows) {
        if (rows > 0) {
            emit dataChanged(index(0, 0), index(static_cast<int>(rows) - 1, PlaceColumn()));
        }
        emit headerDataChanged(Qt::Horizontal, 0, PlaceColumn());
        return;
    }
    beginResetModel();
    Criteria = std::move(criteria);
    Rows = rows;
    endResetModel();
}

bool CRatingTableModel::IsCriterionColumn(int column) const
{
    return column > NameColumn && column < ScoreColumn();
}

std::uint32_t CRatingTableModel::CriterionNode(int column) const
{
    return Criteria[static_cast<std::size_t>(column - 1)];
}

int CRatingTableModel::ColumnOf(std::uint32_t node) const
{
    for (std::size_t c = 0; c < Criteria.size(); ++c) {
        if (Criteria[c] == node) {
            return static_cast<int>(c) + 1;
        }
    }
    return -1;
}

QString CRatingTableModel::ColumnTitle(int column) const
{
    if (column == NameColumn) {
        return tr("Альтернатива");
    }
    if (IsCriterionColumn(column)) {
        return Text(Document.Tree().Node(CriterionNode(column)).Name);
    }
    if (column == ScoreColumn()) {
        return tr("Балл");
    }
    return column == ShareColumn() ? tr("Доля") : tr("Место");
}

QString CRatingTableModel::CellText(int row, int column) const
{
    const CHierarchy& tree = Document.Tree();
    const auto a = static_cast<std::size_t>(row);
    if (column == NameColumn) {
        return Text(tree.Alternatives()[a].Name);
    }
    if (IsCriterionColumn(column)) {
        const CHierarchyNode& node = tree.Node(CriterionNode(column));
        const std::int8_t rating = node.Ratings[a];
        return rating == NotRated ? QString()
                                  : Text(tree.Scales()[node.Scale].Intensities[static_cast<std::size_t>(rating)]);
    }
    const CRatingResults& results = Document.RatingResults();
    if (column == ScoreColumn()) {
        const QString score = Figure(results.Scores()[a]);
        return results.Complete(static_cast<std::uint32_t>(row)) ? score : IncompleteScoreText(score);
    }
    if (column == ShareColumn()) {
        return Figure(results.Shares()[a]);
    }
    return QString::number(Places[a]);
}

QVariant CRatingTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(Rows)) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return CellText(row, column);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: {
        if (column == NameColumn) {
            return CellText(row, column);
        }
        QString value = CellText(row, column);
        if (IsCriterionColumn(column) && value.isEmpty()) {
            value = tr("не оценено");
        }
        //: A cell's tooltip, and what a screen reader says of it: the alternative, the column's
        //: title (a criterion, "Балл", ...), the cell's value.
        return tr("%1, %2: %3").arg(CellText(row, NameColumn), ColumnTitle(column), value);
    }
    case SortRole: {
        const auto a = static_cast<std::size_t>(row);
        if (column == NameColumn) {
            return CellText(row, column);
        }
        if (IsCriterionColumn(column)) {
            const std::int8_t rating = Document.Tree().Node(CriterionNode(column)).Ratings[a];
            return rating == NotRated ? 100 : static_cast<int>(rating);
        }
        if (column == ScoreColumn()) {
            return Document.RatingResults().Scores()[a];
        }
        if (column == ShareColumn()) {
            return Document.RatingResults().Shares()[a];
        }
        return Places[a];
    }
    case Qt::TextAlignmentRole:
        return column > NameColumn && !IsCriterionColumn(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                                 : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QString CRatingTableModel::IncompleteScoreText(const QString& score)
{
    return tr("%1 (не все оценки)").arg(score);
}

void CRatingTableModel::SetTitleRoom(std::function<int(int)> room, const QFont& font)
{
    TitleRoom = std::move(room);
    TitleFont = font;
    emit headerDataChanged(Qt::Horizontal, 0, PlaceColumn());
}

QVariant CRatingTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section > PlaceColumn()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole && TitleRoom) {
        return QFontMetrics(TitleFont).elidedText(ColumnTitle(section), Qt::ElideRight, TitleRoom(section));
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) {
        return ColumnTitle(section);
    }
    return {};
}
