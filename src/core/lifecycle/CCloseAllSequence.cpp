#include "core/lifecycle/CCloseAllSequence.h"

#include "core/document/CProjectDocument.h"

void CCloseAllSequence::Closing(CProjectDocument& document)
{
    document.SetAskSaveOnClose(true);
    document.SetClosingAll(true);
}

void CCloseAllSequence::Stayed(CProjectDocument& document)
{
    // Closed later on its own, it leaves the registry as any project does.
    document.SetClosingAll(false);
    SomeStayed = true;
}
