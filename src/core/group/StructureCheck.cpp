#include "core/group/StructureCheck.h"

#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"

#include <cstdint>
#include <vector>

namespace {
// "Файл <member>: <what><member's>, а в <reference> — <reference's>".
std::string Difference(const std::string& memberName, const std::string& what, const std::string& members,
    const std::string& referenceName, const std::string& references)
{
    std::string text = "Файл ";
    text += memberName;
    text += ": ";
    text += what;
    text += members;
    text += ", а в ";
    text += referenceName;
    text += " — ";
    text += references;
    return text;
}

std::string Quoted(const std::string& name)
{
    std::string text = "«";
    text += name;
    text += "»";
    return text;
}

// Numbered as the windows number them: the goal is level 0, and the first element of a
// level is element 1 (the row it takes in every table).
std::string OnLevel(std::uint32_t level)
{
    std::string text = "на уровне ";
    text += std::to_string(level);
    return text;
}
// «Стоимость / Цена»; the goal by its own name.
std::string PathText(const CHierarchy& hierarchy, std::uint32_t node)
{
    if (node == CHierarchy::GoalNode) {
        return Quoted(hierarchy.Goal().Name);
    }
    std::string text;
    for (const std::string& name : hierarchy.Path(node)) {
        text += text.empty() ? "" : " / ";
        text += name;
    }
    return Quoted(text);
}

const char* ShapeName(EHierarchyShape shape)
{
    return shape == EHierarchyShape::Tree ? "дерево критериев" : "полные уровни";
}
const char* EvaluationName(EAlternativeEvaluation evaluation)
{
    return evaluation == EAlternativeEvaluation::Ratings ? "по шкалам" : "попарно";
}

// Rated trees share their scales (ids and intensities, in order) and each rated
// criterion's scale; the same structure was checked before.
std::optional<std::string> RatingDifference(const CHierarchy& reference, const std::string& referenceName,
    const CHierarchy& member, const std::string& memberName)
{
    if (member.Evaluation() != reference.Evaluation()) {
        return Difference(memberName, "альтернативы оцениваются ", EvaluationName(member.Evaluation()), referenceName,
            EvaluationName(reference.Evaluation()));
    }
    const std::vector<CRatingScale>& scales = reference.Scales();
    const std::vector<CRatingScale>& memberScales = member.Scales();
    if (memberScales.size() != scales.size()) {
        return Difference(
            memberName, "шкал ", std::to_string(memberScales.size()), referenceName, std::to_string(scales.size()));
    }
    for (std::size_t s = 0; s < scales.size(); ++s) {
        if (memberScales[s].Id != scales[s].Id) {
            return Difference(memberName, "шкала " + std::to_string(s + 1) + " имеет код ", Quoted(memberScales[s].Id),
                referenceName, Quoted(scales[s].Id));
        }
        const std::vector<std::string>& names = scales[s].Intensities;
        const std::vector<std::string>& memberNames = memberScales[s].Intensities;
        if (memberNames.size() != names.size()) {
            return Difference(memberName, "у шкалы " + Quoted(scales[s].Id) + " интенсивностей ",
                std::to_string(memberNames.size()), referenceName, std::to_string(names.size()));
        }
        for (std::size_t k = 0; k < names.size(); ++k) {
            if (memberNames[k] != names[k]) {
                return Difference(memberName,
                    "у шкалы " + Quoted(scales[s].Id) + " интенсивность " + std::to_string(k + 1) + " называется ",
                    Quoted(memberNames[k]), referenceName, Quoted(names[k]));
            }
        }
    }
    const std::vector<std::uint32_t> rated = reference.RatedCriteria();
    const std::vector<std::uint32_t> memberRated = member.RatedCriteria();
    for (std::size_t c = 0; c < rated.size() && c < memberRated.size(); ++c) {
        const std::string& id = scales[reference.Node(rated[c]).Scale].Id;
        const std::string& memberId = memberScales[member.Node(memberRated[c]).Scale].Id;
        if (memberId != id) {
            return Difference(memberName, "критерий " + PathText(reference, rated[c]) + " оценивается по шкале ",
                Quoted(memberId), referenceName, Quoted(id));
        }
    }
    return std::nullopt;
}
} // namespace

std::optional<std::string> HierarchyDifference(const CHierarchy& reference, const std::string& referenceName,
    const CHierarchy& member, const std::string& memberName)
{
    if (member.Shape() != reference.Shape()) {
        return Difference(
            memberName, "иерархия — ", ShapeName(member.Shape()), referenceName, ShapeName(reference.Shape()));
    }
    if (member.Goal().Name != reference.Goal().Name) {
        return Difference(
            memberName, "цель называется ", Quoted(member.Goal().Name), referenceName, Quoted(reference.Goal().Name));
    }
    // Depth first over both at once: the pairs of nodes still to visit, the next on top.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> pending{{CHierarchy::GoalNode, CHierarchy::GoalNode}};
    while (!pending.empty()) {
        const auto [node, memberNode] = pending.back();
        pending.pop_back();
        const std::vector<std::uint32_t>& children = reference.Node(node).Children;
        const std::vector<std::uint32_t>& memberChildren = member.Node(memberNode).Children;
        if (memberChildren.size() != children.size()) {
            return Difference(memberName, "у критерия " + PathText(reference, node) + " подкритериев ",
                std::to_string(memberChildren.size()), referenceName, std::to_string(children.size()));
        }
        for (std::size_t c = 0; c < children.size(); ++c) {
            const std::string& name = reference.Node(children[c]).Name;
            const std::string& memberChildName = member.Node(memberChildren[c]).Name;
            if (memberChildName != name) {
                return Difference(memberName,
                    "у критерия " + PathText(reference, node) + " подкритерий " + std::to_string(c + 1)
                        + " называется ",
                    Quoted(memberChildName), referenceName, Quoted(name));
            }
        }
        for (std::size_t c = children.size(); c > 0; --c) {
            pending.emplace_back(children[c - 1], memberChildren[c - 1]);
        }
    }
    if (member.AlternativeCount() != reference.AlternativeCount()) {
        return Difference(memberName, "альтернатив ", std::to_string(member.AlternativeCount()), referenceName,
            std::to_string(reference.AlternativeCount()));
    }
    for (std::uint32_t a = 0; a < reference.AlternativeCount(); ++a) {
        const std::string& name = reference.Alternatives()[a].Name;
        const std::string& memberAlternative = member.Alternatives()[a].Name;
        if (memberAlternative != name) {
            return Difference(memberName, "альтернатива " + std::to_string(a + 1) + " называется ",
                Quoted(memberAlternative), referenceName, Quoted(name));
        }
    }
    return RatingDifference(reference, referenceName, member, memberName);
}

std::optional<std::string> StructureDifference(const CUserProjectModel& reference, const std::string& referenceName,
    const CUserProjectModel& member, const std::string& memberName)
{
    if (member.LevelCount() != reference.LevelCount()) {
        return Difference(memberName, "уровней ", std::to_string(member.LevelCount()), referenceName,
            std::to_string(reference.LevelCount()));
    }
    for (std::uint32_t level = 0; level < reference.LevelCount(); ++level) {
        const std::uint32_t count = reference.ElementsInLevelChecked(level);
        const std::uint32_t memberCount = member.ElementsInLevelChecked(level);
        if (memberCount != count) {
            return Difference(memberName, OnLevel(level) + " элементов ", std::to_string(memberCount), referenceName,
                std::to_string(count));
        }
        for (std::uint32_t position = 0; position < count; ++position) {
            const std::string& name = reference.Element(position, level).Name;
            const std::string& memberElementName = member.Element(position, level).Name;
            if (memberElementName != name) {
                std::string what = OnLevel(level);
                what += " элемент ";
                what += std::to_string(position + 1);
                what += " называется ";
                return Difference(memberName, what, Quoted(memberElementName), referenceName, Quoted(name));
            }
        }
    }
    return std::nullopt;
}
