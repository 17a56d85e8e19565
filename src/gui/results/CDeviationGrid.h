#pragma once

#include "core/model/HierarchyLimits.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;

// The research window's table of deviations as one control: the names of the compared
// elements down the side, a deviation per pair and the row sums. It holds the cells the
// window places and fills, and answers a screen reader as a table whose rows and columns
// carry the elements' names (the sums' column "Сумма"), not as loose labels. The table
// of more than nine elements, held by a scroll area, numbers its rows and columns itself.
class CDeviationGrid final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDeviationGrid)

public:
    explicit CDeviationGrid(QWidget* parent = nullptr);
    ~CDeviationGrid() override;

    // The order shown: rows 0..n-1, columns 0..n-1 and the sums' column n.
    void SetOrder(std::uint32_t n);
    [[nodiscard]] std::uint32_t Order() const { return Shown; }

    std::array<QLabel*, MaxMatrixOrder> RowHeaders{};
    std::array<std::array<QLabel*, MaxMatrixOrder>, MaxMatrixOrder> Cells{};
    std::array<QLabel*, MaxMatrixOrder> RowSums{};
    QLabel* SumsHeader = nullptr;
    // Whether it paints the row and column numbers (the window paints the nine's).
    bool PaintsNumbers = false;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t Shown = 0;
};
