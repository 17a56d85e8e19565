#pragma once

#include <QAbstractTableModel>
#include <QFont>

#include <cstdint>
#include <functional>
#include <vector>

class CProjectDocument;

// The ratings table of a rated tree, read from the document on demand (no cell of its
// own): a row per alternative; the alternative's name, one column per rated criterion
// (the intensity's name, empty when not rated), then the score, the share and the place
// by score. Qt::UserRole gives what the columns sort by: the name, the intensity's place
// on its scale (not rated last), the figure.
class CRatingTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int NameColumn = 0;
    static constexpr int SortRole = Qt::UserRole;

    explicit CRatingTableModel(const CProjectDocument& document, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The document changed: the same table shape keeps the views' rows, columns and cursor.
    void Refresh();
    // The rated criterion of a column, if it is one.
    [[nodiscard]] bool IsCriterionColumn(int column) const;
    [[nodiscard]] std::uint32_t CriterionNode(int column) const;
    [[nodiscard]] int ColumnOf(std::uint32_t node) const;
    [[nodiscard]] int ScoreColumn() const { return static_cast<int>(Criteria.size()) + 1; }
    [[nodiscard]] int ShareColumn() const { return ScoreColumn() + 1; }
    [[nodiscard]] int PlaceColumn() const { return ScoreColumn() + 2; }
    // Titles longer than their column's room (in pixels of that font) end in an ellipsis
    // (the tooltip keeps the whole name): a header cuts a long title off without one.
    void SetTitleRoom(std::function<int(int column)> room, const QFont& font);
    // The score of an alternative not rated on every criterion, as its cell shows it.
    [[nodiscard]] static QString IncompleteScoreText(const QString& score);

private:
    [[nodiscard]] QString CellText(int row, int column) const;
    [[nodiscard]] QString ColumnTitle(int column) const;

    const CProjectDocument& Document;
    std::vector<std::uint32_t> Criteria;
    // Per alternative its place by score, from 1.
    std::vector<std::uint32_t> Places;
    std::uint32_t Rows = 0;
    std::function<int(int)> TitleRoom;
    QFont TitleFont;
};
