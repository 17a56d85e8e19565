#include "gui/view/TTreeProject.h"

#include "core/document/StepNames.h"
#include "core/model/CHierarchy.h"
#include "core/results/NumberFormat.h"
#include "core/results/ReportContent.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/judgement/TfmRatingScales.h"
#include "gui/judgement/TfmRatings.h"
#include "gui/results/CRatingResultsView.h"
#include "gui/results/CResultsView.h"
#include "gui/results/TfmTreePriorities.h"
#include "gui/results/TfmTreeSensitivity.h"
#include "gui/view/CProjectEditCommand.h"
#include "gui/view/CTreeOutlineModel.h"
#include "gui/view/PanelGlyphs.h"
#include "gui/widgets/CUserDialogs.h"
#include "gui/widgets/WidgetStyle.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QUndoStack>

#include <algorithm>
#include <utility>

namespace {
constexpr int PriorityDecimals = 4;

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Where the cursor goes when the tree changed under it (an undone or redone step): the
// criterion of the same names; else the one under the same number with the same parent
// (renamed); else the only criterion of its name (moved); else its nearest ancestor still
// there (removed), the goal last.
std::uint32_t CursorNodeAfterChange(const CHierarchy& tree, std::vector<std::string> path, std::uint32_t former)
{
    if (const std::optional<std::uint32_t> node = tree.NodeAt(path)) {
        return *node;
    }
    if (path.empty()) {
        return CHierarchy::GoalNode;
    }
    const std::string name = path.back();
    path.pop_back();
    if (former != CHierarchy::GoalNode && former < tree.NodeCount()
        && tree.Parents(former).front() == tree.NodeAt(path)) {
        return former;
    }
    std::uint32_t named = CHierarchy::GoalNode;
    std::uint32_t count = 0;
    for (std::uint32_t node = 1; node < tree.NodeCount(); ++node) {
        if (tree.Node(node).Name == name) {
            named = node;
            ++count;
        }
    }
    if (count == 1) {
        return named;
    }
    while (!path.empty() && !tree.NodeAt(path)) {
        path.pop_back();
    }
    return tree.NodeAt(path).value_or(CHierarchy::GoalNode);
}
} // namespace

TTreeProject::TTreeProject(
    std::function<bool(CProjectDocument&, QWidget&)> mayClose, CSharedWindow<TfmExpertForm> expertForm, QWidget* parent)
    : QWidget(parent)
    , MayClose(std::move(mayClose))
    , ExpertForm(std::move(expertForm))
{
    setObjectName(QStringLiteral("TreeProject"));
    UndoStack = new QUndoStack(this);
    // The steps' clean state is where the project was last saved, as in a layered project.
    connect(
        UndoStack, &QUndoStack::cleanChanged, this, [this](bool clean) { ProjectDocument.StepsAtSavedState(clean); });
    CSavedStateKeeper keeper;
    keeper.Saved = [this] { UndoStack->setClean(); };
    keeper.SavedStateLost = [this] { UndoStack->resetClean(); };
    keeper.ModifiedChanged = [this](bool modified) { setWindowModified(modified); };
    ProjectDocument.SetSavedStateKeeper(std::move(keeper));
    CreateControls();
    CreateCommands();
}

TTreeProject::~TTreeProject()
{
    // Qt deletes the children after this window's own members are gone: the undo stack
    // clearing itself must not call back into the document, and a shown outline hiding
    // itself must not read it. So the children go first, while the document is still here.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
    while (!children().isEmpty()) {
        delete children().constFirst();
    }
}

void TTreeProject::CreateControls()
{
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    spTree = splitter;
    splitter->setObjectName(QStringLiteral("spTree"));
    splitter->setChildrenCollapsible(false);

    OutlineModel = new CTreeOutlineModel(ProjectDocument, this);
    trOutline = new QTreeView(splitter);
    trOutline->setObjectName(QStringLiteral("trOutline"));
    trOutline->setAccessibleName(tr("Иерархия критериев"));
    trOutline->setModel(OutlineModel);
    trOutline->setSelectionMode(QAbstractItemView::SingleSelection);
    trOutline->setEditTriggers(QAbstractItemView::NoEditTriggers);
    trOutline->setContextMenuPolicy(Qt::ActionsContextMenu);
    trOutline->setAllColumnsShowFocus(true);
    trOutline->installEventFilter(this);
    // A criterion dragged to another place is moved there, as Alt+arrows move it.
    trOutline->setDragEnabled(true);
    trOutline->setAcceptDrops(true);
    trOutline->setDropIndicatorShown(true);
    trOutline->setDragDropMode(QAbstractItemView::InternalMove);
    trOutline->setDefaultDropAction(Qt::MoveAction);
    trOutline->header()->setStretchLastSection(false);
    trOutline->header()->setSectionResizeMode(CTreeOutlineModel::NameColumn, QHeaderView::Stretch);
    for (int column = CTreeOutlineModel::LocalColumn; column < CTreeOutlineModel::ConsistencyColumn; ++column) {
        trOutline->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    // Fitted by FitOutlineColumns: a long scale name must not squeeze the criteria's names.
    trOutline->header()->setSectionResizeMode(CTreeOutlineModel::ConsistencyColumn, QHeaderView::Interactive);

    connect(
        trOutline->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
            if (current.isValid()) {
                CurrentPath = ProjectDocument.Tree().Path(CTreeOutlineModel::NodeOf(current));
            }
            // Only a rated criterion has a scale to choose.
            mnCriterionScale->setEnabled(
                ProjectDocument.IsTree() && ProjectDocument.Tree().IsRated(CTreeOutlineModel::NodeOf(current)));
        });

    lvAlternatives = new QTreeWidget(splitter);
    lvAlternatives->setObjectName(QStringLiteral("lvAlternatives"));
    lvAlternatives->setAccessibleName(tr("Альтернативы"));
    lvAlternatives->setRootIsDecorated(false);
    lvAlternatives->setColumnCount(2);
    lvAlternatives->setHeaderLabels({tr("Альтернатива"), tr("Приоритет")});
    lvAlternatives->header()->setStretchLastSection(false);
    lvAlternatives->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvAlternatives->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lvAlternatives->setContextMenuPolicy(Qt::ActionsContextMenu);
    lvAlternatives->installEventFilter(this);

    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("UserPanel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    layout->addWidget(panel);
    layout->addWidget(splitter, 1);
    CreateResultsCommands(panel);
    layout->addWidget(ResultsBox, 1);
    RatingView = new CRatingResultsView(this);
    RatingView->setAccessibleName(tr("Итоговый результат"));
    RatingView->setFocusPolicy(Qt::StrongFocus);
    RatingView->setFocusProxy(RatingView->tvRatingResults);
    layout->addWidget(RatingView, 1);
}

void TTreeProject::CreateResultsCommands(QWidget* panel)
{
    // The results button of a layered project's panel, with its key.
    panel->setFixedWidth(37);
    btResultsView = new QToolButton(panel);
    btResultsView->setObjectName(QStringLiteral("btResultsView"));
    btResultsView->setGeometry(5, 11, 23, 23);
    btResultsView->setToolTip(tr("Показать результат"));
    btResultsView->setAccessibleName(btResultsView->toolTip());
    btResultsView->setIcon(PanelGlyphs::ResultsView());
    btResultsView->setIconSize(QSize(17, 17));
    btResultsView->setFocusPolicy(Qt::NoFocus);
    btResultsView->setCheckable(true);
    connect(btResultsView, &QToolButton::clicked, this, [this] { btResultsViewClick(); });
    auto* key = new QAction(this);
    key->setObjectName(QStringLiteral("acResultsView"));
    key->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));
    key->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(key);
    connect(key, &QAction::triggered, btResultsView, &QToolButton::click);
    btResultsView->setAccessibleDescription(tr("Клавиши: %1").arg(key->shortcut().toString(QKeySequence::NativeText)));

    ResultsView = new CResultsView;
    ResultsView->setAccessibleName(tr("Итоговый результат"));
    ResultsView->setFocusPolicy(Qt::StrongFocus);
    ResultsBox = new QScrollArea(this);
    ResultsBox->setObjectName(QStringLiteral("ResultsBox"));
    ResultsBox->setFrameShape(QFrame::NoFrame);
    ResultsBox->setWidget(ResultsView);
    ResultsBox->hide();

    // The criteria's priorities and the sensitivity from the outline's context menu.
    mnCurrentPriority = new QAction(tr("Показать приоритеты уровня"), trOutline);
    mnCurrentPriority->setObjectName(QStringLiteral("mnCurrentPriority"));
    trOutline->addAction(mnCurrentPriority);
    connect(mnCurrentPriority, &QAction::triggered, this, [this] { ShowLevelPriorities(CurrentNode()); });
    mnSensitivity = new QAction(tr("Анализ чувствительности"), trOutline);
    mnSensitivity->setObjectName(QStringLiteral("mnSensitivity"));
    trOutline->addAction(mnSensitivity);
    connect(mnSensitivity, &QAction::triggered, this, [this] { ShowSensitivity(CurrentNode()); });
    auto* ratings = new QAction(tr("Оценки альтернатив"), this);
    ratings->setObjectName(QStringLiteral("mnRatings"));
    ratings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_4));
    ratings->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(ratings);
    trOutline->addAction(ratings);
    connect(ratings, &QAction::triggered, this, [this] { ShowRatings(CurrentNode()); });
}

void TTreeProject::ShowRatings(std::uint32_t node)
{
    if (ProjectDocument.Tree().Evaluation() != EAlternativeEvaluation::Ratings) {
        UserDialogs().Inform(this, tr("Альтернативы этого проекта сравниваются попарно, а не оцениваются по шкалам."),
            QStringLiteral("Message"));
        return;
    }
    if (RatingsForm == nullptr) {
        RatingsForm = new TfmRatings(
            ProjectDocument, *UndoStack,
            [this](const std::string& refusal, const std::string& stepName) {
                if (FinishStep(refusal, stepName)) {
                    Reshow();
                }
            },
            this);
    }
    RatingsForm->ShowCriterion(node);
}

bool TTreeProject::RefusedForMissingComparisons()
{
    const std::string refusal = HierarchyNotConnectedText(ProjectDocument.Tree(), ProjectDocument.TreeResults());
    if (refusal.empty()) {
        return false;
    }
    UserDialogs().Inform(this, Text(refusal), QStringLiteral("Message"));
    return true;
}

void TTreeProject::btResultsViewClick()
{
    if (btResultsView->isChecked() && RefusedForMissingComparisons()) {
        btResultsView->setChecked(false);
        return;
    }
    const bool show = btResultsView->isChecked();
    spTree->setVisible(!show);
    ShowResults(show);
    if (show) {
        (Rated() ? static_cast<QWidget*>(RatingView) : ResultsView)->setFocus(Qt::OtherFocusReason);
    } else {
        trOutline->setFocus(Qt::OtherFocusReason);
    }
}

void TTreeProject::ShowLevelPriorities(std::uint32_t node)
{
    if (!ProjectDocument.IsTree() || RefusedForMissingComparisons()) {
        return;
    }
    if (PrioritiesWindow == nullptr) {
        PrioritiesWindow = new TfmTreePriorities(this);
    }
    PrioritiesWindow->ShowPriorities(ProjectDocument.Tree(), ProjectDocument.TreeResults(), node);
    PrioritiesWindow->exec();
}

void TTreeProject::ShowSensitivity(std::uint32_t node)
{
    if (!ProjectDocument.IsTree() || RefusedForMissingComparisons()) {
        return;
    }
    if (SensitivityWindow == nullptr) {
        SensitivityWindow = new TfmTreeSensitivity(this);
    }
    if (Rated()) {
        SensitivityWindow->ShowRatingSensitivity(ProjectDocument.Tree(), ProjectDocument.RatingResults(), node);
    } else {
        SensitivityWindow->ShowSensitivity(ProjectDocument.Tree(), ProjectDocument.TreeResults(), node, Synthesis);
    }
    SensitivityWindow->exec();
}

void TTreeProject::CreateCommands()
{
    auto command
        = [this](QWidget* target, const char* name, const QString& caption, const QKeySequence& key, auto handler) {
              auto* item = new QAction(caption, target);
              item->setObjectName(QString::fromLatin1(name));
              item->setShortcut(key);
              // The keys act while their list has the keyboard, as its context menu does.
              item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
              target->addAction(item);
              connect(item, &QAction::triggered, this, handler);
              return item;
          };
    mnAddSubCriterion = command(trOutline, "mnAddSubCriterion", tr("Добавить подкритерий..."),
        QKeySequence(Qt::Key_Insert), [this] { AddCriterionClick(false); });
    mnAddCriterion = command(trOutline, "mnAddCriterion", tr("Добавить критерий рядом..."),
        QKeySequence(Qt::CTRL | Qt::Key_Insert), [this] { AddCriterionClick(true); });
    mnRenameCriterion = command(trOutline, "mnRenameCriterion", tr("Переименовать критерий..."),
        QKeySequence(Qt::Key_F2), [this] { RenameCriterionClick(); });
    mnCommentCriterion = command(trOutline, "mnCommentCriterion", tr("Комментарий к критерию..."),
        QKeySequence(Qt::SHIFT | Qt::Key_F2), [this] { CommentCriterionClick(); });
    mnDeleteCriterion = command(trOutline, "mnDeleteCriterion", tr("Удалить с подкритериями"),
        QKeySequence(Qt::Key_Delete), [this] { DeleteCriterionClick(); });
    mnMoveUp = command(trOutline, "mnMoveUp", tr("Переместить вверх"), QKeySequence(Qt::ALT | Qt::Key_Up),
        [this] { MoveCriterionClick(-1); });
    mnMoveDown = command(trOutline, "mnMoveDown", tr("Переместить вниз"), QKeySequence(Qt::ALT | Qt::Key_Down),
        [this] { MoveCriterionClick(1); });
    mnMoveOut = command(trOutline, "mnMoveOut", tr("Вынести на уровень выше"), QKeySequence(Qt::ALT | Qt::Key_Left),
        [this] { MoveCriterionOutClick(); });
    mnMoveIn = command(trOutline, "mnMoveIn", tr("Сделать подкритерием предыдущего"),
        QKeySequence(Qt::ALT | Qt::Key_Right), [this] { MoveCriterionInClick(); });
    mnCriterionScale = command(trOutline, "mnCriterionScale", tr("Шкала критерия..."), QKeySequence(Qt::Key_F4),
        [this] { CriterionScaleClick(); });
    mnCriterionScale->setVisible(false);
    connect(trOutline, &QAbstractItemView::activated, this,
        [this](const QModelIndex& index) { JudgeCriterion(CTreeOutlineModel::NodeOf(index)); });
    // A drop asks while the view is still inside its drop: the move waits for it to end.
    connect(
        OutlineModel, &CTreeOutlineModel::MoveRequested, this, &TTreeProject::MoveCriterionTo, Qt::QueuedConnection);

    mnAlternativesSeparator = new QAction(this);
    mnAlternativesSeparator->setSeparator(true);
    mnAddAlternative = command(lvAlternatives, "mnAddAlternative", tr("Добавить альтернативу..."),
        QKeySequence(Qt::Key_Insert), [this] { AddAlternativeClick(); });
    mnRenameAlternative = command(lvAlternatives, "mnRenameAlternative", tr("Переименовать альтернативу..."),
        QKeySequence(Qt::Key_F2), [this] { RenameAlternativeClick(); });
    mnDeleteAlternative = command(lvAlternatives, "mnDeleteAlternative", tr("Удалить альтернативу"),
        QKeySequence(Qt::Key_Delete), [this] { DeleteAlternativeClick(); });
    mnMoveAlternativeUp = command(lvAlternatives, "mnMoveAlternativeUp", tr("Переместить альтернативу вверх"),
        QKeySequence(Qt::ALT | Qt::Key_Up), [this] { MoveAlternativeClick(-1); });
    mnMoveAlternativeDown = command(lvAlternatives, "mnMoveAlternativeDown", tr("Переместить альтернативу вниз"),
        QKeySequence(Qt::ALT | Qt::Key_Down), [this] { MoveAlternativeClick(1); });
}

QList<QAction*> TTreeProject::EditCommands() const
{
    return {mnAddSubCriterion, mnAddCriterion, mnRenameCriterion, mnCommentCriterion, mnDeleteCriterion, mnMoveUp,
        mnMoveDown, mnMoveOut, mnMoveIn, mnCriterionScale, mnAlternativesSeparator, mnAddAlternative,
        mnRenameAlternative, mnDeleteAlternative, mnMoveAlternativeUp, mnMoveAlternativeDown};
}

void TTreeProject::BuildNewTree(const QString& goal, EAlternativeEvaluation evaluation)
{
    CHierarchy tree(goal.toStdString());
    // A decision needs a criterion and two alternatives; the user renames them.
    tree.AddCriterion(CHierarchy::GoalNode, 0, tr("Критерий %1").arg(1).toStdString());
    tree.AddAlternative(0, tr("Альтернатива %1").arg(1).toStdString());
    tree.AddAlternative(1, tr("Альтернатива %1").arg(2).toStdString());
    tree.SetEvaluation(evaluation);
    ProjectDocument.BuildTree(std::move(tree));
    ShowLoadedTree();
}

void TTreeProject::BuildConvertedTree(CHierarchy tree)
{
    ProjectDocument.BuildTree(std::move(tree));
    ShowLoadedTree();
    ProjectDocument.ForgetSavedState();
}

void TTreeProject::ShowLoadedTree()
{
    UndoStack->clear();
    OutlineModel->Reload();
    trOutline->expandAll();
    SelectNode(CHierarchy::GoalNode);
    ShowEvaluation();
    ShowAlternatives();
    FitOutlineColumns();
}

void TTreeProject::SetSynthesisMode(ESynthesisMode mode)
{
    Synthesis = mode;
    ShowAlternatives();
}

std::uint32_t TTreeProject::CurrentNode() const
{
    return CTreeOutlineModel::NodeOf(trOutline->currentIndex());
}

void TTreeProject::SelectNode(std::uint32_t node)
{
    trOutline->setCurrentIndex(OutlineModel->IndexOfNode(node));
}

bool TTreeProject::Rated() const
{
    return ProjectDocument.IsTree() && ProjectDocument.Tree().Evaluation() == EAlternativeEvaluation::Ratings;
}

void TTreeProject::ShowResults(bool show)
{
    // A rated tree's figures are its scores; the hierarchy synthesis has none for it.
    const bool rated = Rated();
    ResultsBox->setVisible(show && !rated);
    ResultsView->ShowHierarchyResults(ProjectDocument.Tree(), ProjectDocument.TreeResults(), show && !rated, Synthesis);
    if (show && rated) {
        RatingView->ShowRatingResults(ProjectDocument.Tree(), ProjectDocument.RatingResults());
    }
    RatingView->setVisible(show && rated);
}

void TTreeProject::ShowAlternatives()
{
    // The cursor stays on its row, or on the last one when its row is gone.
    const int currentRow = lvAlternatives->currentIndex().row();
    lvAlternatives->clear();
    if (!ProjectDocument.IsTree()) {
        return;
    }
    if (btResultsView->isChecked()) {
        // The results shown follow every step, undo and the synthesis mode.
        ShowResults(true);
    }
    const CHierarchy& tree = ProjectDocument.Tree();
    const CHierarchyResults& results = ProjectDocument.TreeResults();
    if (Rated()) {
        ShowRatedAlternatives();
        if (currentRow >= 0 && tree.AlternativeCount() > 0) {
            SelectAlternative(std::min(static_cast<std::uint32_t>(currentRow), tree.AlternativeCount() - 1));
        }
        return;
    }
    lvAlternatives->setColumnCount(2);
    lvAlternatives->setHeaderLabels({tr("Альтернатива"), tr("Приоритет")});
    const std::vector<double>& priorities
        = Synthesis == ESynthesisMode::Ideal ? results.Ideal() : results.Distributive();
    for (std::uint32_t a = 0; a < tree.AlternativeCount() && tree.Evaluation() == EAlternativeEvaluation::Pairs; ++a) {
        auto* item = new QTreeWidgetItem(lvAlternatives);
        item->setText(0, Text(tree.Alternatives()[a].Name));
        item->setToolTip(0, item->text(0));
        // No priorities while some criterion's judgements do not connect what it compares.
        item->setText(1,
            a < priorities.size() && !results.NotConnected()
                ? Text(FormatTruncated(priorities[a], PriorityDecimals, DecimalSeparator()))
                : QStringLiteral("—"));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (currentRow >= 0 && tree.AlternativeCount() > 0) {
        SelectAlternative(std::min(static_cast<std::uint32_t>(currentRow), tree.AlternativeCount() - 1));
    }
}

void TTreeProject::ShowRatedAlternatives()
{
    const CHierarchy& tree = ProjectDocument.Tree();
    const CRatingResults& ratings = ProjectDocument.RatingResults();
    lvAlternatives->setColumnCount(3);
    lvAlternatives->setHeaderLabels({tr("Альтернатива"), tr("Оценка"), tr("Доля")});
    lvAlternatives->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    const bool known = !ratings.Criteria().NotConnected() && ratings.Scores().size() == tree.AlternativeCount();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(tree.AlternativeCount()));
    for (std::uint32_t a = 0; a < tree.AlternativeCount(); ++a) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, Text(tree.Alternatives()[a].Name));
        item->setToolTip(0, item->text(0));
        const QString score = known ? Text(FormatTruncated(ratings.Scores()[a], PriorityDecimals, DecimalSeparator()))
                                    : QStringLiteral("—");
        item->setText(1, known && !ratings.Complete(a) ? tr("%1, не все оценки").arg(score) : score);
        item->setText(2,
            known ? Text(FormatTruncated(ratings.Shares()[a], PriorityDecimals, DecimalSeparator()))
                  : QStringLiteral("—"));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        items.push_back(item);
    }
    // All at once: a thousand rows added one by one would lay the list out a thousand times.
    lvAlternatives->addTopLevelItems(items);
}

void TTreeProject::Reshow()
{
    const std::vector<std::string> path = CurrentPath;
    const std::uint32_t former = CurrentNode();
    OutlineModel->Reload();
    trOutline->expandAll();
    SelectNode(CursorNodeAfterChange(ProjectDocument.Tree(), path, former));
    ShowEvaluation();
    ShowAlternatives();
    FitOutlineColumns();
}

void TTreeProject::FitOutlineColumns()
{
    // The consistency column takes what it needs up to a third of the outline; past that
    // its text is elided and read whole in its tooltip.
    const int column = CTreeOutlineModel::ConsistencyColumn;
    trOutline->resizeColumnToContents(column);
    const int wanted = trOutline->header()->sectionSize(column);
    // The outline's own width: its viewport follows only after the outline's resize event.
    trOutline->header()->resizeSection(column, std::min(wanted, trOutline->width() / 3));
}

void TTreeProject::ShowEvaluation()
{
    const bool rated
        = ProjectDocument.IsTree() && ProjectDocument.Tree().Evaluation() == EAlternativeEvaluation::Ratings;
    mnCriterionScale->setVisible(rated);
    mnCriterionScale->setEnabled(rated && ProjectDocument.Tree().IsRated(CurrentNode()));
}

bool TTreeProject::FinishStep(const std::string& refusal, const std::string& stepName)
{
    CHierarchyChange change = ProjectDocument.EndStep();
    if (!refusal.empty()) {
        UserDialogs().Inform(this, tr("Изменение не сделано: %1.").arg(Text(refusal)), QStringLiteral("Message"));
        return false;
    }
    if (!change.Empty()) {
        UndoStack->push(new CProjectEditCommand(
            ProjectDocument, std::move(change), [this] { Reshow(); }, Text(stepName)));
    }
    return true;
}

QString TTreeProject::AskName(const QString& label, const QString& initial)
{
    return UserDialogs().AskText(this, label, tr("Критерий"), initial);
}

std::optional<QString> TTreeProject::AskComment(const QString& label, const QString& initial)
{
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlgComment"));
    dialog.setWindowTitle(tr("Комментарий"));
    dialog.setLabelText(label);
    dialog.setOption(QInputDialog::UsePlainTextEditForTextInput);
    dialog.setTextValue(initial);
    // Room for a line of sixty letters, as the name question has; a longer line wraps.
    if (auto* edit = dialog.findChild<QPlainTextEdit*>()) {
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 64);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue().trimmed();
}

void TTreeProject::AddCriterionClick(bool beside)
{
    const std::uint32_t current = CurrentNode();
    const CHierarchy& tree = ProjectDocument.Tree();
    const bool underParent = beside && current != CHierarchy::GoalNode;
    const std::uint32_t parent = underParent ? tree.Parents(current).front() : current;
    const auto index = static_cast<std::uint32_t>(
        underParent ? trOutline->currentIndex().row() + 1 : static_cast<int>(tree.Node(parent).Children.size()));
    const QString name = AskName(tr("Название нового критерия:"), QString());
    if (name.isEmpty()) {
        return;
    }
    ProjectDocument.BeginStep();
    const std::string refusal = ProjectDocument.AddCriterion(parent, index, name.toStdString());
    if (FinishStep(refusal, AddCriterionStepName(name.toStdString()))) {
        // The levels above the new criterion keep their numbers, its parent's included.
        OutlineModel->Reload();
        trOutline->expandAll();
        SelectNode(ProjectDocument.Tree().Node(parent).Children[index]);
        ShowAlternatives();
    }
}

void TTreeProject::RenameCriterionClick()
{
    const std::uint32_t node = CurrentNode();
    const CHierarchyNode& before = ProjectDocument.Tree().Node(node);
    const std::string nameBefore = before.Name;
    const std::string comment = before.Comment;
    const QString name = AskName(tr("Полное название критерия:"), Text(nameBefore));
    if (name.isEmpty() || name.toStdString() == nameBefore) {
        return;
    }
    ProjectDocument.BeginStep();
    const std::string refusal = ProjectDocument.SetNodeText(node, name.toStdString(), comment);
    if (FinishStep(refusal, EditCriterionStepName(nameBefore, name.toStdString(), false))) {
        Reshow();
        SelectNode(node);
    }
}

void TTreeProject::DeleteCriterionClick()
{
    const std::uint32_t node = CurrentNode();
    if (node == CHierarchy::GoalNode) {
        return;
    }
    const std::string name = ProjectDocument.Tree().Node(node).Name;
    const std::uint32_t parent = ProjectDocument.Tree().Parents(node).front();
    ProjectDocument.BeginStep();
    const std::string refusal = ProjectDocument.RemoveCriterion(node);
    if (FinishStep(refusal, RemoveCriterionStepName(name))) {
        // Its parent lies on a level above the removed subtree and keeps its number.
        OutlineModel->Reload();
        trOutline->expandAll();
        SelectNode(parent);
        ShowAlternatives();
    }
}

void TTreeProject::MoveCriterionClick(int by)
{
    const std::uint32_t node = CurrentNode();
    if (node == CHierarchy::GoalNode) {
        return;
    }
    const CHierarchy& tree = ProjectDocument.Tree();
    const std::uint32_t parent = tree.Parents(node).front();
    const int target = trOutline->currentIndex().row() + by;
    if (target < 0 || target >= static_cast<int>(tree.Node(parent).Children.size())) {
        return;
    }
    const std::string name = tree.Node(node).Name;
    ProjectDocument.BeginStep();
    const std::string refusal = ProjectDocument.MoveCriterion(node, parent, static_cast<std::uint32_t>(target));
    if (FinishStep(refusal, MoveCriterionStepName(name))) {
        OutlineModel->Reload();
        trOutline->expandAll();
        SelectNode(ProjectDocument.Tree().Node(parent).Children[static_cast<std::size_t>(target)]);
        ShowAlternatives();
    }
}

void TTreeProject::JudgeCriterion(std::uint32_t node)
{
    const CHierarchy& tree = ProjectDocument.Tree();
    if (tree.IsRated(node)) {
        ShowRatings(node);
        return;
    }
    // A single child is never judged.
    if (ExpertForm == nullptr || tree.ComparedCount(node) < 2) {
        return;
    }
    const std::string name = tree.Node(node).Name;
    ProjectDocument.BeginStep();
    ExpertForm->JudgeNode(ProjectDocument, node, this);
    FinishStep(std::string(), JudgingStepName(name));
    Reshow();
}

void TTreeProject::closeEvent(QCloseEvent* event)
{
    if (MayClose && !MayClose(ProjectDocument, *this)) {
        // A save the user asked for did not happen: the window stays so the work is not lost.
        event->ignore();
        return;
    }
    event->accept();
    if (!ProjectDocument.ClosingAll()) {
        emit Closed(this);
    }
}

bool TTreeProject::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == trOutline && event->type() == QEvent::Resize) {
        FitOutlineColumns();
    }
    if ((watched == trOutline || watched == lvAlternatives) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The Menu key and Shift+F10 open the list's menu under its current row, as a right
        // click opens it under the mouse.
        if ((key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Menu)
            || (key->modifiers() == Qt::ShiftModifier && key->key() == Qt::Key_F10)) {
            auto* view = static_cast<QAbstractItemView*>(watched);
            const QRect row = view->visualRect(view->currentIndex());
            const QPoint at = row.isValid() ? row.bottomLeft() : QPoint(0, 0);
            QMenu::exec(view->actions(), view->viewport()->mapToGlobal(at), nullptr, view);
            return true;
        }
    }
    if (watched == trOutline && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QModelIndex current = trOutline->currentIndex().siblingAtColumn(CTreeOutlineModel::NameColumn);
        const bool unfolded = current.isValid() && OutlineModel->hasChildren(current) && trOutline->isExpanded(current);
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Left && !unfolded
            && current.parent().isValid()) {
            trOutline->setCurrentIndex(current.parent());
            return true;
        }
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Right && unfolded) {
            trOutline->setCurrentIndex(OutlineModel->index(0, CTreeOutlineModel::NameColumn, current));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TTreeProject::MoveCriterionOutClick()
{
    const std::uint32_t node = CurrentNode();
    const CHierarchy& tree = ProjectDocument.Tree();
    if (node == CHierarchy::GoalNode || tree.Parents(node).front() == CHierarchy::GoalNode) {
        return; // the first level has only the goal above it
    }
    const std::uint32_t parent = tree.Parents(node).front();
    const std::uint32_t grandParent = tree.Parents(parent).front();
    const std::vector<std::uint32_t>& aunts = tree.Node(grandParent).Children;
    const auto place = static_cast<std::uint32_t>(std::find(aunts.begin(), aunts.end(), parent) - aunts.begin());
    MoveCriterionTo(node, grandParent, place + 1);
}

void TTreeProject::MoveCriterionInClick()
{
    const std::uint32_t node = CurrentNode();
    const int row = trOutline->currentIndex().row();
    if (node == CHierarchy::GoalNode || row <= 0) {
        return; // no criterion before it to take it in
    }
    const CHierarchy& tree = ProjectDocument.Tree();
    const std::uint32_t previous = tree.Node(tree.Parents(node).front()).Children[static_cast<std::size_t>(row - 1)];
    MoveCriterionTo(node, previous, static_cast<std::uint32_t>(tree.Node(previous).Children.size()));
}

void TTreeProject::MoveCriterionTo(std::uint32_t node, std::uint32_t newParent, std::uint32_t index)
{
    const CHierarchy& tree = ProjectDocument.Tree();
    if (node == CHierarchy::GoalNode || node >= tree.NodeCount() || newParent >= tree.NodeCount()) {
        return;
    }
    const std::string name = tree.Node(node).Name;
    std::vector<std::string> path = tree.Path(newParent);
    path.push_back(name);
    ProjectDocument.BeginStep();
    const std::string refusal = ProjectDocument.MoveCriterion(node, newParent, index);
    if (FinishStep(refusal, MoveCriterionStepName(name))) {
        CurrentPath = path;
        Reshow();
    }
}

void TTreeProject::CommentCriterionClick()
{
    const std::uint32_t node = CurrentNode();
    const CHierarchyNode& criterion = ProjectDocument.Tree().Node(node);
    const std::string name = criterion.Name;
    const std::optional<QString> comment
        = AskComment(tr("Комментарий к критерию «%1»:").arg(Text(name)), Text(criterion.Comment));
    if (!comment) {
        return;
    }
    ProjectDocument.BeginStep();
    const std::string refusal = ProjectDocument.SetNodeText(node, name, comment->toStdString());
    if (FinishStep(refusal, EditCriterionStepName(name, name, true))) {
        Reshow();
    }
}

std::optional<std::uint32_t> TTreeProject::CurrentAlternative() const
{
    const int row = lvAlternatives->currentIndex().row();
    if (row < 0 || static_cast<std::uint32_t>(row) >= ProjectDocument.Tree().AlternativeCount()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(row);
}

void TTreeProject::SelectAlternative(std::uint32_t index)
{
    lvAlternatives->setCurrentItem(lvAlternatives->topLevelItem(static_cast<int>(index)));
}

void TTreeProject::AddAlternativeClick()
{
    const std::optional<std::uint32_t> current = CurrentAlternative();
    const std::uint32_t index = current ? *current + 1 : ProjectDocument.Tree().AlternativeCount();
    const QString name = UserDialogs().AskText(this, tr("Название новой альтернативы:"), tr("Альтернатива"), QString());
    if (name.isEmpty()) {
        return;
    }
    ProjectDocument.BeginStep();
    const std::string refusal = ProjectDocument.AddAlternative(index, name.toStdString());
    if (FinishStep(refusal, AddAlternativeStepName(name.toStdString()))) {
        Reshow();
        SelectAlternative(index);
    }
}

void TTreeProject::RenameAlternativeClick()
{
    const std::optional<std::uint32_t> index = CurrentAlternative();
    if (!index) {
        return;
    }
    const CAlternative before = ProjectDocument.Tree().Alternatives()[*index];
    const QString name
        = UserDialogs().AskText(this, tr("Полное название альтернативы:"), tr("Альтернатива"), Text(before.Name));
    if (name.isEmpty() || name.toStdString() == before.Name) {
        return;
    }
    ProjectDocument.BeginStep();
    const std::string refusal = ProjectDocument.SetAlternativeText(*index, name.toStdString(), before.Comment);
    if (FinishStep(refusal, EditAlternativeStepName(before.Name, name.toStdString(), false))) {
        Reshow();
    }
}

void TTreeProject::DeleteAlternativeClick()
{
    const std::optional<std::uint32_t> index = CurrentAlternative();
    if (!index) {
        return;
    }
    const std::string name = ProjectDocument.Tree().Alternatives()[*index].Name;
    ProjectDocument.BeginStep();
    const std::string refusal = ProjectDocument.RemoveAlternative(*index);
    if (FinishStep(refusal, RemoveAlternativeStepName(name))) {
        Reshow();
    }
}

void TTreeProject::MoveAlternativeClick(int by)
{
    const std::optional<std::uint32_t> index = CurrentAlternative();
    if (!index) {
        return;
    }
    const std::int64_t target = static_cast<std::int64_t>(*index) + by;
    if (target < 0 || target >= ProjectDocument.Tree().AlternativeCount()) {
        return;
    }
    const std::string name = ProjectDocument.Tree().Alternatives()[*index].Name;
    ProjectDocument.BeginStep();
    const std::string refusal = ProjectDocument.MoveAlternative(*index, static_cast<std::uint32_t>(target));
    if (FinishStep(refusal, MoveAlternativeStepName(name))) {
        Reshow();
        SelectAlternative(static_cast<std::uint32_t>(target));
    }
}

void TTreeProject::SetEvaluationClick(EAlternativeEvaluation evaluation)
{
    if (!ProjectDocument.IsTree() || ProjectDocument.Tree().Evaluation() == evaluation) {
        return;
    }
    const bool ratings = evaluation == EAlternativeEvaluation::Ratings;
    const QString question = ratings
        ? tr("Сравнения альтернатив по всем критериям будут удалены: альтернативы будут оцениваться по шкалам. "
             "Продолжить?")
        : tr("Оценки альтернатив и шкалы будут удалены: альтернативы будут сравниваться попарно. Продолжить?");
    if (!UserDialogs().AskYesNo(this, question, QStringLiteral("Message"))) {
        return;
    }
    ProjectDocument.BeginStep();
    const std::string refusal = ProjectDocument.SetEvaluation(evaluation);
    if (FinishStep(refusal, EvaluationStepName(ratings))) {
        Reshow();
    }
}

void TTreeProject::ShowRatingScales()
{
    if (!ProjectDocument.IsTree() || ProjectDocument.Tree().Evaluation() != EAlternativeEvaluation::Ratings) {
        return;
    }
    TfmRatingScales window(
        ProjectDocument,
        [this](const std::string& refusal, const std::string& stepName) {
            const bool done = FinishStep(refusal, stepName);
            Reshow();
            return done;
        },
        ExpertForm, this);
    window.exec();
}

void TTreeProject::CriterionScaleClick()
{
    const std::uint32_t node = CurrentNode();
    const CHierarchy& tree = ProjectDocument.Tree();
    if (!tree.IsRated(node)) {
        return;
    }
    QStringList names;
    for (const CRatingScale& scale : tree.Scales()) {
        names << Text(scale.Name);
    }
    const CHierarchyNode& criterion = tree.Node(node);
    const int chosen = UserDialogs().AskChoice(this, tr("Шкала критерия «%1»:").arg(Text(criterion.Name)),
        tr("Шкала критерия"), names, static_cast<int>(criterion.Scale));
    if (chosen < 0 || static_cast<std::uint32_t>(chosen) == criterion.Scale) {
        return;
    }
    const CRatingScale& before = tree.Scales()[criterion.Scale];
    const CRatingScale& after = tree.Scales()[static_cast<std::size_t>(chosen)];
    const bool rated = std::any_of(
        criterion.Ratings.begin(), criterion.Ratings.end(), [](std::int8_t rating) { return rating != NotRated; });
    // Ratings name intensities by their place: a scale of another length cannot keep them.
    if (rated && before.Intensities.size() != after.Intensities.size()
        && !UserDialogs().AskYesNo(this,
            tr("В шкале «%1» другое число интенсивностей, чем в шкале «%2»: оценки альтернатив по критерию «%3» "
               "будут удалены. Продолжить?")
                .arg(Text(after.Name), Text(before.Name), Text(criterion.Name)),
            QStringLiteral("Message"))) {
        return;
    }
    const std::string name = criterion.Name;
    ProjectDocument.BeginStep();
    const std::string refusal = ProjectDocument.SetCriterionScale(node, static_cast<std::uint32_t>(chosen));
    if (FinishStep(refusal, CriterionScaleStepName(name))) {
        Reshow();
    }
}
