#include "core/model/LayeredHierarchy.h"

#include "core/model/CUserProjectModel.h"

#include <vector>

std::optional<CHierarchy> HierarchyOfLayers(const CUserProjectModel& project)
{
    const std::uint32_t levels = project.LevelCount();
    if (levels < MinLevels || levels > MaxLevels) {
        return std::nullopt;
    }
    std::vector<std::uint32_t> counts(levels);
    std::vector<std::uint32_t> first(levels); // node number of the level's first element
    std::uint32_t total = 0;
    for (std::uint32_t k = 0; k + 1 < levels; ++k) {
        counts[k] = k == 0 ? 1U : project.ElementsInLevelChecked(k);
        first[k] = total;
        total += counts[k];
    }
    const std::uint32_t alternatives = project.ElementsInLevelChecked(levels - 1);
    std::vector<CHierarchyNode> nodes(total);
    for (std::uint32_t k = 0; k + 1 < levels; ++k) {
        const bool covering = k + 2 == levels;
        const std::uint32_t n = covering ? alternatives : counts[k + 1];
        for (std::uint32_t e = 0; e < counts[k]; ++e) {
            const CHierarchy_Element& element = project.Element(e, k);
            CHierarchyNode& node = nodes[first[k] + e];
            node.Name = element.Name;
            node.Comment = element.Comment;
            node.Judgements = CJudgementMatrix(n, n);
            for (std::uint32_t r = 0; r < n; ++r) {
                for (std::uint32_t c = 0; c < n; ++c) {
                    node.Judgements(r, c) = element.Judgements(r, c);
                }
            }
            for (std::uint32_t child = 0; !covering && child < n; ++child) {
                node.Children.push_back(first[k + 1] + child);
            }
        }
    }
    std::vector<CAlternative> list;
    for (std::uint32_t a = 0; a < alternatives; ++a) {
        list.push_back(CAlternative{project.Element(a, levels - 1).Name, project.Element(a, levels - 1).Comment});
    }
    return CHierarchy::Make(EHierarchyShape::Layers, std::move(nodes), std::move(list));
}
