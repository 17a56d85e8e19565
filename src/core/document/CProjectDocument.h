#pragma once

#include "core/model/CUserProjectModel.h"

#include <cstdint>
#include <memory>
#include <string>

// One open project as a document: its hierarchy model and, beside it, what the
// frame's file and close commands keep about it. Every change a user makes goes
// through here, so a change always marks the project modified.
class CProjectDocument {
public:
    CProjectDocument() = default;
    CProjectDocument(const CProjectDocument&) = delete;
    CProjectDocument& operator=(const CProjectDocument&) = delete;
    virtual ~CProjectDocument() = default;

    [[nodiscard]] const CUserProjectModel& Model() const { return ProjectModel; }
    // For the computations, which write the results; the hierarchy itself still
    // changes only through the model's operations.
    CUserProjectModel& Model() { return ProjectModel; }

    // The file the project came from or was last saved to; empty for a new project.
    [[nodiscard]] const std::string& FileName() const { return Name; }
    void SetFileName(const std::string& fileName) { Name = fileName; }
    [[nodiscard]] bool Modified() const { return IsModified; }
    void MarkModified() { IsModified = true; }
    // After a successful save: nothing unsaved remains.
    void MarkSaved() { IsModified = false; }

    // The closing protocol: the frame sets ClosingAll when it closes every project
    // itself (and takes the window out of its registry); AskSaveOnClose is cleared
    // when a fatal model error closes the window without its question.
    [[nodiscard]] bool ClosingAll() const { return IsClosingAll; }
    void SetClosingAll(bool closingAll) { IsClosingAll = closingAll; }
    [[nodiscard]] bool AskSaveOnClose() const { return AskSave; }
    void SetAskSaveOnClose(bool ask) { AskSave = ask; }

    // The user's edits. A refused command changes nothing, Modified included.
    EStructureResult AddElement(std::uint32_t level);
    EStructureResult DeleteElement(std::uint32_t position, std::uint32_t level);
    EStructureResult AddLevel(std::uint32_t level, std::uint32_t elementCount, bool before);
    EStructureResult DeleteLevel(std::uint32_t level);
    bool SetElementText(
        std::uint32_t position, std::uint32_t level, const std::string& name, const std::string& comment);
    bool CommitJudgements(std::uint32_t position, std::uint32_t level, const TMatrix<int>& judgements);
    // Every double-click on an element counts as a change, whatever follows it.
    void ElementDoubleClicked() { MarkModified(); }

    // Undo steps. BeginStep before an edit; EndStep after it gives what the edit changed
    // (an empty change for a refused edit or one that changed nothing). UndoStep and
    // RedoStep put a step back or make it again; an undone change is still a change
    // against the file, so both mark the project modified.
    void BeginStep();
    [[nodiscard]] CHierarchyChange EndStep() const;
    void UndoStep(const CHierarchyChange& change);
    void RedoStep(const CHierarchyChange& change);

private:
    EStructureResult Edited(EStructureResult result);

    CUserProjectModel ProjectModel;
    // The hierarchy when the current step began; made at the first step, then reused.
    std::unique_ptr<CHierarchySnapshot> StepStart;
    std::string Name;
    bool IsModified = false;
    bool IsClosingAll = false;
    bool AskSave = true;
};
