#pragma once

#include <QAbstractItemModel>

#include <cstdint>
#include <set>

class CProjectDocument;

// The outline of a tree project: the goal at the root, every criterion under its parent
// with its local and global priority and the consistency of its own judgements. Every
// figure is read from the document's results; an edit renumbers nodes, so the window
// reloads the whole outline after each one.
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

private:
    // The node's place among its parent's children (0 for the goal).
    [[nodiscard]] int RowOf(std::uint32_t node) const;
    [[nodiscard]] QString ConsistencyText(std::uint32_t node) const;
    // What a screen reader says of a node: name, level, local and global priority, and
    // the state of its own judgements.
    [[nodiscard]] QString AccessibleText(std::uint32_t node, int row) const;

    const CProjectDocument& Document;
    // The nodes whose judgements are not acceptable, found once per reload.
    std::set<std::uint32_t> Unacceptable;
};
