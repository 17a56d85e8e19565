#pragma once

// The project window: one per open project, a child of the frame's document area.
// It owns the core model, the 90 element boxes with their frames (created once,
// afterwards only placed, styled, shown and hidden), the tool panel and the canvas.
//
// The public operations below are what the frame and the other windows rely on.

#include "model/CUserProjectModel.h"
#include "view/LayoutGeometry.h"

#include <QSize>
#include <QWidget>

#include <memory>

class TLoadSaveProject;
class CBevel_of_HElement;
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

class TUserProject final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TUserProject)

public:
    explicit TUserProject(QWidget* parent = nullptr);
    ~TUserProject() override;

    CUserProjectModel& Model() { return ProjectModel; }
    [[nodiscard]] const CUserProjectModel& Model() const { return ProjectModel; }

    // Stages 1, 2a and 3: the hierarchy from the new-project dialog's values
    // (already clamped by the caller), laid out and shown.
    void BuildNewHierarchy(
        std::uint32_t elementsPerLevel, std::uint32_t levelCount, const QString& goal, const QString& comment);
    // Stages 1, 2b and 3 from a filled exchange record; false when the record was refused.
    bool BuildLoadedHierarchy(const TLoadSaveProject& record);

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
    [[nodiscard]] QScrollArea* ScrollArea() const { return ScrollBox; }
    [[nodiscard]] const CHierarchyLayout& Layout() const { return *Places; }
    [[nodiscard]] bool EditModeOn() const;
    [[nodiscard]] bool ExpertModeOn() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePanel();
    void CreateMenus();
    void CreateElements();
    void FinishBuild();
    void ApplyLayout();
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

    void btHierarchyTypeClick();
    void btEditModeClick();
    void btExpertModeClick();
    void btResultsViewClick();
    void btCloneClick();
    void mnAddElementClick();
    void mnDelElementClick();
    void mnAddLevelClick();
    void mnDelLevelClick();
    void mnCurrentPriorityClick();

    // The judging windows and cloning come from other parts of the program.
    void OpenExpertForm();
    void ShowLevelPriorities();
    void ShowResultsView(bool show);
    void Clone();

    CUserProjectModel ProjectModel;

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

    QScrollArea* ScrollBox = nullptr;
    CHierarchyCanvas* HierarchyCanvas = nullptr;
    CResultsView* ResultsView = nullptr;
    TElementGridOf<CHierarchyElementBox*> Boxes{};
    TElementGridOf<CBevel_of_HElement*> Bevels{};

    // Where every box stands, and the links of the last paint (kept to avoid allocating).
    std::unique_ptr<CHierarchyLayout> Places = std::make_unique<CHierarchyLayout>();
    std::unique_ptr<CLinkSet> Links = std::make_unique<CLinkSet>();
    bool FatalErrorShown = false;
};
