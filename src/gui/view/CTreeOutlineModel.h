#pragma once

#include <QAbstractItemModel>

#include <cstdint>
#include <optional>
#include <set>
#include <utility>

class CProjectDocument;

// The outline of a tree project: the goal at the root, every criterion under its parent
// with its local and global priority and the consistency of its own judgements. Every
// figure is read from the document's results; an edit renumbers nodes, so the window
// reloads the whole outline after each one. A criterion dragged onto another place is
// asked for, never moved here: the window makes the move as one undo step.
class CTreeOutlineModel final : public QAbstractItemModel {
    Q_OBJECT

public:
    enum EColumn : std::uint8_t { NameColumn, LocalColumn, GlobalColumn, ConsistencyColumn, ColumnCount };

    explicit CTreeOutlineModel(const CProjectDocument& document, QObject* parent = nullptr);

    // The document's tree changed: everything is read again.
    void Reload();
    [[nodiscard]] QModelIndex IndexOfNode(std::uint32_t node, int column = NameColumn) const;
    [[nodiscard]] static std::uint32_t NodeOf(const QModelIndex& index);

    [[nodiscard]] QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QModelIndex parent(const QModelIndex& child) const override;
    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    [[nodiscard]] Qt::DropActions supportedDropActions() const override;
    [[nodiscard]] Qt::DropActions supportedDragActions() const override;
    [[nodiscard]] QStringList mimeTypes() const override;
    [[nodiscard]] QMimeData* mimeData(const QModelIndexList& indexes) const override;
    [[nodiscard]] bool canDropMimeData(
        const QMimeData* data, Qt::DropAction action, int row, int column, const QModelIndex& parent) const override;
    bool dropMimeData(
        const QMimeData* data, Qt::DropAction action, int row, int column, const QModelIndex& parent) override;

signals:
    // A criterion dropped to be the child at index of newParent, counted as the children
    // are once it has left its place.
    void MoveRequested(std::uint32_t node, std::uint32_t newParent, std::uint32_t index);

private:
    // The node's place among its parent's children (0 for the goal).
    [[nodiscard]] int RowOf(std::uint32_t node) const;
    // A rated criterion's alternatives are not compared: its scale stands in the place of
    // its consistency.
    [[nodiscard]] QString ConsistencyText(std::uint32_t node) const;
    [[nodiscard]] QString ScaleText(std::uint32_t node) const;
    // What a screen reader says of a node: name, level, local and global priority, and
    // the state of its own judgements.
    [[nodiscard]] QString AccessibleText(std::uint32_t node, int row) const;
    // The criterion a drag of this outline carries, if the data is one; a drag from
    // another window names a criterion of another tree.
    [[nodiscard]] std::optional<std::uint32_t> DraggedNode(const QMimeData* data) const;
    // Where a drop puts the dragged node: its new parent and its place there; none where
    // it cannot go (onto the goal's level, or into its own subtree).
    [[nodiscard]] std::optional<std::pair<std::uint32_t, std::uint32_t>> DropPlace(
        const QMimeData* data, int row, const QModelIndex& parent) const;

    const CProjectDocument& Document;
    // The nodes whose judgements are not acceptable, found once per reload.
    std::set<std::uint32_t> Unacceptable;
};
