#include "gui/view/TUserProject.h"

#include "core/document/StepNames.h"
#include "core/model/MiddleLevels.h"
#include "core/model/ModelPhrases.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/ReportContent.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/results/CResultsView.h"
#include "gui/results/TfmCurrentPriorityLevel.h"
#include "gui/results/TfmSensitivity.h"
#include "gui/view/CBevel_of_HElement.h"
#include "gui/view/CHierarchyCanvas.h"
#include "gui/view/CHierarchyElementBox.h"
#include "gui/view/CProjectEditCommand.h"
#include "gui/view/PanelGlyphs.h"
#include "gui/widgets/CUserDialogs.h"
#include "gui/widgets/MenuText.h"
#include "gui/widgets/TAddNewLevel.h"
#include "gui/widgets/TfmElementEdit.h"
#include "gui/widgets/WidgetStyle.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

#include <algorithm>
#include <utility>

namespace {
// A project's subwindow for a reader: named as its title is painted, with the "*" of
// unsaved changes (Qt's own drops it with the "[*]" of the title).
class CProjectSubWindowAccessible final : public QAccessibleWidget {
public:
    explicit CProjectSubWindowAccessible(QMdiSubWindow* window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name) {
            return QAccessibleWidget::text(t);
        }
        const auto* window = static_cast<const QMdiSubWindow*>(widget());
        const QWidget* inner = window->widget();
        return ShownDocumentCaption(inner != nullptr ? *inner : *window);
    }
};

QAccessibleInterface* ProjectSubWindowAccessible(const QString& className, QObject* object)
{
    auto* window = qobject_cast<QMdiSubWindow*>(object);
    if (className == QLatin1String("QMdiSubWindow") && window != nullptr) {
        return new CProjectSubWindowAccessible(window);
    }
    return nullptr;
}
constexpr int PanelWidth = 37;
constexpr int PanelButtonLeft = 5;
constexpr int PanelButtonSize = 23;
constexpr int PanelGlyphSize = 17;
constexpr int HorizontalScrollStep = 40;
// Room left beyond the farthest frame when the canvas grows to hold it.
constexpr int CanvasMargin = 10;

QString MessageCaption()
{
    return QStringLiteral("Message");
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}
} // namespace

TUserProject::TUserProject(const CProjectWindowServices& services, QWidget* parent)
    : QWidget(parent)
    , Services(services)
{
    static const bool installed = [] {
        QAccessible::installFactory(ProjectSubWindowAccessible);
        return true;
    }();
    (void)installed;
    auto* rows = new QHBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    CreatePanel();
    rows->addWidget(UserPanel);

    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(false);
    HierarchyCanvas = new CHierarchyCanvas;
    HierarchyCanvas->setObjectName(QStringLiteral("HierarchyCanvas"));
    HierarchyCanvas->PaintLinks = [this](QPainter& painter) { FormPaint(painter); };
    ScrollBox->setWidget(HierarchyCanvas);
    ScrollBox->horizontalScrollBar()->setSingleStep(HorizontalScrollStep);
    ScrollBox->viewport()->installEventFilter(this);
    rows->addWidget(ScrollBox, 1);

    CreateMenus();
    CreateUndo();
    CreateElements();
    // Over the canvas, in the canvas's own coordinates; hidden until the results button.
    ResultsView = new CResultsView(HierarchyCanvas);
    ResultsView->setObjectName(QStringLiteral("ResultsView"));
    ResultsView->setAccessibleName(tr("Итоговый результат"));
    ResultsView->move(0, 0);
    ResultsView->raise();
    // The title carries the modified mark from the start; the frame gives the caption.
    SetDocumentCaption(*this, QString());
}

TUserProject::~TUserProject()
{
    // Qt deletes the children after this window's own members are gone and it is no
    // longer a TUserProject: the undo stack clearing itself, a box losing the focus, must
    // not call back into it.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

void TUserProject::CreatePanel()
{
    UserPanel = new QFrame(this);
    UserPanel->setObjectName(QStringLiteral("UserPanel"));
    UserPanel->setFixedWidth(PanelWidth);
    UserPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    UserPanel->setLineWidth(1);

    const auto makeButton = [this](const char* name, int top, const QString& hint, const QIcon& glyph) {
        auto* button = new QToolButton(UserPanel);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(PanelButtonLeft, top, PanelButtonSize, PanelButtonSize);
        button->setToolTip(hint);
        // A glyph alone says nothing to a screen reader: the hint names the button.
        button->setAccessibleName(button->toolTip());
        button->setIcon(glyph);
        button->setIconSize(QSize(PanelGlyphSize, PanelGlyphSize));
        // Speed buttons: they never take the keyboard focus.
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    btHierarchyType = makeButton("btHierarchyType", 11, tr("Ориентация иерархии"), PanelGlyphs::Orientation());
    btEditMode = makeButton("btEditMode", 74, tr("Режим редактирования"), PanelGlyphs::EditMode());
    btExpertMode = makeButton("btExpertMode", 98, tr("Режим работы эксперта"), PanelGlyphs::ExpertMode());
    btResultsView = makeButton("btResultsView", 154, tr("Показать результат"), PanelGlyphs::ResultsView());
    btClone = makeButton("btClone", 214, tr("Клонировать проект"), PanelGlyphs::Clone());

    // Group 1: exactly one mode is down. Groups 2 and 3 toggle on their own.
    btHierarchyType->setCheckable(true);
    btEditMode->setCheckable(true);
    btExpertMode->setCheckable(true);
    btResultsView->setCheckable(true);
    ModeGroup = new QButtonGroup(this);
    ModeGroup->setExclusive(true);
    ModeGroup->addButton(btEditMode);
    ModeGroup->addButton(btExpertMode);
    btEditMode->setChecked(true);

    ConnectButtonCommand(btHierarchyType, &TUserProject::btHierarchyTypeClick);
    ConnectButtonCommand(btEditMode, &TUserProject::btEditModeClick);
    ConnectButtonCommand(btExpertMode, &TUserProject::btExpertModeClick);
    ConnectButtonCommand(btResultsView, &TUserProject::btResultsViewClick);
    ConnectButtonCommand(btClone, &TUserProject::btCloneClick);

    // The modes and the results from the keyboard, in the project that has it (the
    // buttons never take the focus); a screen reader hears the key with the button. A
    // button disabled while the results are shown ignores its key too.
    const std::pair<QToolButton*, QKeySequence> keys[] = {
        {btEditMode, QKeySequence(Qt::CTRL | Qt::Key_1)},
        {btExpertMode, QKeySequence(Qt::CTRL | Qt::Key_2)},
        {btResultsView, QKeySequence(Qt::CTRL | Qt::Key_3)},
    };
    for (const auto& [button, key] : keys) {
        auto* shortcut = new QAction(this);
        shortcut->setObjectName(QStringLiteral("ac") + button->objectName().mid(2));
        shortcut->setShortcut(key);
        shortcut->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(shortcut);
        connect(shortcut, &QAction::triggered, button, &QToolButton::click);
        button->setAccessibleDescription(tr("Клавиши: %1").arg(key.toString(QKeySequence::NativeText)));
    }
}

void TUserProject::CreateMenus()
{
    const auto makeAction = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    mnChartMenu = new QMenu(this);
    mnChartMenu->setObjectName(QStringLiteral("mnChartMenu"));
    mnAddElement = makeAction(mnChartMenu, "mnAddElement", tr("Добавить элемент"));
    mnDelElement = makeAction(mnChartMenu, "mnDelElement", tr("Удалить элемент"));
    N3 = mnChartMenu->addSeparator();
    N3->setObjectName(QStringLiteral("N3"));
    mnAddLevel = makeAction(mnChartMenu, "mnAddLevel", tr("Добавить уровень"));
    mnDelLevel = makeAction(mnChartMenu, "mnDelLevel", tr("Удалить уровень"));

    mnCurrentLevelMenu = new QMenu(this);
    mnCurrentLevelMenu->setObjectName(QStringLiteral("mnCurrentLevelMenu"));
    mnCurrentPriority = makeAction(mnCurrentLevelMenu, "mnCurrentPriority", tr("Показать приоритеты уровня"));
    mnSensitivity = makeAction(mnCurrentLevelMenu, "mnSensitivity", tr("Анализ чувствительности"));
    // Only a middle level has weights to move: the bottom level's elements have none.
    connect(mnCurrentLevelMenu, &QMenu::aboutToShow, this,
        [this] { mnSensitivity->setEnabled(IsMiddleLevel(Model().LevelCount(), CurrentElementLevel)); });
    connect(mnSensitivity, &QAction::triggered, this, [this] { mnSensitivityClick(); });

    connect(mnAddElement, &QAction::triggered, this, [this] { mnAddElementClick(); });
    connect(mnDelElement, &QAction::triggered, this, [this] { mnDelElementClick(); });
    connect(mnAddLevel, &QAction::triggered, this, [this] { mnAddLevelClick(); });
    connect(mnDelLevel, &QAction::triggered, this, [this] { mnDelLevelClick(); });
    connect(mnCurrentPriority, &QAction::triggered, this, [this] { mnCurrentPriorityClick(); });
}

void TUserProject::CreateUndo()
{
    UndoStack = new QUndoStack(this);
    // The keys and the edit menu are the frame's: they act on the active project.
    // The steps' clean state is where the project was last saved.
    connect(
        UndoStack, &QUndoStack::cleanChanged, this, [this](bool clean) { ProjectDocument.StepsAtSavedState(clean); });
    CSavedStateKeeper keeper;
    keeper.Saved = [this] { UndoStack->setClean(); };
    keeper.SavedStateLost = [this] { UndoStack->resetClean(); };
    keeper.ModifiedChanged = [this](bool modified) { setWindowModified(modified); };
    ProjectDocument.SetSavedStateKeeper(std::move(keeper));
}

void TUserProject::RecordStep(const std::string& name)
{
    CHierarchyChange change = ProjectDocument.EndStep();
    if (change.Empty()) {
        return;
    }
    UndoStack->push(new CProjectEditCommand(
        ProjectDocument, std::move(change), [this] { ShowStepDone(); }, QString::fromStdString(name)));
}

void TUserProject::ShowStepDone()
{
    if (!btResultsView->isChecked()) {
        Redraw();
        return;
    }
    // The diagram stays hidden behind the results, laid out for when it shows again;
    // the results are those of the hierarchy the step left.
    CentreLevels();
    RefreshCaptions();
    ResultsView->ShowAgain(Model(), ProjectDocument.Results(), Mode);
    UpdateCanvasSize();
    // The marks and the status bar's warning follow the judgements the step left.
    ShowConsistencyMarks();
    emit ResultsWarningChanged(Text(UnacceptableWarningText(
        Model(), UnacceptableMatrices(Model(), ProjectDocument.Results()), DecimalSeparator())));
}

void TUserProject::CreateElements()
{
    for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
        for (std::uint32_t k = 0; k < MaxLevels; ++k) {
            // The frame first, so the box stands above it.
            Bevels[p][k] = new CBevel_of_HElement(HierarchyCanvas);
            auto* box = new CHierarchyElementBox(p, k, HierarchyCanvas);
            box->setObjectName(QStringLiteral("Element_%1_%2").arg(p).arg(k));
            connect(box, &CHierarchyElementBox::Pressed, this,
                [this](std::uint32_t position, std::uint32_t level) { ElementMouseDown(position, level); });
            connect(box, &CHierarchyElementBox::DoubleClicked, this, &TUserProject::ElementDoubleClick);
            connect(box, &CHierarchyElementBox::TabPressed, this,
                [this, box](bool forward) { ElementTabPressed(box, forward); });
            connect(box, &CHierarchyElementBox::ArrowPressed, this,
                [this, box](EArrowKey arrow) { ElementArrowPressed(box, arrow); });
            connect(box, &CHierarchyElementBox::FocusChanged, this,
                [this, box](bool focused) { ElementFocusChanged(box, focused); });
            Boxes[p][k] = box;
        }
    }
    SetElementMenus(mnChartMenu);
}

bool TUserProject::EditModeOn() const
{
    return btEditMode->isChecked();
}

bool TUserProject::ExpertModeOn() const
{
    return btExpertMode->isChecked();
}

void TUserProject::BuildNewHierarchy(
    std::uint32_t elementsPerLevel, std::uint32_t levelCount, const QString& goal, const QString& comment)
{
    ProjectDocument.BuildNewHierarchy(elementsPerLevel, levelCount, goal.toStdString(), comment.toStdString());
    FinishBuild();
}

bool TUserProject::BuildLoadedHierarchy(const TLoadSaveProject& record)
{
    if (!ProjectDocument.BuildLoadedHierarchy(record)) {
        return false;
    }
    FinishBuild();
    return true;
}

void TUserProject::ShowLoadedHierarchy()
{
    FinishBuild();
}

void TUserProject::FinishBuild()
{
    // A hierarchy built afresh has no history to go back to.
    UndoStack->clear();
    SetElementMenus(ExpertModeOn() ? mnCurrentLevelMenu : mnChartMenu);
    RefreshCaptions();
    if (Vertical) {
        LayoutVertical();
    } else {
        LayoutHorizontal();
    }
    CentreLevels();
    ShowHierarchy(true);
    RedrawLinks();
    ShowConsistencyMarks();
}

QSize TUserProject::OuterSize() const
{
    if (const auto* subWindow = qobject_cast<const QMdiSubWindow*>(parentWidget())) {
        return subWindow->size();
    }
    if (isWindow()) {
        return frameGeometry().size();
    }
    return size();
}

void TUserProject::LayoutHorizontal()
{
    const CCriticalSectionGuard guard(Lock);
    LaidOutSize = OuterSize();
    ::LayoutHorizontal(*Places, LaidOutSize.height());
    ApplyLayout();
}

void TUserProject::LayoutVertical()
{
    const CCriticalSectionGuard guard(Lock);
    LaidOutSize = OuterSize();
    ::LayoutVertical(*Places, LaidOutSize.width());
    ApplyLayout();
}

void TUserProject::LayOutAgain()
{
    if (Vertical) {
        LayoutVertical();
    } else {
        LayoutHorizontal();
    }
    CentreLevels();
    RedrawLinks();
}

void TUserProject::CentreLevels()
{
    const CCriticalSectionGuard guard(Lock);
    ::CentreLevels(*Places, Model(), Vertical);
    ApplyLayout();
}

void TUserProject::ApplyLayout()
{
    Shift = ReachableShift(*Places, Model());
    for (std::uint32_t k = 0; k < MaxLevels; ++k) {
        // Level 0 holds the goal alone; its other slots are never placed.
        const std::uint32_t positions = k == 0 ? 1 : MaxElementsPerLevel;
        for (std::uint32_t p = 0; p < positions; ++p) {
            const CElementPlace& place = Places->Places[p][k];
            Boxes[p][k]->setGeometry(
                place.Box.Left + Shift.X, place.Box.Top + Shift.Y, place.Box.Width, place.Box.Height);
            Bevels[p][k]->setGeometry(
                place.Frame.Left + Shift.X, place.Frame.Top + Shift.Y, place.Frame.Width, place.Frame.Height);
        }
    }
    UpdateCanvasSize();
}

void TUserProject::UpdateCanvasSize()
{
    // The canvas reaches past the farthest in-use frame, so the scroll bars reach it.
    int right = 0;
    int bottom = 0;
    for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
        for (std::uint32_t k = 0; k < MaxLevels; ++k) {
            if (!Model().SlotInUse(p, k)) {
                continue;
            }
            const CRect& frame = Places->Places[p][k].Frame;
            right = std::max(right, frame.Left + Shift.X + frame.Width);
            bottom = std::max(bottom, frame.Top + Shift.Y + frame.Height);
        }
    }
    if (ResultsView != nullptr && ResultsView->isVisible()) {
        right = std::max(right, ResultsView->geometry().right());
        bottom = std::max(bottom, ResultsView->geometry().bottom());
    }
    const QSize viewport = ScrollBox->viewport()->size();
    const QSize wanted(
        std::max(viewport.width(), right + CanvasMargin), std::max(viewport.height(), bottom + CanvasMargin));
    if (HierarchyCanvas->size() != wanted) {
        HierarchyCanvas->resize(wanted);
    }
    ScrollBox->horizontalScrollBar()->setSingleStep(HorizontalScrollStep);
}

void TUserProject::RefreshCaptions()
{
    for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
        for (std::uint32_t k = 0; k < MaxLevels; ++k) {
            SetFittedText(Boxes[p][k], Text(Model().Element(p, k).Name));
        }
    }
}

void TUserProject::RedrawLinks()
{
    // Qt paints only inside paint events: erasing the old links is a repaint of the
    // canvas, which draws the current ones.
    HierarchyCanvas->update();
}

void TUserProject::ShowHierarchy(bool visible)
{
    // Hiding the canvas moves the focus away; whether an element had it is kept now.
    if (ElementHasFocus()) {
        ElementFocusToRestore = true;
    }
    // Shown one by one under a visible canvas, each of some 180 widgets would be laid
    // out and queued for painting on its own; under a hidden one they just change state.
    const bool canvasShown = HierarchyCanvas->isVisible();
    if (canvasShown) {
        HierarchyCanvas->hide();
    }
    for (std::uint32_t k = 0; k < MaxLevels; ++k) {
        for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
            const bool show = visible && k < Model().LevelCount() && Model().SlotInUse(p, k);
            Bevels[p][k]->setVisible(show);
            Boxes[p][k]->setVisible(show);
        }
    }
    if (canvasShown) {
        HierarchyCanvas->show();
    }
    // A new diagram gives the goal the keyboard; after a command the element nearest
    // the current one keeps it (the current one may have been deleted).
    if (visible && Model().Built() && (ElementFocusToRestore || focusWidget() == nullptr)) {
        ElementFocusToRestore = false;
        FocusElement(NearestInUse(Model(), {CurrentElementPosition, CurrentElementLevel}));
    }
}

void TUserProject::FormPaint(QPainter& painter)
{
    const CCriticalSectionGuard guard(Lock);
    if (!Model().Built()) {
        return;
    }
    TElementGridOf<bool> visible{};
    for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
        for (std::uint32_t k = 0; k < MaxLevels; ++k) {
            visible[p][k] = !Boxes[p][k]->isHidden();
        }
    }
    ComputeLinks(*Links, *Places, Model(), visible, Vertical);
    painter.translate(Shift.X, Shift.Y);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    for (std::uint32_t i = 0; i < Links->Count; ++i) {
        const CLinkLine& line = Links->Lines[i];
        painter.drawLine(line.X1, line.Y1, line.X2, line.Y2);
    }
    painter.resetTransform();
    PaintFocusMark(painter);
}

void TUserProject::PaintFocusMark(QPainter& painter) const
{
    const auto* box = qobject_cast<const CHierarchyElementBox*>(QApplication::focusWidget());
    if (box == nullptr || box->parentWidget() != HierarchyCanvas || box->isHidden()) {
        return;
    }
    // The frame lies FrameMargin outside the box and draws only its outer line; the two
    // pixels between it and the box are the canvas's own, so the mark changes neither
    // the box nor its frame and disappears with the focus.
    constexpr int Mark = FrameMargin - 1;
    painter.fillRect(box->geometry().adjusted(-Mark, -Mark, Mark, Mark), palette().color(QPalette::Highlight));
}

void TUserProject::ToggleOrientation()
{
    {
        const CCriticalSectionGuard guard(Lock);
        Vertical = !Vertical;
    }
    const bool vertical = Vertical;
    RedrawLinks();
    ShowHierarchy(false);
    if (vertical) {
        LayoutVertical();
    } else {
        LayoutHorizontal();
    }
    CentreLevels();
    ShowHierarchy(true);
    RedrawLinks();
    if (Services.AddNewLevel != nullptr) {
        Services.AddNewLevel->SetPlacementCaptions(vertical);
    }
}

void TUserProject::SetElementMenus(QMenu* menu)
{
    // The goal never carries a menu.
    for (std::uint32_t k = 1; k < MaxLevels; ++k) {
        for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
            Boxes[p][k]->SetContextMenu(menu);
        }
    }
}

bool TUserProject::CheckFatalModelError()
{
    if (!Model().FatalErrorRaised()) {
        return false;
    }
    if (!FatalErrorShown) {
        FatalErrorShown = true;
        UserDialogs().Inform(this, QString::fromStdString(Tr(ModelPhrases::FatalModelError)), MessageCaption());
        ProjectDocument.SetAskSaveOnClose(false);
        CloseProjectWindow();
    }
    return true;
}

void TUserProject::CloseProjectWindow()
{
    // Inside the frame the document subwindow closes (and closes this window with it).
    if (auto* subWindow = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        subWindow->close();
    } else {
        close();
    }
}

bool TUserProject::SetCurrent(std::uint32_t position, std::uint32_t level)
{
    if (!ProjectDocument.CheckSlot(position, level)) {
        CheckFatalModelError();
        return false;
    }
    CurrentElementPosition = position;
    CurrentElementLevel = level;
    return true;
}

bool TUserProject::ElementMouseDown(std::uint32_t position, std::uint32_t level)
{
    return SetCurrent(position, level);
}

void TUserProject::FocusElement(CElementSlot slot)
{
    if (!Model().SlotInUse(slot.Position, slot.Level) || !SetCurrent(slot.Position, slot.Level)) {
        return;
    }
    CHierarchyElementBox* box = Boxes[slot.Position][slot.Level];
    if (!box->isHidden()) {
        box->setFocus(Qt::OtherFocusReason);
    }
}

bool TUserProject::ElementHasFocus() const
{
    // The window's own focus child: still known while another window is active.
    const auto* box = qobject_cast<const CHierarchyElementBox*>(focusWidget());
    return box != nullptr && box->parentWidget() == HierarchyCanvas;
}

void TUserProject::ElementTabPressed(const CHierarchyElementBox* box, bool forward)
{
    FocusElement(TabTarget(*Places, Model(), Vertical, {box->Position(), box->Level()}, forward));
}

void TUserProject::ElementArrowPressed(const CHierarchyElementBox* box, EArrowKey arrow)
{
    FocusElement(ArrowTarget(*Places, Model(), Vertical, {box->Position(), box->Level()}, arrow));
}

void TUserProject::ElementFocusChanged(CHierarchyElementBox* box, bool focused)
{
    if (focused) {
        ScrollBox->ensureWidgetVisible(box);
    }
    // The mark lives on the canvas, around the box.
    HierarchyCanvas->update(box->geometry().adjusted(-FrameMargin, -FrameMargin, FrameMargin, FrameMargin));
}

void TUserProject::ElementDoubleClick()
{
    if (Model().FatalErrorRaised()) {
        return;
    }
    ProjectDocument.ElementDoubleClicked();
    if (EditModeOn()) {
        EditCurrentElement();
    }
    if (ExpertModeOn()) {
        OpenExpertForm();
    }
}

void TUserProject::EditCurrentElement()
{
    TfmElementEdit* dialog = Services.ElementEdit;
    if (dialog == nullptr) {
        return;
    }
    const std::uint32_t p = CurrentElementPosition;
    const std::uint32_t k = CurrentElementLevel;
    if (!SetCurrent(p, k)) {
        return;
    }
    const CHierarchy_Element& element = Model().Element(p, k);
    dialog->LoadElement(Text(element.Name), Text(element.Comment), p == 0 && k == 0);
    dialog->exec();
    if (!dialog->Confirmed()) {
        return;
    }
    const std::string nameBefore = element.Name;
    const std::string commentBefore = element.Comment;
    ProjectDocument.BeginStep();
    ProjectDocument.SetElementText(p, k, dialog->ElementName().toStdString(), dialog->ElementComment().toStdString());
    if (CheckFatalModelError()) {
        return;
    }
    const CHierarchy_Element& edited = Model().Element(p, k);
    RecordStep(EditElementStepName(nameBefore, edited.Name, edited.Comment != commentBefore));
    SetFittedText(Boxes[p][k], Text(Model().Element(p, k).Name));
}

bool TUserProject::ReportStructureResult(EStructureResult result)
{
    if (CheckFatalModelError()) {
        return false;
    }
    const QString refusal = QString::fromStdString(StructureRefusalSentence(result));
    if (!refusal.isEmpty()) {
        UserDialogs().Inform(this, refusal, MessageCaption());
        return false;
    }
    return result == EStructureResult::Done;
}

void TUserProject::Redraw()
{
    RedrawLinks();
    CentreLevels();
    RefreshCaptions();
    ShowHierarchy(true);
    RedrawLinks();
    ShowConsistencyMarks();
}

void TUserProject::ShowConsistencyMarks()
{
    const bool expert = ExpertModeOn();
    const std::vector<CUnacceptableMatrix> unacceptable
        = expert ? UnacceptableMatrices(Model(), ProjectDocument.Results()) : std::vector<CUnacceptableMatrix>{};
    TElementGridOf<const CUnacceptableMatrix*> marked{};
    for (const CUnacceptableMatrix& matrix : unacceptable) {
        marked[matrix.Position][matrix.Level] = &matrix;
    }
    for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
        for (std::uint32_t k = 0; k < MaxLevels; ++k) {
            const CUnacceptableMatrix* matrix = marked[p][k];
            Boxes[p][k]->SetWarning(
                matrix != nullptr ? Text(UnacceptableMarkText(*matrix, DecimalSeparator())) : QString());
            ShowJudgementsMark(p, k, expert);
        }
    }
}

void TUserProject::ShowJudgementsMark(std::uint32_t position, std::uint32_t level, bool expert)
{
    using EMark = CHierarchyElementBox::EJudgementsMark;
    const CUserProjectModel& model = Model();
    const bool judged = expert && level + 1 < model.LevelCount() && level < MaxLevels
        && position < (level == 0 ? 1U : model.ElementsInLevelChecked(level));
    const std::string text = judged ? IncompleteMarkText(model, position, level) : std::string();
    if (text.empty()) {
        Boxes[position][level]->SetJudgementsMark(EMark::None, QString());
        return;
    }
    const bool connected = ElementGraph(model, position, level).Connected();
    Boxes[position][level]->SetJudgementsMark(connected ? EMark::Missing : EMark::NotComputed, Text(text));
}

void TUserProject::mnAddElementClick()
{
    ProjectDocument.BeginStep();
    if (ReportStructureResult(ProjectDocument.AddElement(CurrentElementLevel))) {
        RecordStep(AddElementStepName(CurrentElementLevel));
        Redraw();
    }
}

void TUserProject::mnDelElementClick()
{
    // Named before it goes.
    const std::string name = CurrentElementName();
    ProjectDocument.BeginStep();
    if (ReportStructureResult(ProjectDocument.DeleteElement(CurrentElementPosition, CurrentElementLevel))) {
        RecordStep(DeleteElementStepName(name));
        Redraw();
    }
}

void TUserProject::mnAddLevelClick()
{
    const EStructureResult allowed = Model().CanAddLevel(CurrentElementLevel);
    if (allowed != EStructureResult::Done) {
        ReportStructureResult(allowed);
        return;
    }
    TAddNewLevel* dialog = Services.AddNewLevel;
    if (dialog == nullptr) {
        return;
    }
    dialog->exec();
    if (!dialog->Confirmed()) {
        return;
    }
    const bool before = dialog->PlaceBefore();
    // The new level takes the current level's number when it comes before it.
    const std::uint32_t newLevel = before ? CurrentElementLevel : CurrentElementLevel + 1;
    ProjectDocument.BeginStep();
    if (ReportStructureResult(ProjectDocument.AddLevel(CurrentElementLevel, dialog->ElementCount(), before))) {
        RecordStep(AddLevelStepName(newLevel));
        Redraw();
    }
}

void TUserProject::mnDelLevelClick()
{
    ProjectDocument.BeginStep();
    if (ReportStructureResult(ProjectDocument.DeleteLevel(CurrentElementLevel))) {
        RecordStep(DeleteLevelStepName(CurrentElementLevel));
        Redraw();
    }
}

void TUserProject::ConnectButtonCommand(QToolButton* button, void (TUserProject::*command)())
{
    const auto run = [this, command] {
        const bool running = RunningButtonCommand;
        RunningButtonCommand = true;
        (this->*command)();
        RunningButtonCommand = running;
    };
    connect(button, &QToolButton::clicked, this, [this, run] {
        ToggledWithoutClick = nullptr;
        run();
    });
    if (!button->isCheckable()) {
        return;
    }
    // A screen reader's toggle checks the button without a click. A click emits toggled
    // and then clicked at once, so the command waits for the events in between and runs
    // only when no click came. The mode button a group unchecks runs nothing.
    connect(button, &QToolButton::toggled, this, [this, button, run](bool checked) {
        if (RunningButtonCommand || (!checked && button->group() != nullptr)) {
            return;
        }
        ToggledWithoutClick = button;
        QTimer::singleShot(0, this, [this, button, run] {
            if (ToggledWithoutClick == button) {
                ToggledWithoutClick = nullptr;
                run();
            }
        });
    });
}

void TUserProject::btHierarchyTypeClick()
{
    ToggleOrientation();
}

void TUserProject::btEditModeClick()
{
    if (btEditMode->isChecked()) {
        SetElementMenus(mnChartMenu);
    }
    ShowConsistencyMarks();
}

void TUserProject::btExpertModeClick()
{
    if (btExpertMode->isChecked()) {
        SetElementMenus(mnCurrentLevelMenu);
    }
    ShowConsistencyMarks();
}

bool TUserProject::RefusedForMissingComparisons()
{
    const std::string refusal = ProjectNotConnectedText(Model(), ProjectDocument.Results());
    if (refusal.empty()) {
        return false;
    }
    UserDialogs().Inform(this, Text(refusal), MessageCaption());
    return true;
}

void TUserProject::btResultsViewClick()
{
    // No synthesis exists while an element's judgements do not connect its elements.
    if (btResultsView->isChecked() && RefusedForMissingComparisons()) {
        btResultsView->setChecked(false);
        return;
    }
    const bool show = btResultsView->isChecked();
    // The keyboard stays in the window: on the results while they are shown (so the
    // window's keys still reach it); the diagram gives it back to the current element.
    const bool keyboardHere = ElementHasFocus();
    RedrawLinks();
    ShowHierarchy(!show);
    ShowResultsView(show);
    if (show && keyboardHere) {
        ResultsView->setFocus(Qt::OtherFocusReason);
    }
    // Editing, orientation, expert work and cloning wait while the results are shown.
    for (QToolButton* button : {btEditMode, btHierarchyType, btExpertMode, btClone}) {
        button->setEnabled(!show);
    }
}

void TUserProject::btCloneClick()
{
    emit CloneRequested(this);
}

void TUserProject::mnCurrentPriorityClick()
{
    ShowLevelPriorities();
}

void TUserProject::OpenExpertForm()
{
    if (Services.ExpertForm != nullptr) {
        // One step per opening, whatever happened inside: applies, the scale, the keys. The
        // judging commits only the block it judged, so an opening that changed nothing
        // leaves no step (and keeps what redo holds).
        const std::string judged = CurrentElementName();
        ProjectDocument.BeginStep();
        Services.ExpertForm->JudgeElement(ProjectDocument, CurrentElementPosition, CurrentElementLevel, this);
        RecordStep(JudgingStepName(judged));
        ShowConsistencyMarks();
    }
}

void TUserProject::ShowLevelPriorities()
{
    TfmCurrentPriorityLevel* window = Services.LevelPriorities;
    if (window == nullptr || RefusedForMissingComparisons()) {
        return;
    }
    window->SetLevelRange(CurrentElementLevel, Model().LevelCount());
    window->ShowLevelPriorities(Model(), ProjectDocument.Results(), CurrentElementLevel, Mode);
    window->exec();
}

void TUserProject::ShowResultsView(bool show)
{
    ResultsView->ShowResultsView(Model(), ProjectDocument.Results(), show, Mode);
    UpdateCanvasSize();
    emit ResultsWarningChanged(show ? Text(UnacceptableWarningText(Model(),
                                   UnacceptableMatrices(Model(), ProjectDocument.Results()), DecimalSeparator()))
                                    : QString());
}

void TUserProject::FillResults()
{
    ResultsView->FillResults(Model(), ProjectDocument.Results(), Mode);
}

void TUserProject::SetSynthesisMode(ESynthesisMode mode)
{
    Mode = mode;
    if (btResultsView->isChecked()) {
        FillResults();
    }
}

void TUserProject::closeEvent(QCloseEvent* event)
{
    if (Services.MayClose && !Services.MayClose(ProjectDocument, *this)) {
        // A save the user asked for did not happen: the window stays so the work is not lost.
        event->ignore();
        return;
    }
    event->accept();
    if (btResultsView->isChecked()) {
        // Its results leave with it.
        emit ResultsWarningChanged(QString());
    }
    if (!ProjectDocument.ClosingAll()) {
        emit Closed(this);
    }
}

void TUserProject::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The diagram follows the window (maximising spreads a cramped level at once), laid
    // out and centred from the new size as after a structure command.
    if (Model().Built() && OuterSize() != LaidOutSize) {
        LayOutAgain();
    }
}

bool TUserProject::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ScrollBox->viewport() && event->type() == QEvent::Resize) {
        UpdateCanvasSize();
    }
    return QWidget::eventFilter(watched, event);
}

void TUserProject::mnSensitivityClick()
{
    ShowSensitivity(CurrentElementLevel, CurrentElementPosition);
}

void TUserProject::ShowSensitivity(std::uint32_t level, std::uint32_t position)
{
    TfmSensitivity* window = Services.Sensitivity;
    if (window == nullptr || RefusedForMissingComparisons()) {
        return;
    }
    window->ShowSensitivity(Model(), ProjectDocument.Results(), level, position, Mode);
    window->exec();
}

QRect TUserProject::HierarchyExtent() const
{
    QRect extent;
    for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
        for (std::uint32_t k = 0; k < Model().LevelCount() && k < MaxLevels; ++k) {
            if (Model().SlotInUse(p, k)) {
                const CRect& frame = Places->Places[p][k].Frame;
                extent |= QRect(frame.Left, frame.Top, frame.Width, frame.Height);
            }
        }
    }
    return extent;
}

void TUserProject::RenderHierarchy(QPainter& painter) const
{
    if (!Model().Built()) {
        return;
    }
    // The elements in use, whether the results view hides them at the moment or not.
    TElementGridOf<bool> inUse{};
    for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
        for (std::uint32_t k = 0; k < Model().LevelCount() && k < MaxLevels; ++k) {
            inUse[p][k] = Model().SlotInUse(p, k);
        }
    }
    auto links = std::make_unique<CLinkSet>();
    ComputeLinks(*links, *Places, Model(), inUse, Vertical);
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    for (std::uint32_t i = 0; i < links->Count; ++i) {
        const CLinkLine& line = links->Lines[i];
        painter.drawLine(line.X1, line.Y1, line.X2, line.Y2);
    }
    painter.restore();
    for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
        for (std::uint32_t k = 0; k < MaxLevels; ++k) {
            if (!inUse[p][k]) {
                continue;
            }
            // The frame first, so the box stands above it, as on the canvas.
            Bevels[p][k]->render(&painter, Bevels[p][k]->pos(), QRegion(), QWidget::DrawWindowBackground);
            Boxes[p][k]->render(&painter, Boxes[p][k]->pos(), QRegion(), QWidget::DrawWindowBackground);
        }
    }
}
