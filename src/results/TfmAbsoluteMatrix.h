#pragma once

#include "model/ModelConstants.h"
#include "model/TMatrix.h"

#include <QWidget>

#include <array>
#include <cstdint>

class CAbsouteMatrixTable_Element;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The research window: how far each judgement lies from the ratio of the
// priorities, with row sums, and the intransitive triads of the matrix. Shown
// non-modally beside the modal comparison window, as a window of its own that
// the comparison window's modality does not block.
class TfmAbsoluteMatrix final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmAbsoluteMatrix)

public:
    explicit TfmAbsoluteMatrix(QWidget* parent = nullptr);
    ~TfmAbsoluteMatrix() override;

    void SetMatrixOrder(std::uint32_t n);
    void SetRowNames(std::uint32_t n, const std::array<QLabel*, MaxElementsPerLevel>& names);
    void FillDeviations(const TMatrix<int>& judgements, const double* priorities);
    // Makes the comparison window its parent (so it stays usable while that window
    // is modal), places it beside it and shows it.
    void ShowBeside(QWidget* comparisonWindow);

    [[nodiscard]] std::uint32_t MatrixOrder() const { return Order; }

    QLabel* lbTrInfo = nullptr;
    QLabel* lbSummName = nullptr;
    QPlainTextEdit* mmUserTransInfo = nullptr;
    QPushButton* btClose = nullptr;
    std::array<QLabel*, MaxElementsPerLevel> RowHeaders{};
    std::array<std::array<CAbsouteMatrixTable_Element*, MaxElementsPerLevel>, MaxElementsPerLevel> DeviationCells{};
    std::array<QLabel*, MaxElementsPerLevel> RowSums{};

signals:
    // "Закрыть" of this window: the comparison window enables its research button again.
    void ClosedByUser();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildTransitivityReport(const TMatrix<int>& judgements);
    void ShowMemoFromStart();
    void FormShow();
    void FormClose();
    void btCloseClick();

    std::uint32_t Order = 0;
};
