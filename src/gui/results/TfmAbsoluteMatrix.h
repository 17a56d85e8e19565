#pragma once

#include "core/model/CJudgement.h"
#include "core/model/ModelConstants.h"
#include "core/results/ConsistencyGuidance.h"

#include <QWidget>

#include <array>
#include <cstdint>

class CAbsouteMatrixTable_Element;
class CJudgingSession;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The research window: how far each judgement lies from the ratio of the
// priorities, with row sums, the intransitive triads of the matrix, and under them
// the verdict on its consistency with up to three judgements to change. Shown
// non-modally beside the modal comparison window, as a window of its own that
// the comparison window's modality does not block.
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
    // each can be accepted while the session says so.
    void ShowGuidance(const CJudgingSession& session);
    // Which of the shown suggestions are accepted and which can still be: after one was
    // accepted and when the judging has ended.
    void ShowAcceptState(const CJudgingSession& session);
    // Makes the comparison window its parent (so it stays usable while that window
    // is modal) and shows it beside it, inside the screen. Where the screen has no
    // room beside the comparison window as it stands, the comparison window is moved
    // aside to make it.
    void ShowBeside(QWidget* comparisonWindow);

    [[nodiscard]] std::uint32_t MatrixOrder() const { return Order; }

    QLabel* lbTrInfo = nullptr;
    QLabel* lbSummName = nullptr;
    QPlainTextEdit* mmUserTransInfo = nullptr;
    QPushButton* btClose = nullptr;
    std::array<QLabel*, MaxElementsPerLevel> RowHeaders{};
    std::array<std::array<CAbsouteMatrixTable_Element*, MaxElementsPerLevel>, MaxElementsPerLevel> DeviationCells{};
    std::array<QLabel*, MaxElementsPerLevel> RowSums{};
    QLabel* lbVerdict = nullptr;
    QLabel* lbRatioLimit = nullptr;
    QLabel* lbGeometricLimit = nullptr;
    QLabel* lbSuggestions = nullptr;
    std::array<QPushButton*, MaxSuggestions> AcceptButtons{};
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

private:
    void BuildTransitivityReport(const CJudgementMatrix& judgements);
    void ShowMemoFromStart();
    void FormShow();
    void FormClose();
    void btCloseClick();
    void AcceptSuggestionClick(std::uint32_t index);
    // Places the verdict and the suggestions from top; gives the section's bottom and
    // the width it needs.
    QRect PlaceGuidance(int top, int width);
    QString SuggestionText(const CSuggestion& suggestion, const CJudgingSession& session) const;

    std::uint32_t Order = 0;
};
