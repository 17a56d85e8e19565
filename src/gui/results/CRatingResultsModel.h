#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <cstdint>
#include <vector>

class CHierarchy;
class CRatingResults;

// A rated tree's alternatives as the results view lists them: by place (the ranking by
// score), each with its score, its share and the mark of cells not rated. A view over
// copies of the figures, so a thousand rows cost only what is on screen.
class CRatingResultsModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CRatingResultsModel)

public:
    enum EColumn { PlaceColumn, NameColumn, ScoreColumn, ShareColumn, MarkColumn, ColumnCount };

    explicit CRatingResultsModel(QObject* parent = nullptr);
    ~CRatingResultsModel() override;

    void Fill(const CHierarchy& hierarchy, const CRatingResults& results);

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList Names;
    std::vector<double> Scores;
    std::vector<double> Shares;
    std::vector<bool> Complete;
    std::vector<std::uint32_t> Ranking;
};
