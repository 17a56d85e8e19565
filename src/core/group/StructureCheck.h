#pragma once

#include <optional>
#include <string>

class CHierarchy;
class CUserProjectModel;

// The first place where a member's hierarchy differs from the reference member's, as the
// user is told it: "Файл b.tsy: на уровне 2 элемент 3 называется «ЦЕНА», а в a.tsy —
// «СТОИМОСТЬ»". Empty when both have the same levels, the same number of elements on each
// and the same names at the same places. The names are shown as given (the caller
// passes what the user knows the files by). Levels are compared top down: first their
// number, then on each level the number of elements and the names in order.
std::optional<std::string> StructureDifference(const CUserProjectModel& reference, const std::string& referenceName,
    const CUserProjectModel& member, const std::string& memberName);

// The same for hierarchies of any shape, walked depth first from the goal: first the
// shape, then at each criterion its name and the number of its children, then the
// alternatives. A criterion is named by its path: "Файл b.tsj: у критерия «Стоимость /
// Цена» подкритериев 2, а в a.tsj — 3". Rated trees then share their scales (ids and
// intensity names in order) and each rated criterion's scale.
std::optional<std::string> HierarchyDifference(const CHierarchy& reference, const std::string& referenceName,
    const CHierarchy& member, const std::string& memberName);
