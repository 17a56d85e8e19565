#pragma once

#include "core/model/HierarchyLimits.h"
#include "core/model/ModelConstants.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

// The alternatives of the dynamic view as horizontal bars, largest first, each with its
// name and its value as the screens show priorities. Painted by hand: a drag step
// repaints it at once, and a chart would cost several times the frame.
class CSensitivityBars final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSensitivityBars)

public:
    explicit CSensitivityBars(QWidget* parent = nullptr);
    ~CSensitivityBars() override = default;

    // The alternatives in position order (count of them, at most MaxAlternatives), each
    // with the colour that stays with it.
    void SetAlternatives(std::uint32_t count, const QString* names, const QColor* colours);
    // New values in position order; the rows are ordered again and repainted.
    void SetValues(const double* values);

    // What the rows show, top to bottom: names and value texts.
    [[nodiscard]] std::uint32_t RowCount() const { return Count; }
    [[nodiscard]] QString RowName(std::uint32_t row) const;
    [[nodiscard]] QString RowValueText(std::uint32_t row) const;
    [[nodiscard]] std::uint32_t RowPosition(std::uint32_t row) const { return Order[row]; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t Count = 0;
    std::array<QString, MaxAlternatives> Names;
    std::array<QColor, MaxAlternatives> Colours;
    std::array<double, MaxAlternatives> Values{};
    std::array<QString, MaxAlternatives> ValueTexts;
    // Order[row] is the position of the alternative shown in that row.
    std::array<std::uint32_t, MaxAlternatives> Order{};
};
