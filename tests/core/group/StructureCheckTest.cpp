#include "support/ModelEdits.h"

#include "core/group/StructureCheck.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {
std::unique_ptr<CUserProjectModel> Project(const std::vector<std::uint32_t>& counts)
{
    auto project = std::make_unique<CUserProjectModel>();
    EXPECT_TRUE(BuildWithCounts(*project, counts));
    SetName(*project, 0, 0, "ВЫБОР");
    SetName(*project, 2, 1, "СТОИМОСТЬ");
    return project;
}
} // namespace

TEST(StructureCheck, NamesTheFirstDifferenceWithBothFiles)
{
    struct CCase {
        std::vector<std::uint32_t> Counts;
        std::function<void(CUserProjectModel&)> Edit;
        std::string Expected; // "" for the same structure
    };
    const std::vector<CCase> cases{
        {{1, 3, 2}, [](CUserProjectModel&) {}, ""},
        // Judgements and comments are the experts' own.
        {{1, 3, 2},
            [](CUserProjectModel& p) {
                SetPair(p, 0, 0, 0, 1, 7);
                SetComment(p, 1, 1, "другой");
            },
            ""},
        {{1, 3, 2}, [](CUserProjectModel& p) { SetName(p, 2, 1, "ЦЕНА"); },
            "Файл b.tsy: на уровне 1 элемент 3 называется «ЦЕНА», а в a.tsy — «СТОИМОСТЬ»"},
        {{1, 3, 2}, [](CUserProjectModel& p) { SetName(p, 0, 0, "ЦЕЛЬ"); },
            "Файл b.tsy: на уровне 0 элемент 1 называется «ЦЕЛЬ», а в a.tsy — «ВЫБОР»"},
        // The first difference from the top wins.
        {{1, 3, 2},
            [](CUserProjectModel& p) {
                SetName(p, 1, 2, "Х");
                SetName(p, 0, 1, "Y");
            },
            "Файл b.tsy: на уровне 1 элемент 1 называется «Y», а в a.tsy — «ЭЛЕМЕНТ_0»"},
        {{1, 4, 2}, [](CUserProjectModel&) {}, "Файл b.tsy: на уровне 1 элементов 4, а в a.tsy — 3"},
        {{1, 3, 3}, [](CUserProjectModel&) {}, "Файл b.tsy: на уровне 2 элементов 3, а в a.tsy — 2"},
        {{1, 3, 2, 2}, [](CUserProjectModel&) {}, "Файл b.tsy: уровней 4, а в a.tsy — 3"},
        {{1, 3}, [](CUserProjectModel&) {}, "Файл b.tsy: уровней 2, а в a.tsy — 3"},
    };
    const auto reference = Project({1, 3, 2});
    for (const CCase& c : cases) {
        const auto member = Project(c.Counts);
        c.Edit(*member);
        const auto difference = StructureDifference(*reference, "a.tsy", *member, "b.tsy");
        EXPECT_EQ(difference.value_or(""), c.Expected);
        EXPECT_EQ(difference.has_value(), !c.Expected.empty()) << c.Expected;
    }
}
