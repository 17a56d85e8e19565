// Any bytes through the tree reader; what it accepts must compute cleanly and be written
// back as text that reads as the same tree and writes the same bytes again.
#include "core/model/CHierarchy.h"
#include "core/results/HierarchySynthesis.h"
#include "core/storage/TreeFile.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    CHierarchy tree;
    const CReadOutcome outcome = ReadTreeText(tree, std::string_view(reinterpret_cast<const char*>(data), size));
    if (outcome.Succeeded() != outcome.Message.empty() || outcome.Succeeded() != outcome.Reason.empty()) {
        std::abort(); // a message and a place exactly when refused
    }
    if (!outcome.Succeeded()) {
        return 0;
    }
    ComputeHierarchyResults(tree);
    const std::string text = TreeFileText(tree, false);
    CHierarchy again;
    if (text.empty() || !ReadTreeText(again, text).Succeeded() || !(again == tree)
        || TreeFileText(again, false) != text) {
        std::abort(); // everything read is written back and read again as it was
    }
    return 0;
}
