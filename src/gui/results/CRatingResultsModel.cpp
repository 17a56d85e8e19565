#include "gui/results/CRatingResultsModel.h"

#include "core/model/CHierarchy.h"
#include "core/results/CRatingResults.h"
#include "gui/widgets/WidgetStyle.h"

CRatingResultsModel::CRatingResultsModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    setObjectName(QStringLiteral("RatingResultsModel"));
}

CRatingResultsModel::~CRatingResultsModel() = default;

void CRatingResultsModel::Fill(const CHierarchy& hierarchy, const CRatingResults& results)
{
    beginResetModel();
    const std::uint32_t m = hierarchy.AlternativeCount();
    Names.clear();
    Names.reserve(static_cast<qsizetype>(m));
    for (const CAlternative& alternative : hierarchy.Alternatives()) {
        Names.push_back(QString::fromStdString(alternative.Name));
    }
    Scores = results.Scores();
    Shares = results.Shares();
    Complete.assign(m, true);
    for (std::uint32_t a = 0; a < m && a < results.NotRatedCounts().size(); ++a) {
        Complete[a] = results.Complete(a);
    }
    Ranking = results.Ranking();
    endResetModel();
}

int CRatingResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(Ranking.size());
}

int CRatingResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CRatingResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= Ranking.size()) {
        return {};
    }
    const std::uint32_t a = Ranking[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() != NameColumn && index.column() != MarkColumn;
        return QVariant::fromValue(Qt::Alignment(number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    switch (index.column()) {
    case PlaceColumn:
        return QString::number(index.row() + 1);
    case NameColumn:
        return a < Names.size() ? Names[a] : QString();
    case ScoreColumn:
        return a < Scores.size() ? TruncatedText(Scores[a], 4) : QString();
    case ShareColumn:
        return a < Shares.size() ? TruncatedText(Shares[a], 4) : QString();
    case MarkColumn:
        return a < Complete.size() && !Complete[a] ? tr("не все оценки") : QString();
    default:
        return {};
    }
}

QVariant CRatingResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const char* const captions[ColumnCount] = {QT_TR_NOOP("Место"), QT_TR_NOOP("Альтернатива"),
        QT_TR_NOOP("Оценка"), QT_TR_NOOP("Доля"), QT_TR_NOOP("Примечание")};
    return section >= 0 && section < ColumnCount ? tr(captions[section]) : QVariant();
}
