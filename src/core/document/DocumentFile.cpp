#include "core/document/DocumentFile.h"

#include "core/document/CProjectDocument.h"
#include "core/model/TLoadSaveProject.h"

#include <memory>

CReadOutcome ReadProjectDocument(CProjectDocument& document, const std::string& fileName)
{
    // A fresh record for every read: nothing of an earlier file can reach this one.
    const auto record = std::make_unique<TLoadSaveProject>();
    CReadOutcome outcome = ReadProjectFile(*record, fileName);
    if (outcome.Succeeded() && !document.BuildLoadedHierarchy(*record)) {
        outcome.Result = EReadResult::Damaged;
        outcome.Message = DamagedProjectText;
    }
    return outcome;
}
