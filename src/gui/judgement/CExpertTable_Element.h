#pragma once

#include <QLabel>

#include <cstdint>

// One judgement cell of the comparison window; it knows its place in the table.
class CExpertTable_Element final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CExpertTable_Element)

public:
    explicit CExpertTable_Element(QWidget* parent = nullptr);
    ~CExpertTable_Element() override;

    static constexpr int FocusFrameWidth = 2;
    // A left-out pair's "—" and the value the completed matrix gives it: their type and
    // the dash's distance from the left edge.
    static constexpr int DashIndent = 2;
    static constexpr int CompletedPixelSize = 9;

    std::uint32_t Row = 0;
    std::uint32_t Column = 0;

    // The current cell of the keyboard carries a focus frame.
    void SetCurrent(bool current);
    [[nodiscard]] bool IsCurrent() const { return Current; }

    // A pair left out shows, beside its "—", the value the completed matrix gives it, in
    // grey and smaller; empty shows nothing beside.
    void SetCompletedText(const QString& text);
    [[nodiscard]] const QString& CompletedText() const { return Completed; }
    // Where the dash and the value are written, and where their inks fall.
    struct CCompletedPlaces {
        QFont DashFont;
        QFont ValueFont;
        QPoint DashAt; // where each is written from: the start of its baseline
        QPoint ValueAt;
        QRect DashInk;
        QRect ValueInk;
    };
    [[nodiscard]] CCompletedPlaces CompletedPlaces() const;

signals:
    void Pressed(CExpertTable_Element* cell);
    void DoubleClicked(CExpertTable_Element* cell);
    void ContextMenuAsked(CExpertTable_Element* cell, const QPoint& globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool Current = false;
    QString Completed;
};
