// Any bytes through the reader; what it accepts must also build and compute cleanly,
// since that is what every caller does next.
#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/CProjectResults.h"
#include "core/results/Deviations.h"
#include "core/results/Synthesis.h"
#include "core/storage/ProjectFile.h"

#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    // Reused like the frame's record, so stale contents from earlier inputs are exercised.
    static auto record = std::make_unique<TLoadSaveProject>();
    const CReadOutcome outcome = ReadProjectBytes(*record, data, size);
    if (outcome.Succeeded() != outcome.Message.empty()) {
        std::abort(); // a message exactly when refused
    }
    if (!outcome.Succeeded()) {
        if (record->LevelCount >= MinLevels) {
            std::abort(); // a refused record must never describe a project
        }
        return 0;
    }
    CUserProjectModel project;
    if (!project.BuildLoadedHierarchy(*record)) {
        std::abort(); // everything the reader accepts fits the grid
    }
    const CProjectResults results = ComputeResults(project);
    for (std::uint32_t k = 0; k + 1 < project.LevelCount(); ++k) {
        const std::uint32_t n = project.ElementsInLevelChecked(k + 1);
        for (std::uint32_t e = 0; e < project.ElementsInLevelChecked(k); ++e) {
            BuildTransitivityReport(project.Element(e, k).Judgements, n);
        }
    }
    FinalResults(project, results);
    FinalResults(project, results, ESynthesisMode::Ideal);
    return 0;
}
