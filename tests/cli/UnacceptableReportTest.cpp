// tessaly-report on a project whose result rests on matrices that are not acceptable:
// the text ranking carries the warning right under it, the JSON names every such matrix.
#include "core/model/CUserProjectModel.h"
#include "core/storage/ProjectFile.h"
#include "support/ModelEdits.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
using Codes = std::vector<std::vector<int>>;

std::string Slurp(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The command's standard output for these arguments, and its exit code.
std::pair<int, std::string> Report(const std::filesystem::path& dir, const std::string& arguments)
{
    const std::string command
        = std::string("timeout 30 '") + TESSALY_REPORT + "' " + arguments + " >'" + (dir / "out").string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(dir / "out")};
}

// The CR of a full matrix of codes from its definition: normalised row geometric means,
// lambda-max as the mean of (A w)_i / w_i, Saaty's random index.
double Cr(const Codes& codes)
{
    const std::size_t n = codes.size();
    const double randomIndex[10] = {0, 0, 1.0, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45};
    auto value = [](int code) { return code < 0 ? 1.0 / -code : static_cast<double>(code); };
    std::vector<double> w;
    double total = 0.0;
    for (const auto& row : codes) {
        double product = 1.0;
        for (const int code : row) {
            product *= value(code);
        }
        w.push_back(std::pow(product, 1.0 / static_cast<double>(n)));
        total += w.back();
    }
    double lambda = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        double aw = 0.0;
        for (std::size_t j = 0; j < n; ++j) {
            aw += value(codes[i][j]) * w[j] / total;
        }
        lambda += aw / (w[i] / total) / static_cast<double>(n);
    }
    const auto size = static_cast<double>(n);
    return (lambda - size) / (size - 1.0) / randomIndex[n];
}

void Judge(CUserProjectModel& project, std::uint32_t position, std::uint32_t level, const Codes& codes)
{
    for (std::uint32_t r = 0; r < codes.size(); ++r) {
        for (std::uint32_t c = 0; c < codes.size(); ++c) {
            SetCell(project, position, level, r, c, codes[r][c]);
        }
    }
}
} // namespace

TEST(ReportUnacceptable, TheRankingWarnsAndTheJsonListsEveryMatrixNotAcceptable)
{
    std::string pattern = "/tmp/tessaly-report-unacceptable-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path dir = pattern;
    const std::string file = (dir / "choice.tsy").string();

    // Goal over three criteria over four alternatives: the goal's cycle and the last
    // criterion's 4 x 4 are not acceptable, the other two criteria are.
    CUserProjectModel project;
    ASSERT_TRUE(BuildWithCounts(project, {1, 3, 4}));
    SetName(project, 0, 0, "ВЫБОР");
    SetName(project, 2, 1, "СРОКИ");
    const Codes cycle{{1, 5, -3}, {-5, 1, 5}, {3, -5, 1}};
    const Codes four{{1, 3, -3, 5}, {-3, 1, 5, -2}, {3, -5, 1, 7}, {-5, 2, -7, 1}};
    Judge(project, 0, 0, cycle);
    Judge(project, 0, 1, {{1, 2, 4, 8}, {-2, 1, 2, 4}, {-4, -2, 1, 2}, {-8, -4, -2, 1}});
    Judge(project, 2, 1, four);
    ASSERT_EQ(SaveProjectFile(project, file, false), EWriteResult::Ok);

    const auto [jsonExit, json] = Report(dir, "--json '" + file + "'");
    ASSERT_EQ(jsonExit, 0);
    const nlohmann::json report = nlohmann::json::parse(json);
    const nlohmann::json& unacceptable = report["unacceptable"];
    ASSERT_EQ(unacceptable.size(), 2U) << unacceptable.dump();
    EXPECT_EQ(unacceptable[0]["level"], 0);
    EXPECT_EQ(unacceptable[0]["position"], 0);
    EXPECT_EQ(unacceptable[0]["name"], "ВЫБОР");
    EXPECT_NEAR(unacceptable[0]["cr"].get<double>(), Cr(cycle), 1e-12);
    EXPECT_NEAR(unacceptable[0]["cr"].get<double>(), 2.115767, 1e-6);
    EXPECT_EQ(unacceptable[0]["cr_limit"].get<double>(), 0.05);
    EXPECT_EQ(unacceptable[1]["level"], 1);
    EXPECT_EQ(unacceptable[1]["position"], 2);
    EXPECT_EQ(unacceptable[1]["name"], "СРОКИ");
    EXPECT_NEAR(unacceptable[1]["cr"].get<double>(), 0.994088, 1e-6);
    EXPECT_NEAR(unacceptable[1]["cr"].get<double>(), Cr(four), 1e-12);
    EXPECT_EQ(unacceptable[1]["cr_limit"].get<double>(), 0.08);
    // The same figures as each element's own.
    EXPECT_EQ(unacceptable[1]["cr"], report["levels"][1]["elements"][2]["cr"]);

    // The text: the warning on the line after the last place of the ranking, before the
    // first judged element.
    const auto [textExit, text] = Report(dir, "'" + file + "'");
    ASSERT_EQ(textExit, 0);
    const std::string warning
        = "Внимание: согласованность суждений недостаточна в 2 матрицах из 4: цель «ВЫБОР» (ОС 2.1157, допустимо до "
          "0.05); «СРОКИ», уровень 1 (ОС 0.994, допустимо до 0.08). Результат опирается на суждения, которые стоит "
          "пересмотреть.\n";
    const std::size_t at = text.find(warning);
    ASSERT_NE(at, std::string::npos) << text;
    const std::size_t lastPlace = text.find("  4. ");
    ASSERT_NE(lastPlace, std::string::npos);
    EXPECT_EQ(text.find('\n', lastPlace) + 1, at);
    EXPECT_LT(at, text.find("Уровень 0, элемент 0"));

    // Mended, nothing is said and nothing listed.
    Judge(project, 0, 0, {{1, 2, 4}, {-2, 1, 2}, {-4, -2, 1}});
    Judge(project, 2, 1, {{1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}});
    ASSERT_EQ(SaveProjectFile(project, file, false), EWriteResult::Ok);
    EXPECT_EQ(
        nlohmann::json::parse(Report(dir, "--json '" + file + "'").second)["unacceptable"], nlohmann::json::array());
    EXPECT_EQ(Report(dir, "'" + file + "'").second.find("Внимание"), std::string::npos);
    std::filesystem::remove_all(dir);
}
