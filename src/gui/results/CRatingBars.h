#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

// The leading alternatives of a rated tree as horizontal bars, by place: each with its
// place, name, score (a bar of full width is score 1, the best intensity everywhere) and
// the mark of cells not rated. Painted by hand, as the sensitivity's bars are.
class CRatingBars final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CRatingBars)

public:
    struct CBar {
        QString Name;
        double Score = 0.0;
        bool Complete = true;
    };

    explicit CRatingBars(QWidget* parent = nullptr);
    ~CRatingBars() override = default;

    void SetBars(std::vector<CBar> bars);
    [[nodiscard]] const std::vector<CBar>& Bars() const { return Shown; }
    // The text after a bar: its score, and the mark when some cells are not rated.
    [[nodiscard]] static QString ValueText(const CBar& bar);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    // A row's tooltip names it whole with its score.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<CBar> Shown;
};
