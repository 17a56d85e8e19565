#pragma once

// The project window: one per open project, a child of the frame's document area.
// It owns the core model, the 90 element boxes with their frames (created once,
// afterwards only placed, styled, shown and hidden), the tool panel and the canvas.
//
// The public operations below are what the frame and the other windows rely on.

#include "core/document/CProjectDocument.h"
#include "core/layout/ElementNavigation.h"
#include "core/layout/LayoutGeometry.h"
#include "core/model/CriticalSection.h"
#include "core/results/SynthesisMode.h"
#include "gui/widgets/CSharedWindow.h"

#include <QRect>
#include <QSize>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class TLoadSaveProject;
class CBevel_of_HElement;
class TAddNewLevel;
class TfmCurrentPriorityLevel;
class TfmSensitivity;
class TfmElementEdit;
class TfmExpertForm;
class CHierarchyCanvas;
class CResultsView;
class CHierarchyElementBox;
class QAction;
class QButtonGroup;
class QFrame;
class QMenu;
class QPainter;
class QScrollArea;
class QToolButton;
class QUndoStack;

// The shared windows a project window works with, handed over by whoever creates it;
// a missing one makes its command do nothing.
struct CProjectWindowServices {
    CSharedWindow<TfmElementEdit> ElementEdit;
    CSharedWindow<TAddNewLevel> AddNewLevel;
    CSharedWindow<TfmExpertForm> ExpertForm;
    CSharedWindow<TfmCurrentPriorityLevel> LevelPriorities;
    CSharedWindow<TfmSensitivity> Sensitivity;
    // The save question when the window closes: false keeps the window open (a save the
    // user asked for did not happen). Without it the window closes silently.
    std::function<bool(CProjectDocument&, QWidget&)> MayClose;
};

class TUserProject final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TUserProject)

public:
    explicit TUserProject(const CProjectWindowServices& services = {}, QWidget* parent = nullptr);
    ~TUserProject() override;

    // The shared windows, when the creator hands them over after construction.
    void SetServices(const CProjectWindowServices& services) { Services = services; }

    CProjectDocument& Document() { return ProjectDocument; }
    [[nodiscard]] const CProjectDocument& Document() const { return ProjectDocument; }
    [[nodiscard]] const CUserProjectModel& Model() const { return ProjectDocument.Model(); }

    // The element last pressed with the mouse or given the keyboard focus; the commands act on it.
    [[nodiscard]] std::uint32_t CurrentPosition() const { return CurrentElementPosition; }
    [[nodiscard]] std::uint32_t CurrentLevel() const { return CurrentElementLevel; }
    [[nodiscard]] const std::string& CurrentElementName() const
    {
        return Model().Element(CurrentElementPosition, CurrentElementLevel).Name;
    }
    // False (and the fatal model error handled: the window closes) outside the grid.
    bool SetCurrent(std::uint32_t position, std::uint32_t level);
    [[nodiscard]] bool VerticalOrientation() const { return Vertical; }

    // Stages 1, 2a and 3: the hierarchy from the new-project dialog's values
    // (already clamped by the caller), laid out and shown.
    void BuildNewHierarchy(
        std::uint32_t elementsPerLevel, std::uint32_t levelCount, const QString& goal, const QString& comment);
    // Stages 1, 2b and 3 from a filled exchange record; false when the record was refused.
    bool BuildLoadedHierarchy(const TLoadSaveProject& record);
    // Stage 3 for a document a file has just filled: laid out and shown.
    void ShowLoadedHierarchy();

    // The sensitivity window for an element of a middle level, over this window, with
    // the priorities computed afresh (the element menu and the frame's analysis menu).
    void ShowSensitivity(std::uint32_t level, std::uint32_t position);
    // The hierarchy as the window draws it (links, frames and boxes of the elements in
    // use, whatever is shown now), in canvas coordinates; its extent is HierarchyExtent.
    void RenderHierarchy(QPainter& painter) const;
    [[nodiscard]] QRect HierarchyExtent() const;

    // Switches to the other orientation and redraws (the panel button and the frame menu).
    void ToggleOrientation();

    // Placing: every slot of levels 1..9 and the goal, from the window's outer size now.
    void LayoutHorizontal();
    void LayoutVertical();
    // Spreads the in-use elements of each level around the goal's axis.
    void CentreLevels();
    // The links live only as pixels: this asks the canvas to paint them again.
    void RedrawLinks();
    // Every in-use element and its frame; slots not in use always stay hidden.
    void ShowHierarchy(bool visible);

    // The mouse on an element box. False when the press raised the fatal model
    // error (the window is then closing).
    bool ElementMouseDown(std::uint32_t position, std::uint32_t level);
    void ElementDoubleClick();
    // The keyboard to an element in use: it becomes current and takes the focus (which
    // shows once the window is active).
    void FocusElement(CElementSlot slot);

signals:
    // The clone button: whoever holds the window makes the copy.
    void CloneRequested(TUserProject* project);
    // The window has closed for good; unless the frame is closing every project
    // itself, it leaves the open-project registry.
    void Closed(TUserProject* project);
    // While the results are shown: which matrices they rest on are not acceptable, for
    // the frame's status bar; empty when none is, and when the results are hidden.
    void ResultsWarningChanged(const QString& warning);

public:
    // The size the layout works from: the outer size of the window that holds the
    // project (its document subwindow, or this window's frame when it stands alone).
    [[nodiscard]] QSize OuterSize() const;

    // For the frame and the tests.
    [[nodiscard]] CHierarchyElementBox* ElementBox(std::uint32_t position, std::uint32_t level) const
    {
        return Boxes[position][level];
    }
    [[nodiscard]] CBevel_of_HElement* ElementBevel(std::uint32_t position, std::uint32_t level) const
    {
        return Bevels[position][level];
    }
    [[nodiscard]] CHierarchyCanvas* Canvas() const { return HierarchyCanvas; }
    [[nodiscard]] CResultsView* ResultsPanel() const { return ResultsView; }
    // Refills the result table and the pie from the global priorities as they stand.
    void FillResults();
    // The synthesis the results view, the level priorities and the sensitivity analysis
    // show (the frame's setting); the results view, when shown, follows at once.
    void SetSynthesisMode(ESynthesisMode mode);
    [[nodiscard]] ESynthesisMode SynthesisMode() const { return Mode; }
    [[nodiscard]] QScrollArea* ScrollArea() const { return ScrollBox; }
    [[nodiscard]] const CHierarchyLayout& Layout() const { return *Places; }
    [[nodiscard]] bool EditModeOn() const;
    [[nodiscard]] bool ExpertModeOn() const;
    // Every change the user made, as steps to undo and redo (no limit on their number),
    // each named for the edit menu. Its clean state is the saved one: the document is
    // unchanged exactly there, and the window's title carries the modified mark elsewhere.
    // An undo while the results are shown shows them again for the hierarchy it restored.
    [[nodiscard]] const QUndoStack& UndoSteps() const { return *UndoStack; }
    [[nodiscard]] QUndoStack& UndoSteps() { return *UndoStack; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreatePanel();
    void CreateMenus();
    void CreateUndo();
    void CreateElements();
    void FinishBuild();
    void ApplyLayout();
    // The current orientation's layout and centring again, from the window's size now.
    void LayOutAgain();
    void UpdateCanvasSize();
    void RefreshCaptions();
    void FormPaint(QPainter& painter);
    void Redraw();
    // A refusal shown, or the fatal error handled; true when the command was done.
    bool ReportStructureResult(EStructureResult result);
    // True (and the window closing) when the last model call raised the fatal error.
    bool CheckFatalModelError();
    void CloseProjectWindow();
    void EditCurrentElement();
    void SetElementMenus(QMenu* menu);
    // Tab and the arrows, from the element that has the focus, in the drawing's order.
    void ElementTabPressed(const CHierarchyElementBox* box, bool forward);
    void ElementArrowPressed(const CHierarchyElementBox* box, EArrowKey arrow);
    void ElementFocusChanged(CHierarchyElementBox* box, bool focused);
    [[nodiscard]] bool ElementHasFocus() const;
    // The focused box's mark, in the gap between the box and its frame.
    void PaintFocusMark(QPainter& painter) const;
    // What the edit since ProjectDocument.BeginStep() changed becomes one undo step with
    // its name; an edit that changed nothing leaves none.
    void RecordStep(const std::string& name);
    // After a step was undone or redone: the diagram, or the results while they are shown.
    void ShowStepDone();
    // In expert mode the elements whose matrices are not acceptable carry a mark, and
    // those with comparisons left out another; in editing mode none does.
    void ShowConsistencyMarks();
    void ShowJudgementsMark(std::uint32_t position, std::uint32_t level, bool expert);
    // Tells why, and gives true, when an element's judgements do not connect its
    // elements: then there is no synthesis to show.
    bool RefusedForMissingComparisons();

    void btHierarchyTypeClick();
    void btEditModeClick();
    void btExpertModeClick();
    void btResultsViewClick();
    void btCloneClick();
    // A panel button runs its command when clicked, and also when a screen reader toggles it.
    void ConnectButtonCommand(QToolButton* button, void (TUserProject::*command)());
    void mnAddElementClick();
    void mnDelElementClick();
    void mnAddLevelClick();
    void mnDelLevelClick();
    void mnCurrentPriorityClick();
    void mnSensitivityClick();

    // The judging windows and cloning come from other parts of the program.
    void OpenExpertForm();
    void ShowLevelPriorities();
    void ShowResultsView(bool show);

    CProjectDocument ProjectDocument;
    CProjectWindowServices Services;
    // Entered around painting, layout and the orientation switch; with one thread it
    // never blocks.
    CriticalSection Lock;
    bool Vertical = false;
    ESynthesisMode Mode = ESynthesisMode::Distributive;
    std::uint32_t CurrentElementPosition = 0;
    std::uint32_t CurrentElementLevel = 0;

    QFrame* UserPanel = nullptr;
    QToolButton* btHierarchyType = nullptr;
    QToolButton* btEditMode = nullptr;
    QToolButton* btExpertMode = nullptr;
    QToolButton* btResultsView = nullptr;
    QToolButton* btClone = nullptr;
    QButtonGroup* ModeGroup = nullptr;

    QMenu* mnChartMenu = nullptr;
    QAction* mnAddElement = nullptr;
    QAction* mnDelElement = nullptr;
    QAction* N3 = nullptr;
    QAction* mnAddLevel = nullptr;
    QAction* mnDelLevel = nullptr;
    QMenu* mnCurrentLevelMenu = nullptr;
    QAction* mnCurrentPriority = nullptr;
    QAction* mnSensitivity = nullptr;
    QUndoStack* UndoStack = nullptr;

    QScrollArea* ScrollBox = nullptr;
    CHierarchyCanvas* HierarchyCanvas = nullptr;
    CResultsView* ResultsView = nullptr;
    TElementGridOf<CHierarchyElementBox*> Boxes{};
    TElementGridOf<CBevel_of_HElement*> Bevels{};

    // Where every box stands, and the links of the last paint (kept to avoid allocating).
    std::unique_ptr<CHierarchyLayout> Places = std::make_unique<CHierarchyLayout>();
    std::unique_ptr<CLinkSet> Links = std::make_unique<CLinkSet>();
    // How far the boxes and links stand from their laid-out places, to keep all in reach.
    CShift Shift;
    // The outer size the diagram was last laid out from.
    QSize LaidOutSize;
    bool FatalErrorShown = false;
    // The panel button toggled without a click, whose command is still to run; and whether a
    // button's command is running (the checks it changes itself are no toggles to follow).
    QToolButton* ToggledWithoutClick = nullptr;
    bool RunningButtonCommand = false;
    // An element had the keyboard when the diagram was hidden (a layout, the results):
    // the current element takes it back when the diagram shows again.
    bool ElementFocusToRestore = false;
};
