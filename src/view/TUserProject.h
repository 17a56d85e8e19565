#pragma once

// The project window: one per open project, a child of the frame's document area.
// It owns the core model, the 90 element boxes with their frames (created once,
// afterwards only placed, styled, shown and hidden), the tool panel and the canvas.
//
// The public operations below are what the frame and the other windows rely on.

#include "model/CUserProjectModel.h"

#include <QWidget>

class TLoadSaveProject;

class TUserProject final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TUserProject)

public:
    explicit TUserProject(QWidget* parent = nullptr);
    ~TUserProject() override;

    CUserProjectModel& Model() { return ProjectModel; }
    [[nodiscard]] const CUserProjectModel& Model() const { return ProjectModel; }

    // Stages 1, 2a and 3: the hierarchy from the new-project dialog's values
    // (already clamped by the caller), laid out and shown.
    void BuildNewHierarchy(
        std::uint32_t elementsPerLevel, std::uint32_t levelCount, const QString& goal, const QString& comment);
    // Stages 1, 2b and 3 from a filled exchange record; false when the record was refused.
    bool BuildLoadedHierarchy(const TLoadSaveProject& record);

    // Switches to the other orientation and redraws (the panel button and the frame menu).
    void ToggleOrientation();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CUserProjectModel ProjectModel;
};
