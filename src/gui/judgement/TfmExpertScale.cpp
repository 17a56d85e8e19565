#include "gui/judgement/TfmExpertScale.h"

#include "core/judgement/ExpertScaleTable.h"
#include "gui/widgets/WidgetStyle.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QListWidgetItem>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>

#include <cstdlib>

namespace {
constexpr int ScaleItemHeight = 13;

// Draws each line of the scale in the colour the scale table gives it. The selected
// line keeps a light background and is framed in the selection colour: on the
// usual dark selection brush the blue and silver lines could not be read.
class CExpertScaleDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        const QPalette& palette = option.palette;
        painter->save();
        const QColor mark = palette.color(QPalette::Active, QPalette::Highlight);
        QColor background = palette.color(QPalette::Base);
        if (selected) {
            // A faint tint of the selection colour, light enough to keep the silver line legible.
            constexpr double Tint = 0.08;
            background = QColor::fromRgbF(static_cast<float>(background.redF() * (1 - Tint) + mark.redF() * Tint),
                static_cast<float>(background.greenF() * (1 - Tint) + mark.greenF() * Tint),
                static_cast<float>(background.blueF() * (1 - Tint) + mark.blueF() * Tint));
        }
        painter->fillRect(option.rect, background);
        if (selected) {
            painter->setPen(QPen(mark, 1));
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        const int line = index.row();
        if (line >= 0 && line < ExpertScaleLineCount) {
            painter->setPen(ToQColor(ExpertScaleLines[static_cast<std::size_t>(line)].Colour));
        }
        painter->setFont(option.font);
        const QRect text = option.rect.adjusted(10, 0, 0, 0);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data().toString());
        painter->restore();
    }

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(ScaleItemHeight);
        return size;
    }
};

QLineEdit* MakeObjectEdit(QWidget* parent, const char* name, QRect geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setGeometry(geometry);
    return edit;
}
} // namespace

TfmExpertScale::TfmExpertScale(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("fmExpertScale"));
    // The title stands a space in, as it always has.
    setWindowTitle(QLatin1Char(' ') + tr("Качественная шкала"));
    setModal(true);
    QFont formFont = font();
    formFont.setPixelSize(11);
    setFont(formFont);
    setFixedSize(372, 432);

    // Frames first, so the texts lie over them.
    Bevel4 = MakeBevel(this, "Bevel4", QRect(9, 5, 354, 122));
    Bevel5 = MakeBevel(this, "Bevel5", QRect(9, 134, 354, 282));
    Bevel1 = MakeBevel(this, "Bevel1", QRect(21, 13, 150, 22));
    Bevel2 = MakeBevel(this, "Bevel2", QRect(21, 40, 150, 22));
    Bevel3 = MakeBevel(this, "Bevel3", QRect(46, 71, 281, 20));
    //: The heading of the scale window, one sentence in three lines: the first object's name
    //: stands in a field after the first line (%1), the second's after the second line (%2),
    //: the upper-level object's under the third (%3).
    const QStringList heading
        = HeadingLines(tr("Сравниваем объект  A %1\nс объектом  B %2\nОтносительно объекта верхнего уровня %3"), 3);
    // The first line stands a space in from its frame.
    Label1 = MakeBoldLabel(this, "Label1", QLatin1Char(' ') + heading[0], QPoint(24, 18));
    Label2 = MakeBoldLabel(this, "Label2", heading[1], QPoint(78, 45));
    Label3 = MakeBoldLabel(this, "Label3", heading[2], QPoint(65, 74));
    edObjectA = MakeObjectEdit(this, "edObjectA", QRect(176, 13, 176, 21));
    edObjectB = MakeObjectEdit(this, "edObjectB", QRect(176, 41, 176, 21));
    // Named for a screen reader as the captions before them read.
    edObjectA->setAccessibleName(tr("Сравниваем объект A"));
    edObjectB->setAccessibleName(tr("С объектом B"));

    stUpperLevel = new QLabel(this);
    stUpperLevel->setObjectName(QStringLiteral("stUpperLevel"));
    StyleStaticText(stUpperLevel, false);
    stUpperLevel->setGeometry(117, 98, 140, 20);
    stUpperLevel->show();

    lbExpertScale = new QListWidget(this);
    lbExpertScale->setObjectName(QStringLiteral("lbExpertScale"));
    lbExpertScale->setAccessibleName(tr("Качественная шкала"));
    lbExpertScale->setGeometry(21, 143, 330, 254);
    QFont scaleFont = lbExpertScale->font();
    scaleFont.setPixelSize(12);
    scaleFont.setBold(true);
    scaleFont.setUnderline(true);
    lbExpertScale->setFont(scaleFont);
    lbExpertScale->setUniformItemSizes(true);
    lbExpertScale->setItemDelegate(new CExpertScaleDelegate(lbExpertScale));
    lbExpertScale->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (std::int32_t index = 0; index < ExpertScaleLineCount; ++index) {
        const CExpertScaleLine& line = ExpertScaleLines[static_cast<std::size_t>(index)];
        auto* item = new QListWidgetItem(QString::fromStdString(ExpertScaleLineText(index)), lbExpertScale);
        // A reader hears what the grey and the empty lines stand for, not the same words
        // four times on each side, nor nothing.
        if (line.Value == 0) {
            //: What a screen reader says of an empty line of the scale, which cannot be chosen.
            item->setData(Qt::AccessibleTextRole, tr("Разделитель, не выбирается"));
        } else if (item->text().startsWith(QStringLiteral("<<"))) {
            item->setData(Qt::AccessibleTextRole,
                //: What a screen reader says of a grey line "<<...>>" of the scale: %1 is the
                //: judgement's value, %2 the object it favours ("A" or "B").
                tr("Промежуточное значение %1 в пользу %2")
                    .arg(std::abs(line.Value))
                    .arg(line.Value > 0 ? QStringLiteral("A") : QStringLiteral("B")));
        }
    }
    connect(lbExpertScale, &QListWidget::doubleClicked, this, &TfmExpertScale::lbExpertScaleDblClick);
    // A screen reader chooses a line by selecting it, which leaves the current line, the
    // one "Да" takes, where it was.
    connect(lbExpertScale, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = lbExpertScale->selectedItems();
        if (selected.size() == 1) {
            const int row = lbExpertScale->row(selected.front());
            if (row != lbExpertScale->currentRow() && IsAcceptableScaleLine(row)) {
                lbExpertScale->setCurrentRow(row);
            }
        }
    });
    // The list would step onto the empty lines itself.
    lbExpertScale->installEventFilter(this);

    btOk = new QPushButton(tr("Да"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setGeometry(211, 406, 65, 21);
    btOk->setAutoDefault(false);
    connect(btOk, &QPushButton::clicked, this, &TfmExpertScale::btOkClick);
    btCancel = new QPushButton(tr("Отмена"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    btCancel->setGeometry(278, 406, 65, 21);
    btCancel->setAutoDefault(false);
    connect(btCancel, &QPushButton::clicked, this, &TfmExpertScale::btCancelClick);

    SelectLine(ExpertScaleEqualLine);
}

TfmExpertScale::~TfmExpertScale() = default;

void TfmExpertScale::SetUpperName(const QString& name)
{
    SetFittedText(stUpperLevel, name);
}

void TfmExpertScale::SetObjectA(const QString& name)
{
    edObjectA->setText(QStringLiteral("  ") + name.toUpper());
}

void TfmExpertScale::SetObjectB(const QString& name)
{
    edObjectB->setText(QStringLiteral("  ") + name.toUpper());
}

void TfmExpertScale::SelectLine(std::int32_t line)
{
    lbExpertScale->setCurrentRow(line);
}

std::int32_t TfmExpertScale::ChosenValue() const
{
    return ScaleLineToValue(ChosenLineIndex);
}

void TfmExpertScale::AcceptSelected()
{
    const int selected = lbExpertScale->currentRow();
    // The two empty lines around the equality line stand for no judgement.
    if (!IsAcceptableScaleLine(selected)) {
        return;
    }
    ChosenLineIndex = selected;
    AcceptedFlag = true;
    accept();
}

void TfmExpertScale::lbExpertScaleDblClick()
{
    AcceptSelected();
}

void TfmExpertScale::btOkClick()
{
    AcceptSelected();
}

void TfmExpertScale::btCancelClick()
{
    reject();
}

void TfmExpertScale::reject()
{
    // Escape counts as "Отмена".
    AcceptedFlag = false;
    QDialog::reject();
}

bool TfmExpertScale::ScaleKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        AcceptSelected();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        lbExpertScale->setCurrentRow(NextAcceptableScaleLine(lbExpertScale->currentRow(), key == Qt::Key_Up ? -1 : 1));
        return true;
    default:
        return false;
    }
}

void TfmExpertScale::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (ScaleKey(event->key())) {
            event->accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

bool TfmExpertScale::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lbExpertScale && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if ((key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) && ScaleKey(key->key())) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfmExpertScale::showEvent(QShowEvent* event)
{
    // Centred on the window that opened it (the comparison window).
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : QApplication::activeWindow();
    if (owner != nullptr && owner != this) {
        const QRect frame = frameGeometry();
        move(owner->frameGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    QDialog::showEvent(event);
    // The keys work on the lines at once.
    lbExpertScale->setFocus(Qt::ActiveWindowFocusReason);
}
