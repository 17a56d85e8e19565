#pragma once

#include <QWidget>

#include <functional>

// The surface the element boxes live on; it scrolls inside the project window.
// Links exist only as pixels, so every paint asks the project to draw them again.
class CHierarchyCanvas final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CHierarchyCanvas)

public:
    explicit CHierarchyCanvas(QWidget* parent = nullptr);
    ~CHierarchyCanvas() override = default;

    std::function<void(QPainter&)> PaintLinks;

protected:
    void paintEvent(QPaintEvent* event) override;
};
