#pragma once

#include "core/layout/ElementNavigation.h"

#include <QLabel>

#include <cstdint>

class QMenu;

// The on-screen box of one grid slot. It shows its record's name; the record itself
// (name, comment, judgements) lives in the project model. It takes the keyboard focus
// and tells its owner of the mouse and the keys by signals; where the keys lead is the
// owner's business, since only the owner knows the drawing.
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

    // The mark of an element whose judgements are not consistent enough: a red corner
    // on the box, and the text (its CR and limit) under the name's tooltip and for a
    // screen reader. An empty text takes the mark off.
    void SetWarning(const QString& text);
    [[nodiscard]] const QString& Warning() const { return WarningText; }

    // What Enter does: the element becomes current, then as a double-click.
    void Activate();
    // What Shift+F10 and the Menu key do: the element becomes current and its menu, if
    // it has one, opens under the box with its first command selected.
    void OpenMenuAtBox();

signals:
    // Any mouse button on the box, the keyboard's focus arriving, Enter or a menu key:
    // the element becomes current.
    void Pressed(std::uint32_t position, std::uint32_t level);
    // A left double-click or Enter, after Pressed.
    void DoubleClicked();
    // The focus came or went: the owner draws the focus mark around the box.
    void FocusChanged(bool focused);
    // Tab (forward) and Shift+Tab; the arrow keys.
    void TabPressed(bool forward);
    void ArrowPressed(EArrowKey arrow);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString WarningText;
    std::uint32_t SlotPosition = 0;
    std::uint32_t SlotLevel = 0;
    QMenu* ContextMenu = nullptr;
};
