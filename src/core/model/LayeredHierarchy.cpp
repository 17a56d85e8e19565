#include "core/model/LayeredHierarchy.h"

#include "core/model/CUserProjectModel.h"

#include <vector>

CLayeredNumbering::CLayeredNumbering(const CUserProjectModel& project)
    : Bottom(project.LevelCount() - 1)
{
    std::uint32_t nodes = 0;
    for (std::uint32_t level = 0; level < Bottom; ++level) {
        const std::uint32_t size = level == 0 ? 1U : project.ElementsInLevelChecked(level);
        First[level] = nodes;
        for (std::uint32_t e = 0; e < size; ++e) {
            Positions[nodes] = e;
            Levels[nodes++] = level;
        }
    }
    First[Bottom] = nodes;
    Alternatives = project.ElementsInLevelChecked(Bottom);
}

std::optional<CHierarchy> HierarchyOfLayers(const CUserProjectModel& project)
{
    const std::uint32_t levels = project.LevelCount();
    if (levels < MinLevels || levels > MaxLevels) {
        return std::nullopt;
    }
    const CLayeredNumbering numbering(project);
    const std::uint32_t alternatives = numbering.AlternativeCount();
    std::vector<CHierarchyNode> nodes(numbering.NodeCount());
    for (std::uint32_t number = 0; number < numbering.NodeCount(); ++number) {
        const std::uint32_t level = numbering.Level(number);
        const std::uint32_t n = numbering.ComparedCount(number);
        const CHierarchy_Element& element = project.Element(numbering.Position(number), level);
        CHierarchyNode& node = nodes[number];
        node.Name = element.Name;
        node.Comment = element.Comment;
        node.Judgements = CJudgementMatrix(n, n);
        for (std::uint32_t r = 0; r < n; ++r) {
            for (std::uint32_t c = 0; c < n; ++c) {
                node.Judgements(r, c) = element.Judgements(r, c);
            }
        }
        const bool covering = level + 1 == numbering.BottomLevel();
        for (std::uint32_t child = 0; !covering && child < n; ++child) {
            node.Children.push_back(numbering.FirstNode(level + 1) + child);
        }
    }
    std::vector<CAlternative> list;
    list.reserve(alternatives);
    for (std::uint32_t a = 0; a < alternatives; ++a) {
        const CHierarchy_Element& element = project.Element(a, levels - 1);
        list.push_back(CAlternative{element.Name, element.Comment});
    }
    return CHierarchy::Make(EHierarchyShape::Layers, std::move(nodes), std::move(list));
}
