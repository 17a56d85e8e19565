#pragma once

#include <QLabel>

// One deviation cell of the research window; it is created hidden.
class CAbsouteMatrixTable_Element final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAbsouteMatrixTable_Element)

public:
    explicit CAbsouteMatrixTable_Element(QWidget* parent = nullptr);
    ~CAbsouteMatrixTable_Element() override;
};
