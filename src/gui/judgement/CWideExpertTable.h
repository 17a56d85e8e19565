#pragma once

#include "core/model/HierarchyLimits.h"

#include <QWidget>

#include <array>
#include <cstdint>

class CExpertTable_Element;
class QLabel;

// The comparison table of more than nine elements, held by a scroll area of the
// comparison window: the numbered rows with the compared elements' names, the judgement
// cells, and the priorities with their caption. Its cells are made once, at the largest
// order, and afterwards only captioned and shown. A name wider than its column is
// shortened; its tooltip and the name a screen reader hears stay whole.
class CWideExpertTable final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CWideExpertTable)

public:
    explicit CWideExpertTable(QWidget* parent = nullptr);
    ~CWideExpertTable() override;

    static constexpr int RowStep = 22;
    static constexpr int CellStep = 32;

    // Shows n rows and columns with the names' column nameWidth pixels wide, and sizes
    // itself to hold them.
    void Arrange(std::uint32_t n, int nameWidth);
    // The width the table takes for n elements with a names' column that wide.
    [[nodiscard]] static int WidthFor(std::uint32_t n, int nameWidth);
    [[nodiscard]] static int HeightFor(std::uint32_t n);
    // The name of row k: whole where the column has room, shortened otherwise.
    void SetName(std::uint32_t k, const QString& name);
    // How wide a name is in the names' type, with the cell's margins.
    [[nodiscard]] int NameWidth(const QString& name) const;

    std::array<QLabel*, MaxMatrixOrder> Names{};
    std::array<QLabel*, MaxMatrixOrder> Priorities{};
    std::array<std::array<CExpertTable_Element*, MaxMatrixOrder>, MaxMatrixOrder> Cells{};
    QLabel* lbWidePriority = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t Shown = 0;
};
