#include "core/group/StructureCheck.h"

#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"

#include <cstdint>
#include <vector>

namespace {
CStructureDifference Counts(EStructureDifference what, std::size_t member, std::size_t reference)
{
    CStructureDifference difference;
    difference.What = what;
    difference.MemberCount = member;
    difference.ReferenceCount = reference;
    return difference;
}

CStructureDifference Names(EStructureDifference what, std::size_t index, std::string member, std::string reference)
{
    CStructureDifference difference;
    difference.What = what;
    difference.Index = index;
    difference.MemberName = std::move(member);
    difference.ReferenceName = std::move(reference);
    return difference;
}

// "Стоимость / Цена"; the goal by its own name.
std::string PathOf(const CHierarchy& hierarchy, std::uint32_t node)
{
    if (node == CHierarchy::GoalNode) {
        return hierarchy.Goal().Name;
    }
    std::string text;
    for (const std::string& name : hierarchy.Path(node)) {
        text += text.empty() ? "" : " / ";
        text += name;
    }
    return text;
}

// Rated trees share their scales (ids and intensities, in order) and each rated
// criterion's scale; the same structure was checked before.
std::optional<CStructureDifference> RatingDifference(const CHierarchy& reference, const CHierarchy& member)
{
    if (member.Evaluation() != reference.Evaluation()) {
        CStructureDifference difference;
        difference.What = EStructureDifference::Evaluation;
        difference.MemberRated = member.Evaluation() == EAlternativeEvaluation::Ratings;
        return difference;
    }
    const std::vector<CRatingScale>& scales = reference.Scales();
    const std::vector<CRatingScale>& memberScales = member.Scales();
    if (memberScales.size() != scales.size()) {
        return Counts(EStructureDifference::ScaleCount, memberScales.size(), scales.size());
    }
    for (std::size_t s = 0; s < scales.size(); ++s) {
        if (memberScales[s].Id != scales[s].Id) {
            return Names(EStructureDifference::ScaleId, s, memberScales[s].Id, scales[s].Id);
        }
        const std::vector<std::string>& names = scales[s].Intensities;
        const std::vector<std::string>& memberNames = memberScales[s].Intensities;
        if (memberNames.size() != names.size()) {
            CStructureDifference difference
                = Counts(EStructureDifference::IntensityCount, memberNames.size(), names.size());
            difference.Scale = scales[s].Id;
            return difference;
        }
        for (std::size_t k = 0; k < names.size(); ++k) {
            if (memberNames[k] != names[k]) {
                CStructureDifference difference
                    = Names(EStructureDifference::IntensityName, k, memberNames[k], names[k]);
                difference.Scale = scales[s].Id;
                return difference;
            }
        }
    }
    const std::vector<std::uint32_t> rated = reference.RatedCriteria();
    const std::vector<std::uint32_t> memberRated = member.RatedCriteria();
    for (std::size_t c = 0; c < rated.size() && c < memberRated.size(); ++c) {
        const std::string& id = scales[reference.Node(rated[c]).Scale].Id;
        const std::string& memberId = memberScales[member.Node(memberRated[c]).Scale].Id;
        if (memberId != id) {
            CStructureDifference difference = Names(EStructureDifference::CriterionScale, 0, memberId, id);
            difference.Path = PathOf(reference, rated[c]);
            return difference;
        }
    }
    return std::nullopt;
}
} // namespace

std::optional<CStructureDifference> FirstHierarchyDifference(const CHierarchy& reference, const CHierarchy& member)
{
    if (member.Shape() != reference.Shape()) {
        CStructureDifference difference;
        difference.What = EStructureDifference::Shape;
        difference.MemberTree = member.Shape() == EHierarchyShape::Tree;
        return difference;
    }
    if (member.Goal().Name != reference.Goal().Name) {
        return Names(EStructureDifference::GoalName, 0, member.Goal().Name, reference.Goal().Name);
    }
    // Depth first over both at once: the pairs of nodes still to visit, the next on top.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> pending{{CHierarchy::GoalNode, CHierarchy::GoalNode}};
    while (!pending.empty()) {
        const auto [node, memberNode] = pending.back();
        pending.pop_back();
        const std::vector<std::uint32_t>& children = reference.Node(node).Children;
        const std::vector<std::uint32_t>& memberChildren = member.Node(memberNode).Children;
        if (memberChildren.size() != children.size()) {
            CStructureDifference difference
                = Counts(EStructureDifference::SubcriterionCount, memberChildren.size(), children.size());
            difference.Path = PathOf(reference, node);
            return difference;
        }
        for (std::size_t c = 0; c < children.size(); ++c) {
            const std::string& name = reference.Node(children[c]).Name;
            const std::string& memberChildName = member.Node(memberChildren[c]).Name;
            if (memberChildName != name) {
                CStructureDifference difference
                    = Names(EStructureDifference::SubcriterionName, c, memberChildName, name);
                difference.Path = PathOf(reference, node);
                return difference;
            }
        }
        for (std::size_t c = children.size(); c > 0; --c) {
            pending.emplace_back(children[c - 1], memberChildren[c - 1]);
        }
    }
    if (member.AlternativeCount() != reference.AlternativeCount()) {
        return Counts(EStructureDifference::AlternativeCount, member.AlternativeCount(), reference.AlternativeCount());
    }
    for (std::uint32_t a = 0; a < reference.AlternativeCount(); ++a) {
        const std::string& name = reference.Alternatives()[a].Name;
        const std::string& memberAlternative = member.Alternatives()[a].Name;
        if (memberAlternative != name) {
            return Names(EStructureDifference::AlternativeName, a, memberAlternative, name);
        }
    }
    return RatingDifference(reference, member);
}

std::optional<CStructureDifference> FirstStructureDifference(
    const CUserProjectModel& reference, const CUserProjectModel& member)
{
    if (member.LevelCount() != reference.LevelCount()) {
        return Counts(EStructureDifference::LevelCount, member.LevelCount(), reference.LevelCount());
    }
    for (std::uint32_t level = 0; level < reference.LevelCount(); ++level) {
        const std::uint32_t count = reference.ElementsInLevelChecked(level);
        const std::uint32_t memberCount = member.ElementsInLevelChecked(level);
        if (memberCount != count) {
            CStructureDifference difference = Counts(EStructureDifference::LevelElementCount, memberCount, count);
            difference.Level = level;
            return difference;
        }
        for (std::uint32_t position = 0; position < count; ++position) {
            const std::string& name = reference.Element(position, level).Name;
            const std::string& memberElementName = member.Element(position, level).Name;
            if (memberElementName != name) {
                CStructureDifference difference
                    = Names(EStructureDifference::ElementName, position, memberElementName, name);
                difference.Level = level;
                return difference;
            }
        }
    }
    return std::nullopt;
}
