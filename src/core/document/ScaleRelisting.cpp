#include "core/document/ScaleRelisting.h"

#include "core/document/CProjectDocument.h"
#include "core/model/ModelPhrases.h"

#include <algorithm>

std::string RelistScale(CProjectDocument& document, std::uint32_t scale, const std::vector<std::string>& intensities)
{
    if (!document.IsTree() || scale >= document.Tree().Scales().size()) {
        return ModelProblemText(EModelProblem::NoSuchScale);
    }
    const CHierarchy& tree = document.Tree();
    const CRatingScale before = tree.Scales()[scale];
    const CRatingScale after = WithIntensities(before, intensities);
    if (std::string problem = RatingScaleProblem(after); !problem.empty()) {
        return problem;
    }
    // Ratings name intensities by place: each is cleared while the list changes, then put
    // at the new place of its intensity.
    std::vector<CRatingCell> cleared;
    std::vector<CRatingCell> moved;
    for (const std::uint32_t node : tree.RatedCriteria()) {
        if (tree.Node(node).Scale != scale) {
            continue;
        }
        const std::vector<std::int8_t>& ratings = tree.Node(node).Ratings;
        for (std::uint32_t a = 0; a < ratings.size(); ++a) {
            if (ratings[a] == NotRated) {
                continue;
            }
            const auto found = std::find(
                intensities.begin(), intensities.end(), before.Intensities[static_cast<std::size_t>(ratings[a])]);
            cleared.push_back({node, a, NotRated});
            if (found != intensities.end()) {
                moved.push_back({node, a, static_cast<std::int32_t>(found - intensities.begin())});
            }
        }
    }
    std::string problem = document.SetRatings(cleared);
    problem = problem.empty() ? document.SetScale(scale, after) : problem;
    return problem.empty() ? document.SetRatings(moved) : problem;
}
