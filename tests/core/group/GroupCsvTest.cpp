#include "GroupTestSupport.h"
#include "support/ModelEdits.h"

#include "core/group/CGroupDecision.h"
#include "core/group/GroupCsv.h"
#include "core/model/CUserProjectModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
// The CSV's rows, each split into its fields (no field here holds a quote).
std::vector<std::vector<std::string>> Rows(const std::string& csv, char separator)
{
    std::vector<std::vector<std::string>> rows;
    std::size_t start = 3; // after the byte-order mark
    while (start < csv.size()) {
        const std::size_t end = csv.find("\r\n", start);
        const std::string line = csv.substr(start, end - start);
        std::vector<std::string> fields{""};
        bool quoted = false;
        for (const char c : line) {
            if (c == '"') {
                quoted = !quoted;
            } else if (c == separator && !quoted) {
                fields.emplace_back();
            } else {
                fields.back() += c;
            }
        }
        rows.push_back(fields);
        start = end + 2;
    }
    return rows;
}

// The row after the first row whose first field is title, offset rows further on.
const std::vector<std::string>& After(
    const std::vector<std::vector<std::string>>& rows, const std::string& title, std::size_t offset)
{
    for (std::size_t r = 0; r + offset < rows.size(); ++r) {
        if (rows[r].front().rfind(title, 0) == 0) {
            return rows[r + offset];
        }
    }
    throw std::runtime_error("no row " + title);
}

double Number(std::string field)
{
    for (char& c : field) {
        c = c == ',' ? '.' : c;
    }
    return std::strtod(field.c_str(), nullptr);
}

std::unique_ptr<CUserProjectModel> Expert(int first, int second)
{
    auto project = std::make_unique<CUserProjectModel>();
    EXPECT_TRUE(BuildWithCounts(*project, {1, 3, 2}));
    SetName(*project, 0, 1, "ЦЕНА");
    // The pair (2, 3) of the goal is left "не задано" by everyone.
    project->SetJudgements(0, 0, FromUpper(3, {first, second, 0}));
    for (std::uint32_t c = 0; c < 3; ++c) {
        project->SetJudgements(c, 1, FromUpper(2, {1}));
    }
    return project;
}
} // namespace

// Weights 3 and 1, a pair nobody judged, both decimal separators; one expert has no spread.
TEST(GroupCsv, SectionsCarryTheWeightedFigures)
{
    CGroupDecision decision;
    ASSERT_EQ(decision.AddExpert(CGroupMember{"/x/a.tsy", "Анна", 3}, *Expert(3, 5)), "");
    ASSERT_EQ(decision.AddExpert(CGroupMember{"/x/b.tsy", "Борис", 1}, *Expert(-2, 4)), "");
    const double a01 = std::exp(0.75 * std::log(3.0) + 0.25 * std::log(0.5));
    const double a02 = std::exp(0.75 * std::log(5.0) + 0.25 * std::log(4.0));
    // The weighted variance of the logarithms over 1 - sum alpha^2 = 0.375.
    const auto spread = [](double x, double y) {
        const double m = 0.75 * std::log(x) + 0.25 * std::log(y);
        return std::exp(std::sqrt((0.75 * std::pow(std::log(x) - m, 2) + 0.25 * std::pow(std::log(y) - m, 2)) / 0.375));
    };

    for (const char decimal : {'.', ','}) {
        const std::string csv = GroupCsv(decision, decimal);
        ASSERT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0U);
        const auto rows = Rows(csv, decimal == ',' ? ';' : ',');
        const auto& anna = After(rows, "Эксперты группы", 2);
        ASSERT_EQ(anna.size(), 6U);
        EXPECT_EQ(anna[5], "да");
        EXPECT_EQ(anna[1], "Анна");
        EXPECT_EQ(anna[2], "/x/a.tsy");
        EXPECT_EQ(Number(anna[4]), 0.75);

        const auto& first = After(rows, "Групповые суждения по элементу", 2);
        ASSERT_EQ(first.size(), 6U); // №, name, three cells, priority
        EXPECT_EQ(first[1], "ЦЕНА");
        EXPECT_NEAR(Number(first[3]), a01, 1e-13);
        EXPECT_NEAR(Number(first[4]), a02, 1e-13);
        EXPECT_FALSE(first[5].empty()); // least squares gives priorities
        const auto& second = After(rows, "Групповые суждения по элементу", 3);
        EXPECT_NEAR(Number(second[2]), 1.0 / a01, 1e-13);
        EXPECT_EQ(second[4], ""); // nobody judged it
        const auto& third = After(rows, "Групповые суждения по элементу", 4);
        EXPECT_EQ(third[3], "");

        const auto& spreads = After(rows, "ГСО", 2);
        EXPECT_EQ(Number(spreads[2]), 1.0);
        EXPECT_NEAR(Number(spreads[3]), spread(3.0, 0.5), 1e-12);
        EXPECT_NEAR(Number(spreads[4]), spread(5.0, 4.0), 1e-12);
        EXPECT_EQ(After(rows, "ГСО", 3)[4], "");
        EXPECT_FALSE(After(rows, "Согласие S*", 0).at(1).empty());

        // Who said what on the pair (1, 2): the group, then each expert; Борис lies 3 times
        // as far from the group as Анна (weights 3 and 1).
        const auto& pair = After(rows, "Суждения экспертов по парам", 2);
        ASSERT_EQ(pair.size(), 6U);
        EXPECT_NEAR(Number(pair[3]), a01, 1e-13);
        EXPECT_EQ(pair[4], "2");
        EXPECT_EQ(pair[5], "Борис");
        EXPECT_EQ(After(rows, "Суждения экспертов по парам", 3), (std::vector<std::string>{"1", "2", "Анна", "3"}));
        EXPECT_EQ(Number(After(rows, "Суждения экспертов по парам", 4)[3]), 0.5);
        const auto& nobody = After(rows, "Суждения экспертов по парам", 8);
        EXPECT_EQ(nobody, (std::vector<std::string>{"2", "3", "Группа", "", "0", ""}));
    }

    CGroupDecision solo;
    ASSERT_EQ(solo.AddExpert(CGroupMember{"/x/a.tsy", "Анна", 3}, *Expert(3, 5)), "");
    const std::string csv = GroupCsv(solo, '.');
    EXPECT_EQ(csv.find("\r\nГСО\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\nСогласие S*\r\n"), std::string::npos); // none for one expert: an empty row
    EXPECT_NE(csv.find("\r\n1,Анна,/x/a.tsy,3,1,да\r\n"), std::string::npos) << csv;

    // A label cannot carry a terminal escape into the CSV.
    CGroupDecision escaped;
    ASSERT_EQ(escaped.AddExpert(CGroupMember{"/x/a\x1b]0;t\x07.tsy", "Анна\x1b[2J", 3}, *Expert(3, 5)), "");
    const std::string shown = GroupCsv(escaped, '.');
    for (const char c : shown) {
        EXPECT_TRUE(c == '\r' || c == '\n' || static_cast<unsigned char>(c) >= 0x20U) << static_cast<int>(c);
    }
    EXPECT_NE(shown.find("Анна\\x1b[2J"), std::string::npos);
}
