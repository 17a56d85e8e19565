#pragma once

#include <QLabel>

#include <cstdint>

class QMenu;

// The on-screen box of one grid slot. It shows its record's name; the record itself
// (name, comment, judgements) lives in the project model. It tells its owner of the
// mouse by signals.
class CHierarchyElementBox final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CHierarchyElementBox)

public:
    CHierarchyElementBox(std::uint32_t position, std::uint32_t level, QWidget* parent);
    ~CHierarchyElementBox() override = default;

    [[nodiscard]] std::uint32_t Position() const { return SlotPosition; }
    [[nodiscard]] std::uint32_t Level() const { return SlotLevel; }

    // The menu of the project's current mode; nullptr for none (the goal).
    void SetContextMenu(QMenu* menu) { ContextMenu = menu; }
    [[nodiscard]] QMenu* CurrentContextMenu() const { return ContextMenu; }

signals:
    // Any mouse button on the box: the element becomes current.
    void Pressed(std::uint32_t position, std::uint32_t level);
    // A left double-click, after Pressed.
    void DoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::uint32_t SlotPosition = 0;
    std::uint32_t SlotLevel = 0;
    QMenu* ContextMenu = nullptr;
};
