#include "gui/judgement/TfmExpertForm.h"

#include "core/document/CProjectDocument.h"
#include "core/judgement/ExpertScaleTable.h"
#include "core/results/IncompleteJudgementsText.h"
#include "core/results/NumberFormat.h"
#include "core/results/ReportContent.h"
#include "gui/judgement/CExpertTable_Element.h"
#include "gui/judgement/CWideExpertTable.h"
#include "gui/judgement/TfmExpertScale.h"
#include "gui/results/TfmAbsoluteMatrix.h"
#include "gui/widgets/WidgetStyle.h"

#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {
constexpr int TableTop = 90;
constexpr int RowStep = 22;
// The judged object's field and the frame round the heading.
constexpr int ObjectNameWidth = 120;
constexpr int ObjectBevelWidth = 244;
// The wide table's scroll area: its top leaves the heading as the nine's table does.
constexpr int WideTableTop = TableTop - 20;
// What the measures and buttons take under the table, without the pairs' line.
constexpr int BelowTable = 102;
// The window's frame and title where the platform has not shown them yet.
constexpr int FrameAllowanceWidth = 16;
constexpr int FrameAllowanceHeight = 40;
// A names' column is never narrower than the nine's table has it.
constexpr int NarrowestNames = 110;

// A pair left out, after Apply: whether the completed matrix gives it a value, and which.
template <std::uint32_t Capacity>
bool CompletedValue(const TMatrixPriorities<Capacity>& shown, std::uint32_t r, std::uint32_t c, double& value)
{
    if (shown.Basis != EPrioritiesBasis::LeastSquares || shown.Graph.Judged(r, c)) {
        return false;
    }
    value = shown.Completed[r][c];
    return true;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    if (bold) {
        StyleBoldLabel(label);
    } else {
        label->adjustSize();
    }
    return label;
}

QLabel* MakeValueText(QWidget* parent, const char* name)
{
    auto* text = new QLabel(QStringLiteral("Null"), parent);
    text->setObjectName(QString::fromLatin1(name));
    StyleStaticText(text, false);
    text->resize(50, 18);
    return text;
}

// "СЗ:", "ИС:", "ОС:" over the measures' values.
QString MeasureCaption(const std::string& term)
{
    return QString::fromStdString(term) + QLatin1Char(':');
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int width)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->resize(width, 21);
    button->setAutoDefault(false);
    // The table keeps the keyboard: Space and Tab belong to the current cell.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
} // namespace

TfmExpertForm::TfmExpertForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("fmExpertForm"));
    setWindowTitle(tr("Работа эксперта"));
    setModal(true);
    setFocusPolicy(Qt::StrongFocus);
    QFont formFont = font();
    formFont.setPixelSize(11);
    setFont(formFont);

    bvMainObjectBevel = new QFrame(this);
    bvMainObjectBevel->setObjectName(QStringLiteral("bvMainObjectBevel"));
    bvMainObjectBevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bvMainObjectBevel->resize(ObjectBevelWidth, 61);
    //: The heading over the table, in two centred lines with the judged object's name in a
    //: field under them (%1 marks it; it always stands under the second line).
    const QStringList heading = HeadingLines(tr("Производим попарные сравнения\nотносительно объекта %1"), 2);
    // Each line ends in a space, as the heading has always been laid out.
    lbText_1 = MakeLabel(this, "lbText_1", heading[0] + QLatin1Char(' '), true);
    lbText_2 = MakeLabel(this, "lbText_2", heading[1] + QLatin1Char(' '), true);
    stMainObjectName = MakeValueText(this, "stMainObjectName");
    stMainObjectName->setText(tr("Имя объекта"));
    stMainObjectName->resize(ObjectNameWidth, 20);

    lbPriority = MakeLabel(this, "lbPriority", tr("Приоритет"), true);
    lbOwnerValue = MakeLabel(this, "lbOwnerValue", MeasureCaption(Tr(LambdaMaxTerm)), true);
    lbIS = MakeLabel(this, "lbIS", MeasureCaption(Tr(ConsistencyIndexTerm)), true);
    lbOS = MakeLabel(this, "lbOS", MeasureCaption(Tr(ConsistencyRatioTerm)), true);
    for (QLabel* label : {lbPriority, lbOwnerValue, lbIS, lbOS}) {
        label->hide();
    }
    stOwnerValue = MakeValueText(this, "stOwnerValue");
    stIS = MakeValueText(this, "stIS");
    stOS = MakeValueText(this, "stOS");

    btApply = MakeButton(this, "btApply", tr("Применить"), 70);
    btOk = MakeButton(this, "btOk", tr("Закрыть"), 70);
    btCancel = MakeButton(this, "btCancel", tr("Отмена"), 70);
    btResearch = MakeButton(this, "btResearch", tr("Исследовать"), 80);
    connect(btApply, &QPushButton::clicked, this, &TfmExpertForm::btApplyClick);
    connect(btOk, &QPushButton::clicked, this, &TfmExpertForm::btOkClick);
    connect(btCancel, &QPushButton::clicked, this, &TfmExpertForm::btCancelClick);
    connect(btResearch, &QPushButton::clicked, this, &TfmExpertForm::btResearchClick);

    CreateTable();
    lbJudgedPairs = new QLabel(this);
    lbJudgedPairs->setObjectName(QStringLiteral("lbJudgedPairs"));
    lbJudgedPairs->setWordWrap(true);
    lbJudgedPairs->hide();
    mnCell = new QMenu(this);
    mnCell->setObjectName(QStringLiteral("mnCell"));
    mnNotCompare = mnCell->addAction(tr("Не сравнивать"));
    mnNotCompare->setObjectName(QStringLiteral("mnNotCompare"));
    connect(mnNotCompare, &QAction::triggered, this, &TfmExpertForm::LeaveOutCurrentCell);
    CreateShortcuts();
    // The size of the smallest table until the first showing sizes the window.
    setFixedSize(325, 234);
}

TfmExpertForm::~TfmExpertForm() = default;

void TfmExpertForm::CreateTable()
{
    for (std::uint32_t r = 0; r < MaxElementsPerLevel; ++r) {
        const int top = TableTop + RowStep * static_cast<int>(r);
        auto* name = new QLabel(this);
        name->setObjectName(QStringLiteral("RowNameLabel_%1").arg(r));
        StyleStaticText(name, false);
        name->setGeometry(25, top, 110, 20);
        RowNameLabels[r] = name;

        auto* priority = new QLabel(this);
        priority->setObjectName(QStringLiteral("PriorityLabel_%1").arg(r));
        StyleStaticText(priority, false);
        priority->resize(80, 20);
        PriorityLabels[r] = priority;

        for (std::uint32_t c = 0; c < MaxElementsPerLevel; ++c) {
            auto* cell = new CExpertTable_Element(this);
            cell->setObjectName(QStringLiteral("Cell_%1_%2").arg(r).arg(c));
            StyleStaticText(cell, true);
            cell->setGeometry(138 + 32 * static_cast<int>(c), top, 30, 20);
            if (r == c) {
                QPalette palette = cell->palette();
                palette.setColor(QPalette::WindowText, ToQColor(clGray));
                cell->setPalette(palette);
            }
            cell->Row = r;
            cell->Column = c;
            cell->setText(QStringLiteral("1"));
            connect(cell, &CExpertTable_Element::Pressed, this, &TfmExpertForm::CellPress);
            connect(cell, &CExpertTable_Element::DoubleClicked, this, &TfmExpertForm::CellDoubleClick);
            connect(cell, &CExpertTable_Element::ContextMenuAsked, this, &TfmExpertForm::CellContextMenu);
            Cells[r][c] = cell;
        }
    }
}

bool TfmExpertForm::Wide() const
{
    return Judging.Order() > MaxElementsPerLevel && WideTable != nullptr;
}

CExpertTable_Element* TfmExpertForm::Cell(std::uint32_t r, std::uint32_t c) const
{
    return Wide() ? WideTable->Cells[r][c] : Cells[r][c];
}

QLabel* TfmExpertForm::PriorityLabel(std::uint32_t k) const
{
    return Wide() ? WideTable->Priorities[k] : PriorityLabels[k];
}

QRect TfmExpertForm::AvailableScreen() const
{
    const QWidget* main = Owner != nullptr ? Owner->window() : nullptr;
    const QScreen* shown = main != nullptr ? main->screen() : screen();
    return shown != nullptr ? shown->availableGeometry() : QRect(0, 0, 1024, 768);
}

void TfmExpertForm::ArrangeWideTable()
{
    if (WideTable == nullptr) {
        sbWideTable = new QScrollArea(this);
        sbWideTable->setObjectName(QStringLiteral("sbWideTable"));
        sbWideTable->setFrameShape(QFrame::NoFrame);
        // The window keeps the keyboard: the arrows move the current cell, not the view.
        sbWideTable->setFocusPolicy(Qt::NoFocus);
        sbWideTable->hide();
        WideTable = new CWideExpertTable;
        for (const auto& row : WideTable->Cells) {
            for (CExpertTable_Element* cell : row) {
                connect(cell, &CExpertTable_Element::Pressed, this, &TfmExpertForm::CellPress);
                connect(cell, &CExpertTable_Element::DoubleClicked, this, &TfmExpertForm::CellDoubleClick);
                connect(cell, &CExpertTable_Element::ContextMenuAsked, this, &TfmExpertForm::CellContextMenu);
            }
        }
        sbWideTable->setWidget(WideTable);
    }
    const std::uint32_t n = Judging.Order();
    int widest = NarrowestNames;
    for (std::uint32_t k = 0; k < n; ++k) {
        widest = std::max(widest, WideTable->NameWidth(QString::fromStdString(Judging.ComparedName(k))));
    }
    // The names whole where the screen leaves room beside the cells and priorities (and a
    // vertical scroll bar when the rows need one), shortened otherwise.
    const QRect screen = AvailableScreen();
    const bool down
        = CWideExpertTable::HeightFor(n) > screen.height() - FrameAllowanceHeight - WideTableTop - BelowTable;
    const int room = screen.width() - FrameAllowanceWidth - CWideExpertTable::WidthFor(n, 0)
        - (down ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
    WideTable->Arrange(n, std::min(widest, std::max(room, NarrowestNames)));
}

void TfmExpertForm::CreateShortcuts()
{
    // Window shortcuts: they act whichever cell is current, while the buttons stay out
    // of the keyboard's way so that Tab keeps walking the cells.
    const auto addShortcut = [this](const QString& name, const QList<QKeySequence>& keys, auto handler) {
        auto* shortcut = new QAction(this);
        shortcut->setObjectName(name);
        shortcut->setShortcuts(keys);
        addAction(shortcut);
        connect(shortcut, &QAction::triggered, this, handler);
    };
    const std::pair<QPushButton*, QKeySequence> keys[] = {
        {btApply, QKeySequence(Qt::CTRL | Qt::Key_Return)},
        {btResearch, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {btOk, QKeySequence(Qt::CTRL | Qt::Key_W)},
        {btCancel, QKeySequence(Qt::Key_Escape)},
    };
    for (const auto& [button, key] : keys) {
        button->setToolTip(QStringLiteral("%1 (%2)").arg(button->text(), key.toString(QKeySequence::NativeText)));
        // Escape is the dialog's own key for "Отмена".
        if (button != btCancel) {
            // A disabled button ("Исследовать" while its window is open) ignores its key too.
            // Named apart from the binding: clang before 16 cannot capture a structured binding.
            QPushButton* pressed = button;
            addShortcut(QStringLiteral("ac") + button->objectName().mid(2), {key}, [pressed] { pressed->click(); });
        }
    }
    // The keypad's Enter applies too; Ctrl+R while the research window is open takes the
    // keyboard there instead of doing nothing.
    findChild<QAction*>(QStringLiteral("acApply"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    QAction* research = findChild<QAction*>(QStringLiteral("acResearch"));
    disconnect(research, &QAction::triggered, nullptr, nullptr);
    connect(research, &QAction::triggered, this, &TfmExpertForm::ResearchKey);
    addShortcut(QStringLiteral("acUndoChange"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, [this] { UndoChange(); });
    addShortcut(QStringLiteral("acRedoChange"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}, [this] { RedoChange(); });
}

void TfmExpertForm::SetPartnerWindows(TfmExpertScale* scale, TfmAbsoluteMatrix* research)
{
    ScaleWindow = scale;
    ResearchWindow = research;
    if (research != nullptr) {
        connect(research, &TfmAbsoluteMatrix::SuggestionAccepted, this, &TfmExpertForm::AcceptSuggestion,
            Qt::UniqueConnection);
        connect(this, &TfmExpertForm::JudgingChanged, research, &TfmAbsoluteMatrix::ShowWorking, Qt::UniqueConnection);
    }
}

void TfmExpertForm::JudgeElement(
    CProjectDocument& document, std::uint32_t position, std::uint32_t level, QWidget* owner)
{
    if (Judging.Open(document, position, level)) {
        RunJudging(owner);
    }
}

bool TfmExpertForm::JudgeNode(CProjectDocument& document, std::uint32_t node, QWidget* owner)
{
    if (!document.IsTree() || node >= document.Tree().NodeCount()
        || document.Tree().ComparedCount(node) > MaxMatrixOrder || !Judging.OpenNode(document, node)) {
        return false;
    }
    RunJudging(owner);
    return true;
}

bool TfmExpertForm::JudgeScale(CProjectDocument& document, std::uint32_t scale, QWidget* owner)
{
    if (!Judging.OpenScale(document, scale)) {
        return false;
    }
    RunJudging(owner);
    return true;
}

void TfmExpertForm::RunJudging(QWidget* owner)
{
    Owner = owner;
    const std::uint32_t n = Judging.Order();
    if (n > MaxElementsPerLevel) {
        ArrangeWideTable();
    }
    ShowCells();
    ShowCurrentCell();
    for (std::uint32_t k = 0; k < n; ++k) {
        const QString name = QString::fromStdString(Judging.ComparedName(k));
        if (Wide()) {
            WideTable->SetName(k, name);
        } else {
            SetFittedText(RowNameLabels[k], name);
        }
    }
    const QString judged = QString::fromStdString(Judging.JudgedName());
    // Over a wide table the judged criterion's name has room to be read whole.
    const int nameWidth = !Wide() ? ObjectNameWidth
                                  : std::clamp(stMainObjectName->fontMetrics().horizontalAdvance(judged) + 16,
                                      ObjectNameWidth, std::max(ObjectNameWidth, WideTable->width() - 120));
    stMainObjectName->resize(nameWidth, stMainObjectName->height());
    bvMainObjectBevel->resize(nameWidth + ObjectBevelWidth - ObjectNameWidth, bvMainObjectBevel->height());
    SetFittedText(stMainObjectName, judged);
    ShowMeasures();

    exec();

    // Whatever button closed the window, the judgements entered stay in the element.
    Judging.Close();
    // A research window left open offers nothing more: the judging its suggestions
    // belong to has ended.
    emit JudgingChanged(Judging);
}

void TfmExpertForm::ShowCells()
{
    const std::uint32_t n = Judging.Order();
    for (std::uint32_t r = 0; r < n; ++r) {
        for (std::uint32_t c = 0; c < n; ++c) {
            SetCellText(r, c);
        }
    }
}

void TfmExpertForm::SetCellText(std::uint32_t r, std::uint32_t c)
{
    const bool leftOut = Judging.IsLeftOut(r, c);
    // A typed '/' waits for its digit in the current cell, where the digit will go.
    const bool pending = Judging.ReciprocalTyped() && r == Judging.CurrentRow() && c == Judging.CurrentColumn();
    const QString text = pending
        ? QStringLiteral("1/")
        : QString::fromUtf8(leftOut ? std::string(NotJudgedCellText) : JudgementText(Judging.Judgement(r, c)));
    // After Apply, a pair still left out shows what the completed matrix makes of it.
    double value = 0.0;
    const bool completed = leftOut && !pending
        && (Wide() ? CompletedValue(Judging.ShownWideMatrix(), r, c, value)
                   : CompletedValue(Judging.ShownMatrix(), r, c, value));
    CExpertTable_Element* cell = Cell(r, c);
    cell->setText(text);
    cell->SetCompletedText(completed ? TruncatedText(value, 2) : QString());
    cell->setToolTip(completed ? tr("не задано; по дополненной матрице %1").arg(TruncatedText(value, 4))
            : leftOut ? tr("не задано")
                      : QString());
    // A screen reader hears which pair the number judges.
    cell->setAccessibleName(QStringLiteral("%1 / %2: %3")
                                .arg(QString::fromStdString(Judging.ComparedName(r)),
                                    QString::fromStdString(Judging.ComparedName(c)), text));
}

void TfmExpertForm::ShowMeasures()
{
    const TDesicionLevelData& shown = Judging.Shown();
    // Judgements that do not connect the elements leave nothing to show.
    const bool none = Wide() ? !Judging.ShownWideMatrix().HasPriorities() : !Judging.ShownMatrix().HasPriorities();
    const auto shownText
        = [none](double x) { return none ? QString::fromUtf8(NotJudgedCellText) : TruncatedText(x, 4); };
    // A large lambda-max ("29.5714") is shown whole in smaller type.
    SetFittedText(stOwnerValue, shownText(shown.LambdaMax));
    SetFittedText(stIS, shownText(shown.CI));
    SetFittedText(stOS, shownText(shown.CR));
    const bool completed
        = (Wide() ? Judging.ShownWideMatrix().Basis : Judging.ShownMatrix().Basis) == EPrioritiesBasis::LeastSquares;
    const QString ratioTip = completed ? QString::fromStdString(Tr(CompletedRatioTerm)) : QString();
    lbOS->setToolTip(ratioTip);
    stOS->setToolTip(ratioTip);
    for (std::uint32_t k = 0; k < Judging.Order(); ++k) {
        // The nine's figures as the layered window has always shown them; a wide matrix's all.
        PriorityLabel(k)->setText(shownText(Wide() ? Judging.ShownResult().Local[k] : shown.Priority[k]));
    }
    // The grey completed values follow the applied matrix.
    ShowCells();
    ShowJudgedPairs();
}

void TfmExpertForm::ShowJudgedPairs()
{
    const std::uint32_t n = Judging.Order();
    const bool wide = Wide();
    const CComparisonGraph graph = wide ? CComparisonGraph{} : BuildComparisonGraph(Judging.Working(), n);
    const CWideComparisonGraph wideGraph
        = wide ? BuildWideComparisonGraph(Judging.Working(), n) : CWideComparisonGraph{};
    QString text;
    if (n >= 2 && !(wide ? wideGraph.Complete() : graph.Complete())) {
        std::vector<std::string> names;
        for (std::uint32_t k = 0; k < n; ++k) {
            names.push_back(Judging.ComparedName(k));
        }
        std::string line = wide ? JudgedPairsText(wideGraph, names) : JudgedPairsText(graph, names);
        if ((wide ? Judging.ShownWideMatrix().Basis : Judging.ShownMatrix().Basis) == EPrioritiesBasis::LeastSquares) {
            line += std::string("; ") + Tr(CompletedRatioTerm) + ": " + FormatTruncated(Judging.Shown().CR, 4);
        }
        text = QString::fromStdString(line);
    }
    const bool wasShown = !lbJudgedPairs->text().isEmpty();
    lbJudgedPairs->setText(text);
    // The line may come, go, or wrap to another height.
    if (isVisible() && (wasShown || !text.isEmpty())) {
        if (Wide()) {
            PlaceWideControls();
        } else {
            PlaceControls();
        }
    }
}

void TfmExpertForm::LeaveOutCurrentCell()
{
    const std::uint32_t r = Judging.CurrentRow();
    const std::uint32_t c = Judging.CurrentColumn();
    if (Judging.ClearJudgement(r, c)) {
        ShowWorkingChange(r, c);
    }
}

void TfmExpertForm::CellContextMenu(CExpertTable_Element* cell, const QPoint& globalPosition)
{
    CellPress(cell);
    // The diagonal compares an element with itself: there is nothing to leave out.
    mnNotCompare->setEnabled(cell->Row != cell->Column && !Judging.IsLeftOut(cell->Row, cell->Column));
    mnCell->popup(globalPosition);
}

void TfmExpertForm::ShowCurrentCell()
{
    if (Wide()) {
        const std::uint32_t n = Judging.Order();
        for (std::uint32_t r = 0; r < n; ++r) {
            for (std::uint32_t c = 0; c < n; ++c) {
                WideTable->Cells[r][c]->SetCurrent(r == Judging.CurrentRow() && c == Judging.CurrentColumn());
            }
        }
        // The keyboard's cell stays in sight, with a cell's room around it.
        sbWideTable->ensureWidgetVisible(
            Cell(Judging.CurrentRow(), Judging.CurrentColumn()), CWideExpertTable::CellStep, CWideExpertTable::RowStep);
        return;
    }
    for (std::uint32_t r = 0; r < MaxElementsPerLevel; ++r) {
        for (std::uint32_t c = 0; c < MaxElementsPerLevel; ++c) {
            Cells[r][c]->SetCurrent(r == Judging.CurrentRow() && c == Judging.CurrentColumn());
        }
    }
}

void TfmExpertForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
    // The table has the keyboard from the start, whichever window the platform left active.
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

bool TfmExpertForm::event(QEvent* event)
{
    // Tab and Shift+Tab walk the table rather than the controls.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && TableKey(key)) {
            return true;
        }
    }
    return QDialog::event(event);
}

void TfmExpertForm::keyPressEvent(QKeyEvent* event)
{
    if (TableKey(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfmExpertForm::TableKey(const QKeyEvent* event)
{
    if (!Judging.IsOpen() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    const std::uint32_t r = Judging.CurrentRow();
    const std::uint32_t c = Judging.CurrentColumn();
    switch (event->key()) {
    case Qt::Key_Up:
        Judging.MoveCurrent(ECellMove::Up);
        break;
    case Qt::Key_Down:
        Judging.MoveCurrent(ECellMove::Down);
        break;
    case Qt::Key_Left:
        Judging.MoveCurrent(ECellMove::Left);
        break;
    case Qt::Key_Right:
        Judging.MoveCurrent(ECellMove::Right);
        break;
    case Qt::Key_Tab:
        if ((event->modifiers() & Qt::ShiftModifier) != 0) {
            Judging.PreviousCell();
        } else {
            Judging.NextCell();
        }
        break;
    case Qt::Key_Backtab:
        Judging.PreviousCell();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        CellPress(Cell(r, c));
        JudgeCurrentCell();
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        LeaveOutCurrentCell();
        break;
    default: {
        const QString text = event->text();
        if (text.isEmpty() || !text.front().isPrint()) {
            return false; // a modifier alone, or Escape and the like for the dialog
        }
        // Anything but one plain character only drops a pending '/' or '-'.
        const QChar typed = text.size() == 1 ? text.front() : QChar();
        const char ch = typed.unicode() > 0 && typed.unicode() < 0x80 ? static_cast<char>(typed.unicode()) : ' ';
        if (Judging.TypeCharacter(ch)) {
            ShowWorkingChange(r, c);
        }
        break;
    }
    }
    // The cell left and the cell now current: a pending '/' shows in the current one only.
    SetCellText(r, c);
    SetCellText(Judging.CurrentRow(), Judging.CurrentColumn());
    ShowCurrentCell();
    return true;
}

void TfmExpertForm::FormShow()
{
    const auto n = static_cast<int>(Judging.Order() == 0 ? 2 : Judging.Order());
    for (int r = 0; r < n && !Wide(); ++r) {
        RowNameLabels[static_cast<std::size_t>(r)]->show();
        for (int c = 0; c < n; ++c) {
            Cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]->show();
        }
    }
    for (int k = 0; k < n && !Wide(); ++k) {
        PriorityLabels[static_cast<std::size_t>(k)]->show();
    }
    if (Wide()) {
        sbWideTable->show();
        PlaceWideControls();
    } else {
        PlaceControls();
        lbPriority->show();
    }
    for (QWidget* widget : {static_cast<QWidget*>(lbOwnerValue), static_cast<QWidget*>(lbIS),
             static_cast<QWidget*>(lbOS), static_cast<QWidget*>(stOwnerValue), static_cast<QWidget*>(stIS),
             static_cast<QWidget*>(stOS), static_cast<QWidget*>(stMainObjectName)}) {
        widget->show();
    }
    update();
    const int width = this->width();
    const int height = this->height();

    // Centred on the main window.
    const QWidget* main = Owner != nullptr ? Owner->window() : nullptr;
    if (main != nullptr && main != this) {
        const QRect frame = frameGeometry();
        const int dx = frame.width() - width;
        const int dy = frame.height() - height;
        const QPoint centreOfMain = main->frameGeometry().center();
        move(centreOfMain.x() - (width + dx) / 2, centreOfMain.y() - (height + dy) / 2);
    }
    if (Wide()) {
        // A table wider than the main window stays whole on the screen.
        const QRect screen = AvailableScreen();
        const QRect frame = frameGeometry();
        move(std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - frame.width())),
            std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - frame.height())));
    }

    // A research window left open by "Отмена" would show the previous element.
    if (const TfmAbsoluteMatrix* research = ResearchWindow.data(); research != nullptr && research->isVisible()) {
        ShowResearch();
    }
}

void TfmExpertForm::PlaceControls()
{
    const auto n = static_cast<int>(Judging.Order() == 0 ? 2 : Judging.Order());
    lbPriority->move(30 * n + 173, 75);
    for (int k = 0; k < n; ++k) {
        PriorityLabels[static_cast<std::size_t>(k)]->move(30 * n + 165, TableTop + RowStep * k);
    }
    // The line under the table pushes everything below it down by its height.
    int line = 0;
    const int tableBottom = RowNameLabels[static_cast<std::size_t>(n - 1)]->y() + 20;
    if (!lbJudgedPairs->text().isEmpty()) {
        const int lineWidth = PriorityLabels[0]->x() + 100 - 50;
        lbJudgedPairs->setGeometry(25, tableBottom + 6, lineWidth, lbJudgedPairs->heightForWidth(lineWidth));
        lbJudgedPairs->show();
        line = lbJudgedPairs->height() + 6;
    } else {
        lbJudgedPairs->hide();
    }
    PlaceMeasures(RowNameLabels[static_cast<std::size_t>(n - 1)]->y() + 30 + line, PriorityLabels[0]->x() + 100,
        PriorityLabels[0]->x() + 1);
}

void TfmExpertForm::PlaceWideControls()
{
    const QRect screen = AvailableScreen();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int line = lbJudgedPairs->text().isEmpty() ? 0 : lbJudgedPairs->height() + 6;
    const int roomWidth = screen.width() - FrameAllowanceWidth;
    const int roomHeight = screen.height() - FrameAllowanceHeight - WideTableTop - BelowTable - line;
    // Scroll bars only where the screen has no room for the whole table.
    bool across = WideTable->width() > roomWidth;
    const bool down = WideTable->height() + (across ? bar : 0) > roomHeight;
    across = across || (down && WideTable->width() + bar > roomWidth);
    const int width = std::min(WideTable->width() + (down ? bar : 0), roomWidth);
    const int height = std::max(std::min(WideTable->height() + (across ? bar : 0), roomHeight), 3 * RowStep + bar);
    sbWideTable->setGeometry(0, WideTableTop, width, height);
    const int tableBottom = WideTableTop + height;
    if (!lbJudgedPairs->text().isEmpty()) {
        const int lineWidth = width - 50;
        lbJudgedPairs->setGeometry(25, tableBottom + 6, lineWidth, lbJudgedPairs->heightForWidth(lineWidth));
        lbJudgedPairs->show();
    } else {
        lbJudgedPairs->hide();
    }
    const int below = lbJudgedPairs->isVisibleTo(this) ? lbJudgedPairs->height() + 6 : 0;
    PlaceMeasures(tableBottom + 10 + below, width, width - 99);
}

void TfmExpertForm::PlaceMeasures(int y, int width, int researchLeft)
{
    // The values stand right of the widest term ("λmax:" is wider than "СЗ:"), the buttons
    // where they always stood unless the values reach them.
    const int labels = std::max({lbOwnerValue->width(), lbIS->width(), lbOS->width()});
    const int valueLeft = std::max(50, 25 + labels + 2);
    lbOwnerValue->move(25, y);
    stOwnerValue->move(valueLeft, y - 3);
    lbIS->move(25, y + 20);
    stIS->move(valueLeft, y + 17);
    lbOS->move(25, y + 40);
    stOS->move(valueLeft, y + 37);

    const int height = stOS->y() + 55;
    setFixedSize(width, height);

    const int buttonLeft = std::max(130, valueLeft + stOwnerValue->width() + 12);
    btApply->move(buttonLeft, stOwnerValue->y());
    btOk->move(buttonLeft, stIS->y() + 2);
    btCancel->move(buttonLeft, stOS->y() + 4);
    btResearch->move(researchLeft, stIS->y() + 1);

    const int centre = width / 2;
    lbText_1->move(centre - lbText_1->width() / 2, 10);
    lbText_2->move(centre - lbText_2->width() / 2, 25);
    stMainObjectName->move(centre - stMainObjectName->width() / 2, lbText_2->y() + 17);
    // The frame keeps its place 20 pixels left of a heading that fills it; it is centred
    // when the object's field widened it or the heading is shorter (English).
    const bool headingFillsFrame = lbText_1->width() + 40 >= bvMainObjectBevel->width();
    bvMainObjectBevel->move(bvMainObjectBevel->width() == ObjectBevelWidth && headingFillsFrame
            ? lbText_1->x() - 20
            : centre - bvMainObjectBevel->width() / 2,
        lbText_1->y() - 3);
}

void TfmExpertForm::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    for (std::uint32_t k = 0; k < MaxElementsPerLevel; ++k) {
        const QLabel* name = RowNameLabels[k];
        if (name->isVisibleTo(this)) {
            DrawTableNumber(painter, name->x() - 15, name->y() + 4, static_cast<int>(k) + 1);
        }
        const QLabel* column = Cells[0][k];
        if (column->isVisibleTo(this)) {
            DrawTableNumber(painter, column->x() + 10, column->y() - 15, static_cast<int>(k) + 1);
        }
    }
}

void TfmExpertForm::FormClose()
{
    for (std::uint32_t r = 0; r < MaxElementsPerLevel; ++r) {
        RowNameLabels[r]->hide();
        PriorityLabels[r]->hide();
        for (std::uint32_t c = 0; c < MaxElementsPerLevel; ++c) {
            Cells[r][c]->hide();
        }
    }
    for (QLabel* label : {lbPriority, lbOwnerValue, lbIS, lbOS, stOwnerValue, stIS, stOS, lbJudgedPairs}) {
        label->hide();
    }
    if (sbWideTable != nullptr) {
        sbWideTable->hide();
    }
    btResearch->setEnabled(true);
}

void TfmExpertForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TfmExpertForm::CellPress(CExpertTable_Element* cell)
{
    const std::uint32_t r = Judging.CurrentRow();
    const std::uint32_t c = Judging.CurrentColumn();
    Judging.SetCurrent(cell->Row, cell->Column);
    // A '/' left pending there is dropped by the move.
    if (r < Judging.Order() && c < Judging.Order()) {
        SetCellText(r, c);
    }
    ShowCurrentCell();
    setFocus(Qt::MouseFocusReason);
    update();
}

void TfmExpertForm::CellDoubleClick(CExpertTable_Element* cell)
{
    CellPress(cell);
    JudgeCurrentCell();
}

void TfmExpertForm::JudgeCurrentCell()
{
    const std::uint32_t r = Judging.CurrentRow();
    const std::uint32_t c = Judging.CurrentColumn();
    TfmExpertScale* scale = ScaleWindow.data();
    if (r == c || r >= Judging.Order() || c >= Judging.Order() || scale == nullptr) {
        return;
    }
    scale->SetUpperName(QString::fromStdString(Judging.JudgedName()));
    scale->SetObjectA(QString::fromStdString(Judging.ComparedName(r)));
    scale->SetObjectB(QString::fromStdString(Judging.ComparedName(c)));
    scale->SelectLine(Judging.ScaleLineFor(r, c));
    scale->exec();
    // The keyboard comes back to the table, whatever the platform activates next.
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
    if (!scale->Accepted()) {
        return;
    }
    if (Judging.SetJudgement(r, c, scale->ChosenValue())) {
        ShowWorkingChange(r, c);
    }
}

void TfmExpertForm::btApplyClick()
{
    if (!Judging.IsOpen()) {
        return;
    }
    Judging.Apply();
    ShowMeasures();
    // An open research window follows the applied judgements.
    WorkingChanged();
}

void TfmExpertForm::btOkClick()
{
    if (TfmAbsoluteMatrix* research = ResearchWindow.data(); ResearchIsOpen && research != nullptr) {
        research->close();
    }
    ResearchIsOpen = false;
    accept();
}

void TfmExpertForm::btCancelClick()
{
    reject();
}

void TfmExpertForm::btResearchClick()
{
    TfmAbsoluteMatrix* research = ResearchWindow.data();
    if (research == nullptr) {
        return;
    }
    btResearch->setEnabled(false);
    ResearchIsOpen = true;
    connect(research, &TfmAbsoluteMatrix::ClosedByUser, this, &TfmExpertForm::EnableResearch, Qt::UniqueConnection);
    ShowResearch();
}

void TfmExpertForm::ShowResearch()
{
    TfmAbsoluteMatrix* research = ResearchWindow.data();
    if (research == nullptr) {
        return;
    }
    research->SetMatrixOrder(Judging.Order());
    research->SetRowNames(Judging);
    WorkingChanged();
    research->ShowBeside(this);
}

void TfmExpertForm::ResearchKey()
{
    if (btResearch->isEnabled()) {
        btResearchClick();
    } else if (TfmAbsoluteMatrix* research = ResearchWindow.data(); research != nullptr && research->isVisible()) {
        research->TakeKeyboard();
    }
}

void TfmExpertForm::WorkingChanged()
{
    ShowJudgedPairs();
    Judging.OfferSuggestions();
    emit JudgingChanged(Judging);
}

void TfmExpertForm::AcceptSuggestion(std::uint32_t index)
{
    if (Judging.AcceptSuggestion(index)) {
        const CSuggestion& accepted = Judging.Suggestions().Offered().Suggestions[index];
        ShowWorkingChange(accepted.Row, accepted.Column);
    } else if (TfmAbsoluteMatrix* research = ResearchWindow.data(); research != nullptr) {
        research->ShowAcceptState(Judging);
    }
    // The keyboard comes back to the table, as after the scale: typing goes on there.
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void TfmExpertForm::ShowWorkingChange(std::uint32_t r, std::uint32_t c)
{
    SetCellText(r, c);
    SetCellText(c, r);
    // An open research window follows every change, undone ones too.
    WorkingChanged();
}

void TfmExpertForm::UndoChange()
{
    if (Judging.UndoChange()) {
        ShowWorkingChange(Judging.CurrentRow(), Judging.CurrentColumn());
        ShowCurrentCell();
    }
}

void TfmExpertForm::RedoChange()
{
    if (Judging.RedoChange()) {
        ShowWorkingChange(Judging.CurrentRow(), Judging.CurrentColumn());
        ShowCurrentCell();
    }
}

void TfmExpertForm::EnableResearch()
{
    btResearch->setEnabled(true);
}
