#include "gui/view/CHierarchyElementBox.h"

#include "core/layout/LayoutGeometry.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

#include <array>

namespace {
constexpr int BoxFontPointSize = 10;
// The warning mark: a red line inside the box's frame and a red triangle in its top
// right corner.
constexpr int WarningMarkSize = 11;
constexpr QRgb WarningMarkColour = 0xd01010;

// A reader announces a box as what it is to the user: a named element that takes the
// focus, acts on Enter and has a menu, not as static text.
class CElementBoxAccessible final : public QAccessibleWidget {
public:
    explicit CElementBoxAccessible(CHierarchyElementBox* box)
        : QAccessibleWidget(box, QAccessible::Button)
    {
    }

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            return Box()->accessibleName().isEmpty() ? Box()->text() : Box()->accessibleName();
        case QAccessible::Description:
            // Not the tooltip: a shrunk name carries itself there and would be read twice.
            return Box()->accessibleDescription();
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State current = QAccessibleWidget::state();
        current.hasPopup = Box()->CurrentContextMenu() != nullptr;
        return current;
    }

    [[nodiscard]] QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        names.prepend(pressAction());
        if (Box()->CurrentContextMenu() != nullptr) {
            names.append(showMenuAction());
        }
        return names;
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            Box()->Activate();
        } else if (name == showMenuAction()) {
            Box()->OpenMenuAtBox();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

    [[nodiscard]] QStringList keyBindingsForAction(const QString& name) const override
    {
        if (name == pressAction()) {
            return {QStringLiteral("Return")};
        }
        if (name == showMenuAction()) {
            return {QStringLiteral("Shift+F10"), QStringLiteral("Menu")};
        }
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    [[nodiscard]] CHierarchyElementBox* Box() const { return static_cast<CHierarchyElementBox*>(widget()); }
};

QAccessibleInterface* ElementBoxAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(CHierarchyElementBox::staticMetaObject.className()) && object->isWidgetType()) {
        return new CElementBoxAccessible(static_cast<CHierarchyElementBox*>(object));
    }
    return nullptr;
}

bool Unmodified(const QKeyEvent* event)
{
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
} // namespace

CHierarchyElementBox::CHierarchyElementBox(std::uint32_t position, std::uint32_t level, QWidget* parent)
    : QLabel(parent)
    , SlotPosition(position)
    , SlotLevel(level)
{
    // The style never changes, so it is set once rather than on every layout.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    // Its own white, not the canvas's grey, which a child takes over unless told otherwise.
    setBackgroundRole(QPalette::Window);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    QFont boxFont = font();
    boxFont.setPointSize(BoxFontPointSize);
    setFont(boxFont);
    setTextFormat(Qt::PlainText);
    // Its size never changes; names are fitted to it.
    resize(position == 0 && level == 0 ? GoalBoxWidth : ElementBoxWidth, ElementBoxHeight);
    // Tab, the arrows and a click all bring the keyboard here.
    setFocusPolicy(Qt::StrongFocus);
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&ElementBoxAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    hide();
}

void CHierarchyElementBox::Activate()
{
    const QPointer<CHierarchyElementBox> alive(this);
    emit Pressed(SlotPosition, SlotLevel);
    if (alive) {
        emit DoubleClicked();
    }
}

void CHierarchyElementBox::OpenMenuAtBox()
{
    const QPointer<CHierarchyElementBox> alive(this);
    emit Pressed(SlotPosition, SlotLevel);
    if (!alive || ContextMenu == nullptr) {
        return;
    }
    // Under the box, where the eye already is, rather than at the mouse.
    ContextMenu->popup(mapToGlobal(QPoint(0, height())));
    // A reader announces the selected command; the arrows start from it.
    for (QAction* action : ContextMenu->actions()) {
        if (!action->isSeparator() && action->isEnabled()) {
            ContextMenu->setActiveAction(action);
            break;
        }
    }
}

void CHierarchyElementBox::SetWarning(const QString& text)
{
    if (text == WarningText) {
        return;
    }
    WarningText = text;
    setAccessibleDescription(text);
    update();
}

void CHierarchyElementBox::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (WarningText.isEmpty()) {
        return;
    }
    QPainter painter(this);
    const QRect inside = contentsRect();
    // A red line just inside the frame (the name keeps its padding clear of it) and a
    // red corner.
    painter.setPen(QColor(WarningMarkColour));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inside.adjusted(0, 0, -1, -1));
    const QPoint corner = inside.topRight();
    const std::array<QPoint, 3> triangle{
        corner - QPoint(WarningMarkSize - 1, 0), corner, corner + QPoint(0, WarningMarkSize - 1)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(WarningMarkColour));
    painter.drawPolygon(triangle.data(), static_cast<int>(triangle.size()));
}

bool CHierarchyElementBox::event(QEvent* event)
{
    // The warning joins whatever the tooltip says (a shrunk name carries itself there).
    if (event->type() == QEvent::ToolTip && !WarningText.isEmpty()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(
            help->globalPos(), toolTip().isEmpty() ? WarningText : toolTip() + QLatin1Char('\n') + WarningText, this);
        return true;
    }
    // Tab would walk Qt's chain, which follows the order the boxes were made in, not
    // the drawing; the owner walks the drawing instead.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
            event->accept();
            emit TabPressed(key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier) == 0);
            return true;
        }
    }
    return QLabel::event(event);
}

void CHierarchyElementBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (Unmodified(event)
        && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right)) {
        // Accepted even at the end of a level, so the scroll area does not take the key.
        event->accept();
        emit ArrowPressed(key == Qt::Key_Up ? EArrowKey::Up
                : key == Qt::Key_Down       ? EArrowKey::Down
                : key == Qt::Key_Left       ? EArrowKey::Left
                                            : EArrowKey::Right);
        return;
    }
    if (Unmodified(event) && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        Activate();
        return;
    }
    if ((Unmodified(event) && key == Qt::Key_Menu) || (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        event->accept();
        OpenMenuAtBox();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CHierarchyElementBox::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    const QPointer<CHierarchyElementBox> alive(this);
    emit Pressed(SlotPosition, SlotLevel);
    if (alive) {
        emit FocusChanged(true);
    }
}

void CHierarchyElementBox::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    emit FocusChanged(false);
}

void CHierarchyElementBox::mousePressEvent(QMouseEvent* event)
{
    // Any button makes the element current, so the menu and the double-click act on it.
    const QPointer<CHierarchyElementBox> alive(this);
    emit Pressed(SlotPosition, SlotLevel);
    if (alive) {
        event->accept();
    }
}

void CHierarchyElementBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The owner may close its window on either signal (the fatal model error).
    const QPointer<CHierarchyElementBox> alive(this);
    emit Pressed(SlotPosition, SlotLevel);
    if (alive && event->button() == Qt::LeftButton) {
        emit DoubleClicked();
    }
    if (alive) {
        event->accept();
    }
}

void CHierarchyElementBox::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    if (ContextMenu == nullptr || ContextMenu->isVisible()) {
        // Visible already: the platform follows the Menu key with a menu event of its own.
        return;
    }
    if (event->reason() == QContextMenuEvent::Keyboard) {
        OpenMenuAtBox();
    } else {
        ContextMenu->popup(event->globalPos());
    }
}
