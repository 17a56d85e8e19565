#pragma once

#include "core/model/CJudgement.h"
#include "core/model/HierarchyLimits.h"
#include "core/model/ModelConstants.h"
#include "core/results/ConsistencyGuidance.h"

#include <QFont>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

class CAbsouteMatrixTable_Element;
class CDeviationGrid;
class CJudgingSession;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

// The research window: how far each judgement lies from the ratio of the
// priorities, with row sums, the intransitive triads of the matrix, and under them
// the verdict on its consistency with up to three judgements to change. Shown
// non-modally beside the modal comparison window, as a window of its own that
// the comparison window's modality does not block. More than nine elements have a table
// of their own, made on first need, that scrolls where the screen has no room for it.
class TfmAbsoluteMatrix final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmAbsoluteMatrix)

public:
    explicit TfmAbsoluteMatrix(QWidget* parent = nullptr);
    ~TfmAbsoluteMatrix() override;

    // Hides whatever the previous order showed; the next showing shows n.
    void SetMatrixOrder(std::uint32_t n);
    // The names of the session's compared elements, one per row of its order.
    void SetRowNames(const CJudgingSession& session);
    void FillDeviations(const CJudgementMatrix& judgements, const double* priorities);
    // The verdict and the suggestions the session offered last, named by the session;
    // each can be accepted while the session says so. Above them, the changes accepted
    // in this judging that still stand.
    void ShowGuidance(const CJudgingSession& session);
    // Which of the shown suggestions are accepted and which can still be: after one was
    // accepted and when the judging has ended.
    void ShowAcceptState(const CJudgingSession& session);
    // Makes the comparison window its parent (so it stays usable while that window
    // is modal) and shows it beside it, inside the screen, as narrow as it must be to
    // leave the comparison window uncovered. Where the screen has no room beside the
    // comparison window as it stands, the comparison window is moved aside to make it.
    void ShowBeside(QWidget* comparisonWindow);
    // The window to the front with the keyboard on its first choice: the first
    // suggestion that can be accepted, else "Закрыть".
    void TakeKeyboard();

    // The widest the window may be; 0 for no limit. Narrower tables are used until the
    // window fits, the described one whenever it does.
    void SetWidthLimit(int width);

    [[nodiscard]] std::uint32_t MatrixOrder() const { return Order; }

public slots:
    // Everything the window shows, from the working matrix of the session as it stands:
    // the deviations from its own priorities, its triads, the verdict and the suggestions
    // the session offered for it, and what accepting changed.
    void ShowWorking(const CJudgingSession& session);

public:
    QLabel* lbTrInfo = nullptr;
    QLabel* lbSummName = nullptr;
    QPlainTextEdit* mmUserTransInfo = nullptr;
    QPushButton* btClose = nullptr;
    // Holds the headers, the deviation cells, the sums and their caption: one table for a reader.
    CDeviationGrid* DeviationTable = nullptr;
    std::array<QLabel*, MaxElementsPerLevel> RowHeaders{};
    std::array<std::array<CAbsouteMatrixTable_Element*, MaxElementsPerLevel>, MaxElementsPerLevel> DeviationCells{};
    std::array<QLabel*, MaxElementsPerLevel> RowSums{};
    QLabel* lbVerdict = nullptr;
    QLabel* lbRatioLimit = nullptr;
    QLabel* lbGeometricLimit = nullptr;
    QLabel* lbAccepted = nullptr;
    QLabel* lbSuggestions = nullptr;
    std::array<QPushButton*, MaxSuggestions> AcceptButtons{};
    // The table of more than nine elements in its scroll area; none until first needed.
    QScrollArea* sbDeviations = nullptr;
    CDeviationGrid* WideDeviationTable = nullptr;
    std::array<QLabel*, MaxSuggestions> SuggestionLines{};

signals:
    // "Закрыть" of this window: the comparison window enables its research button again.
    void ClosedByUser();
    // "Принять" of the suggestion at index of the list shown: the judging accepts it.
    void SuggestionAccepted(std::uint32_t index);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Escape closes it as "Закрыть" does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildTransitivityReport(const CJudgementMatrix& judgements);
    void ShowMemoFromStart();
    void FormShow();
    // The wide table placed, its names shortened to their column where they must be, and
    // the scroll area as large as the table or the screen.
    void FormShowWide();
    void MakeWideTable();
    [[nodiscard]] bool Wide() const;
    // The table of the order shown.
    [[nodiscard]] CDeviationGrid* Grid() const;
    void FormClose();
    // Placed beside its comparison window, whole on the screen, the comparison window
    // moved aside where the screen has no room beside it as it stands.
    void KeepBeside();
    void btCloseClick();
    void AcceptSuggestionClick(std::uint32_t index);
    // Places the table's cells in the narrowest shape the width limit needs; gives the
    // width of the table with its memo.
    int PlaceTable();
    // Places the verdict and the suggestions from top, each wrapped to width; gives the
    // section's bottom.
    int PlaceGuidance(int top, int width);
    QString SuggestionText(const CSuggestion& suggestion) const;

    std::uint32_t Order = 0;
    int WidthLimit = 0;
    // The deviation cells' own type, before any figure was fitted smaller.
    QFont CellFont;
    // The compared elements' names, kept for the suggestions' lines after the judging ends.
    std::array<std::string, MaxMatrixOrder> Names;
};
