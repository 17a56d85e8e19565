#pragma once

#include "core/model/ModelConstants.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;

// The research window's table of deviations as one control: the names of the compared
// elements down the side, a deviation per pair and the row sums. It holds the cells the
// window places and fills, and answers a screen reader as a table whose rows and columns
// carry the elements' names (the sums' column "Сумма"), not as loose labels.
class CDeviationGrid final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDeviationGrid)

public:
    explicit CDeviationGrid(QWidget* parent = nullptr);
    ~CDeviationGrid() override;

    // The order shown: rows 0..n-1, columns 0..n-1 and the sums' column n.
    void SetOrder(std::uint32_t n);
    [[nodiscard]] std::uint32_t Order() const { return Shown; }

    std::array<QLabel*, MaxElementsPerLevel> RowHeaders{};
    std::array<std::array<QLabel*, MaxElementsPerLevel>, MaxElementsPerLevel> Cells{};
    std::array<QLabel*, MaxElementsPerLevel> RowSums{};
    QLabel* SumsHeader = nullptr;

private:
    std::uint32_t Shown = 0;
};
