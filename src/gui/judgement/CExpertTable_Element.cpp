#include "gui/judgement/CExpertTable_Element.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
// A reader announces a cell as a cell of the comparison table that can be judged, not as
// static text: its press does what Enter does on it (the scale window opens), its focus
// makes it the current cell.
class CJudgementCellAccessible final : public QAccessibleWidget {
public:
    explicit CJudgementCellAccessible(CExpertTable_Element* cell)
        : QAccessibleWidget(cell, QAccessible::Cell)
    {
    }

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            return Cell()->accessibleName().isEmpty() ? Cell()->text() : Cell()->accessibleName();
        }
        return QAccessibleWidget::text(kind);
    }

    [[nodiscard]] QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }

    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            emit Cell()->Pressed(Cell());
            emit Cell()->DoubleClicked(Cell());
        } else if (name == setFocusAction()) {
            emit Cell()->Pressed(Cell());
        }
    }

    [[nodiscard]] QStringList keyBindingsForAction(const QString& name) const override
    {
        return name == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList{};
    }

private:
    [[nodiscard]] CExpertTable_Element* Cell() const { return static_cast<CExpertTable_Element*>(widget()); }
};

QAccessibleInterface* JudgementCellAccessible(const QString& className, QObject* object)
{
    auto* cell = qobject_cast<CExpertTable_Element*>(object);
    return className == QLatin1String("CExpertTable_Element") && cell != nullptr ? new CJudgementCellAccessible(cell)
                                                                                 : nullptr;
}
} // namespace

CExpertTable_Element::CExpertTable_Element(QWidget* parent)
    : QLabel(parent)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&JudgementCellAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    hide();
}

CExpertTable_Element::~CExpertTable_Element() = default;

void CExpertTable_Element::mousePressEvent(QMouseEvent* event)
{
    // Any button makes the cell current.
    emit Pressed(this);
    event->accept();
}

void CExpertTable_Element::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double-click also makes the cell current.
    emit Pressed(this);
    if (event->button() == Qt::LeftButton) {
        emit DoubleClicked(this);
    }
    event->accept();
}

void CExpertTable_Element::contextMenuEvent(QContextMenuEvent* event)
{
    emit ContextMenuAsked(this, event->globalPos());
    event->accept();
}

void CExpertTable_Element::SetCompletedText(const QString& text)
{
    if (Completed != text) {
        Completed = text;
        update();
    }
}

CExpertTable_Element::CCompletedPlaces CExpertTable_Element::CompletedPlaces() const
{
    // The "—" at the top on the left and the value at the bottom on the right, each in a
    // smaller type, their inks one well above the other so that "—" and "3.1" cannot be
    // read as one figure.
    CCompletedPlaces places;
    const QRect room = contentsRect().adjusted(DashIndent, 2, -2, -2);
    places.DashFont = font();
    places.DashFont.setPixelSize(CompletedPixelSize);
    places.ValueFont = font();
    places.ValueFont.setBold(false);
    places.ValueFont.setPixelSize(CompletedPixelSize);
    const QRect dashInk = QFontMetrics(places.DashFont).tightBoundingRect(text());
    const QFontMetrics value(places.ValueFont);
    const QRect valueInk = value.tightBoundingRect(Completed);
    places.DashAt = QPoint(room.left(), room.top() - dashInk.top());
    places.ValueAt = QPoint(room.right() + 1 - value.horizontalAdvance(Completed), room.bottom() - valueInk.bottom());
    places.DashInk = dashInk.translated(places.DashAt);
    places.ValueInk = valueInk.translated(places.ValueAt);
    return places;
}

void CExpertTable_Element::SetCurrent(bool current)
{
    if (Current != current) {
        Current = current;
        update();
    }
}

void CExpertTable_Element::paintEvent(QPaintEvent* event)
{
    if (Completed.isEmpty()) {
        QLabel::paintEvent(event);
    } else {
        // The frame and background only: the text is placed below.
        QFrame::paintEvent(event); // NOLINT(bugprone-parent-virtual-call)
    }
    QPainter painter(this);
    if (!Completed.isEmpty()) {
        const CCompletedPlaces places = CompletedPlaces();
        painter.setFont(places.DashFont);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(places.DashAt, text());
        painter.setFont(places.ValueFont);
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawText(places.ValueAt, Completed);
    }
    if (!Current) {
        return;
    }
    // Over the cell's own border, so the text keeps its room.
    painter.setPen(QPen(palette().color(QPalette::Highlight), FocusFrameWidth));
    const qreal half = FocusFrameWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}
