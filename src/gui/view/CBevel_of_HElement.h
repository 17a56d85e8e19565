#pragma once

#include <QFrame>

// The raised frame drawn around one element box; it only follows its box.
class CBevel_of_HElement final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CBevel_of_HElement)

public:
    explicit CBevel_of_HElement(QWidget* parent);
    ~CBevel_of_HElement() override = default;
};
