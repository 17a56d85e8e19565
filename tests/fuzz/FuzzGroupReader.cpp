// Any bytes through the group file reader: it refuses with a message or gives members that
// the group's own check accepts, named absolutely; it never crashes, whatever the nesting.
#include "core/storage/GroupFile.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CGroupReadOutcome outcome = ReadGroupText(text, "/fuzz/group");
    if (outcome.Succeeded() != outcome.Message.empty()) {
        std::abort(); // a message exactly when refused
    }
    if (!outcome.Succeeded()) {
        if (!outcome.Members.empty() || outcome.Message.size() > 1000) {
            std::abort(); // refused whole, and told briefly
        }
        return 0;
    }
    if (!GroupMembersProblem(outcome.Members).empty()) {
        std::abort(); // what is read is what a save would write
    }
    for (const CGroupMember& member : outcome.Members) {
        if (member.File.empty() || member.File.front() != '/') {
            std::abort();
        }
    }
    return 0;
}
