#include "core/document/DocumentFile.h"

#include "core/document/CProjectDocument.h"
#include "core/model/CHierarchy.h"
#include "core/model/TLoadSaveProject.h"
#include "core/storage/TreeFile.h"

#include <memory>
#include <utility>

CReadOutcome ReadProjectDocument(CProjectDocument& document, const std::string& fileName)
{
    // A fresh record for every read: nothing of an earlier file can reach this one.
    const auto record = std::make_unique<TLoadSaveProject>();
    CReadOutcome outcome = ReadProjectFile(*record, fileName);
    if (outcome.Succeeded() && !document.BuildLoadedHierarchy(*record)) {
        outcome.Result = EReadResult::Damaged;
        outcome.Message = Tr(StoragePhrases::DamagedProject);
    }
    return outcome;
}

CReadOutcome ReadTreeDocument(CProjectDocument& document, const std::string& fileName)
{
    CHierarchy tree;
    CReadOutcome outcome = ReadTreeFile(tree, fileName);
    if (outcome.Succeeded()) {
        document.BuildTree(std::move(tree));
    }
    return outcome;
}

EWriteResult SaveDocument(CProjectDocument& document, const std::string& fileName, std::string* reason)
{
    const EWriteResult result = document.IsTree()
        ? SaveTreeFile(document.Tree(), fileName, false, ELinkAtName::WriteThrough, reason)
        : SaveProjectFile(document.Model(), fileName, false, ELinkAtName::WriteThrough, reason);
    if (result == EWriteResult::Ok) {
        document.SetFileName(fileName);
        document.MarkSaved();
    }
    return result;
}
