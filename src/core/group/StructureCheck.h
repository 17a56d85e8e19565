#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class CHierarchy;
class CUserProjectModel;

// Where a member's hierarchy first differs from the reference member's, and how.
enum class EStructureDifference {
    LevelCount,        // Counts
    LevelElementCount, // on Level: Counts
    ElementName,       // on Level, element Index: Names
    Shape,             // the member's is a tree and the reference's complete levels, or the other way (MemberTree)
    GoalName,          // Names
    SubcriterionCount, // at the criterion Path: Counts
    SubcriterionName,  // at the criterion Path, sub-criterion Index: Names
    AlternativeCount,  // Counts
    AlternativeName,   // alternative Index: Names
    Evaluation,     // the member's alternatives are rated and the reference's compared, or the other way (MemberRated)
    ScaleCount,     // Counts
    ScaleId,        // scale Index: Names (their ids)
    IntensityCount, // of the scale Scale: Counts
    IntensityName,  // of the scale Scale, intensity Index: Names
    CriterionScale, // the criterion Path: Names (the ids of the scales it is rated by)
};

// The difference as found, the member's figure or name beside the reference's. Numbered as
// the windows number them: the goal is level 0, and Index counts from 0 (the row it takes in
// every table is Index + 1).
struct CStructureDifference {
    EStructureDifference What = EStructureDifference::LevelCount;
    std::uint32_t Level = 0;
    std::size_t Index = 0;
    // A criterion by its path, "Стоимость / Цена"; the goal by its own name.
    std::string Path{};
    // The id of the scale whose intensities differ.
    std::string Scale{};
    std::size_t MemberCount = 0;
    std::size_t ReferenceCount = 0;
    std::string MemberName{};
    std::string ReferenceName{};
    bool MemberTree = false;
    bool MemberRated = false;
};

// The first place where a member's layered hierarchy differs from the reference member's;
// none when both have the same levels, the same number of elements on each and the same
// names at the same places. Levels are compared top down: first their number, then on
// each level the number of elements and the names in order.
std::optional<CStructureDifference> FirstStructureDifference(
    const CUserProjectModel& reference, const CUserProjectModel& member);

// The same for hierarchies of any shape, walked depth first from the goal: first the
// shape, then at each criterion its name and the number of its children, then the
// alternatives. Rated trees then share their scales (ids and intensity names in order) and
// each rated criterion's scale.
std::optional<CStructureDifference> FirstHierarchyDifference(const CHierarchy& reference, const CHierarchy& member);

// The first difference as the user is told it, naming both files as the caller passes
// them (what the user knows the files by): "Файл b.tsy: на уровне 2 элемент 3 называется
// «ЦЕНА», а в a.tsy — «СТОИМОСТЬ»", "Файл b.tsj: у критерия «Стоимость / Цена»
// подкритериев 2, а в a.tsj — 3". The group's phrase book makes the sentence
// (StructureDifferenceText).
std::optional<std::string> StructureDifference(const CUserProjectModel& reference, const std::string& referenceName,
    const CUserProjectModel& member, const std::string& memberName);
std::optional<std::string> HierarchyDifference(const CHierarchy& reference, const std::string& referenceName,
    const CHierarchy& member, const std::string& memberName);
