// tessaly-report on projects with comparisons left out: the JSON fields of every judged
// element, the ranking refused while an element's judgements do not connect its elements,
// and the text report saying the same in words.
#include "core/model/CUserProjectModel.h"
#include "core/storage/ProjectFile.h"
#include "support/ModelEdits.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {
std::string Slurp(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::pair<int, std::string> Report(const std::filesystem::path& dir, const std::string& arguments)
{
    const std::string command
        = std::string("timeout 30 '") + TESSALY_REPORT + "' " + arguments + " >'" + (dir / "out").string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(dir / "out")};
}

void LeaveOut(CUserProjectModel& project, std::uint32_t position, std::uint32_t level, std::uint32_t r, std::uint32_t c)
{
    SetCell(project, position, level, r, c, 0);
    SetCell(project, position, level, c, r, 0);
}
} // namespace

TEST(ReportIncomplete, JsonAndTextTellWhatThePairsGivenYield)
{
    std::string pattern = "/tmp/tessaly-report-incomplete-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path dir = pattern;
    const std::string file = (dir / "choice.tsy").string();

    // The goal judges four criteria as in the worked example (c-d left out); criterion 0
    // judges its two alternatives, criterion 3 is complete.
    CUserProjectModel project;
    ASSERT_TRUE(BuildWithCounts(project, {1, 4, 2}));
    SetName(project, 0, 0, "ВЫБОР");
    SetName(project, 1, 1, "ЦЕНА");
    SetPair(project, 0, 0, 0, 2, 5);
    SetPair(project, 0, 0, 0, 3, 2);
    SetPair(project, 0, 0, 1, 2, 3);
    SetPair(project, 0, 0, 1, 3, 4);
    LeaveOut(project, 0, 0, 2, 3);
    ASSERT_EQ(SaveProjectFile(project, file, false), EWriteResult::Ok);

    const auto [exitCode, json] = Report(dir, "--json '" + file + "'");
    ASSERT_EQ(exitCode, 0);
    nlohmann::json report = nlohmann::json::parse(json);
    const nlohmann::json& goal = report["levels"][0]["elements"][0];
    EXPECT_EQ(goal["judged_pairs"], 5);
    EXPECT_EQ(goal["missing"], nlohmann::json::parse("[[2,3]]"));
    EXPECT_EQ(goal["connected"], true);
    EXPECT_EQ(goal["components"], nlohmann::json::parse("[[0,1,2,3]]"));
    const double w[4] = {0.374183, 0.391633, 0.098841, 0.135343};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(goal["priorities"][i].get<double>(), w[i], 5e-7) << i;
    }
    ASSERT_EQ(goal["completed"].size(), 4U);
    EXPECT_NEAR(goal["completed"][2][3].get<double>(), 0.730297, 5e-7);
    EXPECT_NEAR(goal["completed"][3][2].get<double>(), 1.0 / 0.730297, 5e-6);
    EXPECT_EQ(goal["completed"][0][2].get<double>(), 5.0);
    EXPECT_EQ(goal["completed"][2][0].get<double>(), 0.2);
    EXPECT_NEAR(goal["lambda_max"].get<double>(), 4.092346, 5e-7);
    EXPECT_NEAR(goal["cr"].get<double>(), 0.034202, 5e-7);
    EXPECT_NEAR(goal["ci"].get<double>(), (4.092346 - 4.0) / 3.0, 5e-7);
    EXPECT_TRUE(goal["gci"].is_null());
    EXPECT_EQ(goal["judgements"][2][3], 0);
    // A complete element: all pairs judged, one component, its own matrix as completed.
    const nlohmann::json& full = report["levels"][1]["elements"][3];
    EXPECT_EQ(full["judged_pairs"], 1);
    EXPECT_EQ(full["missing"], nlohmann::json::array());
    EXPECT_EQ(full["components"], nlohmann::json::parse("[[0,1]]"));
    EXPECT_EQ(full["completed"], nlohmann::json::parse("[[1.0,1.0],[1.0,1.0]]"));
    EXPECT_EQ(report["ranking"].size(), 2U);
    EXPECT_EQ(report["incomplete_elements"], nlohmann::json::array());

    const auto [textExit, text] = Report(dir, "'" + file + "'");
    ASSERT_EQ(textExit, 0);
    EXPECT_NE(text.find("Неполные матрицы суждений:\n  цель «ВЫБОР»: задано 5 из 6 сравнений\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("СЗ: 4.0923; ИС: 0.0307; ОС (по дополненной матрице): 0.0342"), std::string::npos);

    // ЦЕНА's only pair left out: nothing connects its two alternatives.
    LeaveOut(project, 1, 1, 0, 1);
    ASSERT_EQ(SaveProjectFile(project, file, false), EWriteResult::Ok);
    report = nlohmann::json::parse(Report(dir, "--json '" + file + "'").second);
    const nlohmann::json& price = report["levels"][1]["elements"][1];
    EXPECT_EQ(price["judged_pairs"], 0);
    EXPECT_EQ(price["missing"], nlohmann::json::parse("[[0,1]]"));
    EXPECT_EQ(price["connected"], false);
    EXPECT_EQ(price["components"], nlohmann::json::parse("[[0],[1]]"));
    for (const char* key : {"completed", "priorities", "lambda_max", "ci", "cr", "gci"}) {
        EXPECT_TRUE(price[key].is_null()) << key;
    }
    EXPECT_TRUE(report["ranking"].is_null());
    EXPECT_TRUE(report["levels"][2]["elements"][0]["global"].is_null());
    EXPECT_EQ(report["incomplete_elements"],
        nlohmann::json::parse(R"([{"level":1,"position":1,"name":"ЦЕНА","components":[[0],[1]]}])"));
    // The goal is still computed.
    EXPECT_NEAR(report["levels"][0]["elements"][0]["cr"].get<double>(), 0.034202, 5e-7);

    const std::string refusal
        = "Недостаточно сравнений для «ЦЕНА»: группы {ЭЛЕМЕНТ_0} и {ЭЛЕМЕНТ_1} не сравнены между собой";
    const std::string words = Report(dir, "'" + file + "'").second;
    EXPECT_NE(words.find("Итоговый рейтинг (распределительный синтез):\n  " + refusal + "\n"), std::string::npos)
        << words;
    EXPECT_NE(words.find("Итоговый рейтинг (идеальный синтез):\n  " + refusal + "\n"), std::string::npos) << words;
    EXPECT_EQ(words.find("  1. "), std::string::npos) << "no place is ranked";
    EXPECT_NE(words.find("Анализ чувствительности:\n  " + refusal + "\n"), std::string::npos);
    EXPECT_NE(words.find("Уровень 1, элемент 1: ЦЕНА\n  Задано 0 из 1 сравнения. Недостаточно: группы {ЭЛЕМЕНТ_0} и "
                         "{ЭЛЕМЕНТ_1} не сравнены\n  "
                  + refusal + "\n  Приоритеты не определены: сравнений недостаточно\n"),
        std::string::npos);
    std::filesystem::remove_all(dir);
}
