#include "core/results/ReportContent.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/CProjectResults.h"
#include "core/results/Deviations.h"
#include "core/results/NumberFormat.h"
#include "core/results/Synthesis.h"
#include "core/storage/ProjectFile.h"
#include "support/IdealExample.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
using Codes = std::vector<std::vector<int>>;

// A figure as every output shows it, worked out here: floored to 4 decimals, at most 15
// significant digits, no trailing zeros.
std::string Cut4(double x, char separator = '.')
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", std::floor(x * 1e4 + 1e-9) / 1e4);
    std::string text = buffer;
    for (char& c : text) {
        c = c == '.' ? separator : c;
    }
    return text;
}

double Weight(int code)
{
    return code < 0 ? 1.0 / -code : code;
}

// CR and the geometric index of a full matrix of codes, from the definitions.
struct CMeasured {
    double CR = 0.0;
    double Gci = 0.0;
};
CMeasured Measure(const Codes& codes)
{
    const std::size_t n = codes.size();
    const double randomIndex[10] = {0, 0, 1.0, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45};
    std::vector<double> w;
    double total = 0.0;
    for (const auto& row : codes) {
        double product = 1.0;
        for (const int code : row) {
            product *= Weight(code);
        }
        w.push_back(std::pow(product, 1.0 / static_cast<double>(n)));
        total += w.back();
    }
    for (double& x : w) {
        x /= total;
    }
    double lambda = 0.0;
    double squares = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        double aw = 0.0;
        for (std::size_t j = 0; j < n; ++j) {
            aw += Weight(codes[i][j]) * w[j];
            if (j > i) {
                const double l = std::log(Weight(codes[i][j]) * w[j] / w[i]);
                squares += l * l;
            }
        }
        lambda += aw / w[i] / static_cast<double>(n);
    }
    const auto size = static_cast<double>(n);
    return {(lambda - size) / (size - 1.0) / randomIndex[n], 2.0 / ((size - 1.0) * (size - 2.0)) * squares};
}

Codes WithPair(Codes codes, std::size_t r, std::size_t c, int code)
{
    codes[r][c] = code;
    codes[c][r] = code == 1 ? 1 : -code;
    return codes;
}

// The goal judges its n elements by the codes given; three levels, default names.
std::unique_ptr<CUserProjectModel> GoalJudging(const Codes& codes)
{
    auto project = std::make_unique<CUserProjectModel>();
    project->BuildNewHierarchy(static_cast<std::uint32_t>(codes.size()), 3, "ЦЕЛЬ", "");
    for (std::uint32_t r = 0; r < codes.size(); ++r) {
        for (std::uint32_t c = 0; c < codes.size(); ++c) {
            SetCell(*project, 0, 0, r, c, codes[r][c]);
        }
    }
    return project;
}

std::unique_ptr<CUserProjectModel> Supplier()
{
    // The reader opens files for writing too: read a private copy.
    char name[] = "/tmp/tessaly-report-content-XXXXXX";
    const int fd = ::mkstemp(name);
    EXPECT_GE(fd, 0);
    ::close(fd);
    std::filesystem::copy_file(std::string(TESSALY_SOURCE_DIR) + "/examples/supplier.tsy", name,
        std::filesystem::copy_options::overwrite_existing);
    auto record = std::make_unique<TLoadSaveProject>();
    const bool read = ReadProjectFile(*record, name).Succeeded();
    std::filesystem::remove(name);
    auto project = std::make_unique<CUserProjectModel>();
    EXPECT_TRUE(read && project->BuildLoadedHierarchy(*record));
    return project;
}

// The 5 x 5 matrix whose best change is 1/2 -> 8 in the pair (3, 4).
const Codes Unacceptable{{1, 2, -6, 4, 3}, {-2, 1, -4, 9, 2}, {6, 4, 1, -2, 5}, {-4, -9, 2, 1, -3}, {-3, -2, -5, 3, 1}};
} // namespace

TEST(ReportContent, TheVerdictLinesOfEveryKindOfMatrix)
{
    struct Case {
        const char* Name;
        Codes Matrix;
        std::string Verdict, Ratio, Geometric, Heading;
    };
    const CMeasured bad = Measure(Unacceptable);
    const CMeasured notQuite = Measure({{1, 3, 4}, {-3, 1, 2}, {-4, -2, 1}});
    const std::vector<Case> cases{
        {"consistent", {{1, 2, 4}, {-2, 1, 2}, {-4, -2, 1}}, "Согласованность суждений приемлема",
            "ОС: 0 (допустимо до 0,05)", "Геометрический индекс: 0 (допустимо до 0,31)",
            "Предложений по изменению суждений нет"},
        {"within", {{1, 3, 4}, {-3, 1, 2}, {-4, -2, 1}}, "Согласованность суждений приемлема",
            "ОС: " + Cut4(notQuite.CR, ',') + " (допустимо до 0,05)",
            "Геометрический индекс: " + Cut4(notQuite.Gci, ',') + " (допустимо до 0,31)",
            "Предложений по изменению суждений нет"},
        {"unacceptable", Unacceptable, "Согласованность суждений недостаточна: суждения стоит пересмотреть",
            "ОС: " + Cut4(bad.CR, ',') + " (допустимо до 0,1)",
            "Геометрический индекс: " + Cut4(bad.Gci, ',') + " (допустимо до 0,37)", "Что изменить в первую очередь:"},
        // A pair has no geometric index.
        {"pair", {{1, 5}, {-5, 1}}, "Согласованность суждений приемлема", "ОС: 0 (допустимо до 0,05)", "",
            "Предложений по изменению суждений нет"},
        // A 0 read from a file in one cell of a pair: no figure means anything.
        {"zero", {{1, 0, 2}, {3, 1, 2}, {-2, -2, 1}}, "Согласованность не оценивается: в матрице есть нулевые суждения",
            "", "", ""},
        // A pair left out (0 in both cells): the completed matrix is judged, with no
        // geometric index; here the two judgements given complete it consistently.
        {"left out", {{1, 0, 2}, {0, 1, 2}, {-2, -2, 1}}, "Согласованность суждений приемлема",
            "ОС (по дополненной матрице): 0 (допустимо до 0,05)", "", "Предложений по изменению суждений нет"},
        // Nothing connects element 1 with the others: no verdict.
        {"not connected", {{1, 0, 2}, {0, 1, 0}, {-2, 0, 1}}, "Согласованность не оценивается: сравнений недостаточно",
            "", "", ""},
    };
    for (const Case& c : cases) {
        const auto project = GoalJudging(c.Matrix);
        const CConsistencyGuidance guidance = GuideConsistency(*project, 0, 0);
        const CConsistencyText text = ConsistencyText(guidance, ',');
        EXPECT_EQ(text.Verdict, c.Verdict) << c.Name;
        EXPECT_EQ(text.RatioLimit, c.Ratio) << c.Name;
        EXPECT_EQ(text.GeometricLimit, c.Geometric) << c.Name;
        EXPECT_EQ(text.SuggestionsHeading, c.Heading) << c.Name;
        // A report prints the lines shown, in order, and nothing else.
        std::vector<std::string> shown;
        for (const std::string& line : {c.Verdict, c.Ratio, c.Geometric}) {
            if (!line.empty()) {
                shown.push_back(line);
            }
        }
        EXPECT_EQ(ConsistencyLines(guidance, ','), shown) << c.Name;
    }
    // Nothing judged, nothing said.
    EXPECT_TRUE(ConsistencyLines(CConsistencyGuidance{}).empty());
    EXPECT_EQ(ConsistencyText(CConsistencyGuidance{}).Verdict, "");
}

TEST(ReportContent, SuggestionsInTheWindowsWordsForEveryOutput)
{
    const auto project = GoalJudging(Unacceptable);
    SetName(*project, 2, 1, "ЦЕНА");
    SetName(*project, 3, 1, "СРОКИ");
    const CConsistencyGuidance guidance = GuideConsistency(*project, 0, 0);
    ASSERT_EQ(guidance.SuggestionCount, 3U);
    const CSuggestion& first = guidance.Suggestions[0];
    // The other judgements put "ЦЕНА" far ahead: the 1/2 looks typed the wrong way round.
    ASSERT_TRUE(first.Row == 2 && first.Column == 3 && first.Current == -2 && first.Proposed == 9);
    ASSERT_TRUE(first.ProbablyReversed);
    const CMeasured after = Measure(WithPair(Unacceptable, 2, 3, 9));

    // The line as the research window shows it, with the names it gives (shortened there):
    // the judgement turns round, so it says which element becomes the more important one.
    EXPECT_EQ(SuggestionText(first, "ЦЕ…", "СРОКИ", ','),
        "3. ЦЕ… и 4. СРОКИ: 1/2 → 9, остальные суждения говорят: «ЦЕ…» важнее примерно в 9 раз — возможно, суждение "
        "введено наоборот; ОС станет "
            + Cut4(after.CR, ','));
    EXPECT_EQ(SuggestionDescription(first, "ЦЕНА", "СРОКИ"),
        "«ЦЕНА» по сравнению с «СРОКИ»: сейчас 1/2, предлагается 9; после замены ОС станет " + Cut4(after.CR)
            + ", геометрический индекс " + Cut4(after.Gci)
            + "; остальные суждения говорят: «ЦЕНА» важнее примерно в 9 раз — возможно, суждение введено наоборот");
    // A report numbers them and names the elements whole.
    const std::vector<std::string> lines = SuggestionLines(*project, 0, guidance);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0],
        "Предложение 1: 3. ЦЕНА и 4. СРОКИ: 1/2 → 9, остальные суждения говорят: «ЦЕНА» важнее примерно в 9 раз — "
        "возможно, суждение введено наоборот; ОС станет "
            + Cut4(after.CR) + ", геометрический индекс " + Cut4(after.Gci));
    const CSuggestion& second = guidance.Suggestions[1];
    const CMeasured secondAfter
        = Measure(WithPair(Unacceptable, second.Row, second.Column, second.Proposed == 1 ? 1 : second.Proposed));
    EXPECT_EQ(lines[1].rfind("Предложение 2: " + std::to_string(second.Row + 1) + ". ", 0), 0U) << lines[1];
    EXPECT_NE(lines[1].find("; ОС станет " + Cut4(secondAfter.CR) + ", геометрический индекс "), std::string::npos)
        << lines[1];
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find("->"), std::string::npos) << line;
        EXPECT_EQ(line.find("CR"), std::string::npos) << line;
        EXPECT_EQ(line.find("GCI"), std::string::npos) << line;
    }
    // A pair's suggestion has no geometric index to leave.
    CSuggestion pair{0, 1, -3, 1, 0.0, std::nullopt, true, false, std::nullopt, 1, false};
    EXPECT_EQ(SuggestionDescription(pair, "А", "Б"),
        "«А» по сравнению с «Б»: сейчас 1/3, предлагается 1; после замены ОС станет 0");
}

// Every kind of change in words: strengthened or weakened on the same side, turned
// round (the element that becomes the more important one named), from and to equality,
// with "раз" or "раза" as the number asks.
TEST(ReportContent, WhatEachSuggestionDoesInWords)
{
    struct Case {
        std::int32_t Current, Proposed;
        const char* Meaning;
    };
    const std::vector<Case> cases{
        {2, 8, "«А» важнее не в 2, а в 8 раз"},
        {8, 3, "«А» важнее не в 8, а в 3 раза"},
        {-5, -2, "«Б» важнее не в 5, а в 2 раза"},
        {-2, -4, "«Б» важнее не в 2, а в 4 раза"},
        {5, -8, "суждение наоборот: теперь «Б» важнее в 8 раз"},
        {-3, 4, "суждение наоборот: теперь «А» важнее в 4 раза"},
        {-9, 2, "суждение наоборот: теперь «А» важнее в 2 раза"},
        {1, -3, "теперь «Б» важнее в 3 раза"},
        {1, 6, "теперь «А» важнее в 6 раз"},
        {7, 1, "считать их равноценными"},
        {-9, 1, "считать их равноценными"},
    };
    for (const Case& c : cases) {
        CSuggestion suggestion{1, 4, c.Current, c.Proposed, 0.04321, 0.2, true, false, std::nullopt, 1, false};
        EXPECT_EQ(SuggestionMeaning(suggestion, "А", "Б"), c.Meaning) << c.Current << " " << c.Proposed;
        EXPECT_EQ(SuggestionText(suggestion, "А", "Б", ','),
            "2. А и 5. Б: " + JudgementCellText(c.Current) + " → " + JudgementCellText(c.Proposed) + ", " + c.Meaning
                + "; ОС станет 0,0432")
            << c.Current << " " << c.Proposed;
    }

    // The worked examples: the words say "наоборот" exactly when the rule says the change
    // reverses the judgement, and the cycle's first change names B, 1/8 of A against B.
    const std::vector<Codes> examples{{{1, 5, -3}, {-5, 1, 5}, {3, -5, 1}},
        {{1, 3, -3, 5}, {-3, 1, 5, -2}, {3, -5, 1, 7}, {-5, 2, -7, 1}}, Unacceptable};
    for (const Codes& codes : examples) {
        const auto project = GoalJudging(codes);
        const CConsistencyGuidance guidance = GuideConsistency(*project, 0, 0);
        ASSERT_EQ(guidance.SuggestionCount, 3U);
        for (std::uint32_t s = 0; s < 3; ++s) {
            const CSuggestion& suggestion = guidance.Suggestions[s];
            const std::string meaning = SuggestionMeaning(suggestion, "А", "Б");
            EXPECT_EQ(meaning.rfind("суждение наоборот", 0) == 0, suggestion.Reverses) << meaning;
        }
    }
    const auto cycle = GoalJudging(examples[0]);
    SetName(*cycle, 0, 1, "A");
    SetName(*cycle, 1, 1, "B");
    const CConsistencyGuidance guidance = GuideConsistency(*cycle, 0, 0);
    EXPECT_EQ(SuggestionLines(*cycle, 0, guidance)
                  .front()
                  .rfind("Предложение 1: 1. A и 2. B: 5 → 1/9, остальные суждения говорят: «B» важнее примерно в 9 раз "
                         "— возможно, суждение введено "
                         "наоборот; ОС станет "
                          + Cut4(Measure(WithPair(examples[0], 0, 1, -9)).CR) + ",",
                      0),
        0U);
}

// Which matrices of a project are not acceptable, and how every output says so. The
// verdicts are checked against the research window's own, computed afresh per element.
TEST(ReportContent, UnacceptableMatricesAndTheWarning)
{
    // Goal over three criteria, each over three alternatives.
    CUserProjectModel project;
    project.BuildNewHierarchy(3, 3, "ВЫБОР", "");
    SetName(project, 1, 1, "ЦЕНА");
    const Codes cycle{{1, 5, -3}, {-5, 1, 5}, {3, -5, 1}};
    const Codes within{{1, 3, 4}, {-3, 1, 2}, {-4, -2, 1}};
    const Codes notQuite{{1, 3, 1}, {-3, 1, 2}, {1, -2, 1}};
    const auto judge = [&project](std::uint32_t position, std::uint32_t level, const Codes& codes) {
        for (std::uint32_t r = 0; r < 3; ++r) {
            for (std::uint32_t c = 0; c < 3; ++c) {
                SetCell(project, position, level, r, c, codes[r][c]);
            }
        }
    };
    judge(0, 0, cycle);
    judge(0, 1, within);
    judge(1, 1, notQuite);
    // A pair left out: no verdict, so no warning either.
    judge(2, 1, {{1, 0, 3}, {0, 1, 2}, {-3, -2, 1}});
    const CProjectResults results = ComputeResults(project);
    const std::vector<CUnacceptableMatrix> found = UnacceptableMatrices(project, results);
    ASSERT_EQ(found.size(), 2U);
    const CMeasured goal = Measure(cycle);
    const CMeasured price = Measure(notQuite);
    ASSERT_GT(price.CR, 0.05);
    EXPECT_TRUE(found[0].Level == 0 && found[0].Position == 0);
    EXPECT_NEAR(found[0].Cr, goal.CR, 1e-12);
    EXPECT_EQ(found[0].CrLimit, 0.05);
    EXPECT_TRUE(found[1].Level == 1 && found[1].Position == 1);
    EXPECT_NEAR(found[1].Cr, price.CR, 1e-12);
    for (std::uint32_t level = 0; level < 2; ++level) {
        for (std::uint32_t position = 0; position < (level == 0 ? 1U : 3U); ++position) {
            const bool listed = std::any_of(found.begin(), found.end(),
                [&](const CUnacceptableMatrix& m) { return m.Level == level && m.Position == position; });
            EXPECT_EQ(listed, GuideConsistency(project, position, level).Verdict == EConsistencyVerdict::NotAcceptable)
                << level << "/" << position;
        }
    }
    EXPECT_EQ(JudgedMatrixCount(project), 4U);

    EXPECT_EQ(UnacceptableMarkText(found[1], ','),
        "Согласованность суждений недостаточна: ОС " + Cut4(price.CR, ',') + " (допустимо до 0,05)");
    EXPECT_EQ(UnacceptableWarningText(project, found),
        "Внимание: согласованность суждений недостаточна в 2 матрицах из 4: цель «ВЫБОР» (ОС " + Cut4(goal.CR)
            + ", допустимо до 0.05); «ЦЕНА», уровень 1 (ОС " + Cut4(price.CR)
            + ", допустимо до 0.05). Результат опирается на суждения, которые стоит пересмотреть.");
    const std::vector<CUnacceptableMatrix> one{found[1]};
    EXPECT_EQ(UnacceptableWarningText(project, one)
                  .rfind("Внимание: согласованность суждений недостаточна в 1 "
                         "матрице из 4: «ЦЕНА», уровень 1 (ОС ",
                      0),
        0U);
    // Least squares over a pair left out may leave an inconsistent completed matrix: the
    // verdict rests on the completed matrix's CR, so it is listed, and says so.
    auto gaps = GoalJudging({{1, 0, 9, -9}, {0, 1, -9, 9}, {-9, 9, 1, 9}, {9, -9, -9, 1}});
    const CProjectResults gapResults = ComputeResults(*gaps);
    ASSERT_EQ(gapResults.Basis(0, 0), EPrioritiesBasis::LeastSquares);
    ASSERT_GT(gapResults.LevelData(0, 0).CR, 0.08);
    const std::vector<CUnacceptableMatrix> gapFound = UnacceptableMatrices(*gaps, gapResults);
    ASSERT_EQ(gapFound.size(), 1U);
    EXPECT_TRUE(gapFound[0].Completed);
    EXPECT_EQ(gapFound[0].Cr, gapResults.LevelData(0, 0).CR);
    EXPECT_EQ(UnacceptableMarkText(gapFound[0]),
        "Согласованность суждений недостаточна: ОС (по дополненной матрице) " + Cut4(gapResults.LevelData(0, 0).CR)
            + " (допустимо до 0.08)");
    // All acceptable: nothing to say.
    judge(0, 0, within);
    judge(1, 1, within);
    const CProjectResults mended = ComputeResults(project);
    EXPECT_TRUE(UnacceptableMatrices(project, mended).empty());
    EXPECT_EQ(UnacceptableWarningText(project, UnacceptableMatrices(project, mended)), "");

    EXPECT_EQ(AcceptedChangeText(0, 1, CJudgement::FromCode(5), -8), "1 и 2: 5 → 1/8");
    EXPECT_EQ(AcceptedChangeText(2, 3, CJudgement::Combined(0.5), 8, ','), "3 и 4: 0,5 → 8");
}

TEST(ReportContent, MeasuresPrioritiesAndTransitivity)
{
    TDesicionLevelData data;
    data.LambdaMax = 3.0385110;
    data.CI = 0.0192555;
    data.CR = 0.0331992;
    data.Priority = {0.6369827, 0.2582850, 0.1047323};
    EXPECT_EQ(MeasuresText(data), "СЗ: 3.0385; ИС: 0.0192; ОС: 0.0331");
    EXPECT_EQ(MeasuresText(data, ','), "СЗ: 3,0385; ИС: 0,0192; ОС: 0,0331");
    EXPECT_EQ(LocalPrioritiesText(data, 3, ','), "Локальные приоритеты: 0,6369 0,2582 0,1047");
    EXPECT_EQ(LocalPrioritiesText(data, 2), "Локальные приоритеты: 0.6369 0.2582");
    // A zero from a file shows 0, never nan.
    EXPECT_EQ(MeasuresText(TDesicionLevelData{}), "СЗ: 0; ИС: 0; ОС: 0");

    CTransitivityReport report;
    EXPECT_EQ(TransitivityText(report), Tr(NoTransitivityViolationText));
    report.None = false;
    report.Lines = {"1>2>3>1", "2<4<5<2"};
    EXPECT_EQ(TransitivityText(report), "Нарушения транзитивности: 1>2>3>1, 2<4<5<2");
}

TEST(ReportContent, RankingLevelAndJudgementTables)
{
    // Goal 3 : 1 over two criteria, criterion 0 prefers alternative 1 by 5 : 1, criterion 1
    // is indifferent: the criteria weigh 0.75 and 0.25, the alternatives 0.25 and 0.75.
    CUserProjectModel project;
    project.BuildNewHierarchy(2, 3, "Выбор", "");
    SetPair(project, 0, 0, 0, 1, 3);
    SetPair(project, 0, 1, 1, 0, 5);
    SetName(project, 0, 2, "Дом");
    SetName(project, 1, 2, "Flat");
    const CProjectResults results = ComputeResults(project);

    const CReportTable ranking = FinalRankingTable(project, results, ',');
    EXPECT_EQ(ranking.Header, (std::vector<std::string>{"Место", "Альтернатива", "Приоритет"}));
    EXPECT_EQ(ranking.Rows, (std::vector<std::vector<std::string>>{{"1", "Flat", "0,75"}, {"2", "Дом", "0,25"}}));

    const CReportTable level = LevelRankingTable(project, results, 1);
    EXPECT_EQ(level.Header, (std::vector<std::string>{"Уровень 1", "Приоритет"}));
    EXPECT_EQ(level.Rows, (std::vector<std::vector<std::string>>{{"ЭЛЕМЕНТ_0", "0.75"}, {"ЭЛЕМЕНТ_1", "0.25"}}));

    // Priorities 1/6 and 5/6, floored.
    const CReportTable judgements = JudgementTable(project, results, 0, 1);
    EXPECT_EQ(judgements.Header, (std::vector<std::string>{"Элемент уровня 2", "1", "2", "Приоритет"}));
    EXPECT_EQ(judgements.Rows,
        (std::vector<std::vector<std::string>>{{"1. Дом", "1", "1/5", "0.1666"}, {"2. Flat", "5", "1", "0.8333"}}));
    // The bottom level judges nothing.
    EXPECT_TRUE(JudgementTable(project, results, 0, 2).Header.empty());
}

TEST(ReportContent, SensitivityOfTheSupplierExample)
{
    const auto project = Supplier();
    ASSERT_EQ(project->LevelCount(), 3U);
    const CProjectResults results = ComputeResults(*project);
    auto analysis = std::make_unique<CSensitivityAnalysis>();
    AnalyseSensitivity(*project, results, *analysis);

    // СРОКИ (0.227351) crosses at 0.035802 (УРАЛТРУБ, ВОЛГАМЕТ), 0.309249 (СИБСТАЛЬ,
    // ВОЛГАМЕТ) and 0.671571 (УРАЛТРУБ, СИБСТАЛЬ). Today ВОЛГАМЕТ (0.3403) is ahead of
    // УРАЛТРУБ (0.2571) and behind СИБСТАЛЬ (0.4027), so above each crossing the one ahead
    // is: ВОЛГАМЕТ, ВОЛГАМЕТ, then УРАЛТРУБ. The critical change is the second one.
    const CElementSensitivityText terms = ElementSensitivityText(*project, *analysis, 1, 2, ',');
    EXPECT_EQ(terms.Summary, "Чувствительность: глобальный вес 0,2273 (здесь критическое изменение проекта)");
    EXPECT_EQ(terms.Note, "");
    struct Row {
        std::string Weight, Pair, Leader;
    };
    const std::vector<Row> expected{{"0,0358", "УРАЛТРУБ и ВОЛГАМЕТ", "ВОЛГАМЕТ"},
        {"0,3092", "СИБСТАЛЬ и ВОЛГАМЕТ", "ВОЛГАМЕТ"}, {"0,6715", "УРАЛТРУБ и СИБСТАЛЬ", "УРАЛТРУБ"}};
    ASSERT_EQ(terms.Crossings.size(), expected.size());
    for (std::size_t c = 0; c < expected.size(); ++c) {
        const CCrossingText& got = terms.Crossings[c];
        EXPECT_EQ(got.Weight, expected[c].Weight) << c;
        EXPECT_EQ(got.Pair, expected[c].Pair) << c;
        EXPECT_EQ(got.LeaderAfter, expected[c].Leader) << c;
        EXPECT_EQ(got.Sentence,
            "при весе " + expected[c].Weight + " " + expected[c].Pair + " меняются местами, при большем весе впереди "
                + expected[c].Leader)
            << c;
    }
    const std::vector<std::string> lines = SensitivityLines(terms);
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0], terms.Summary + ":");
    EXPECT_EQ(lines[3], terms.Crossings[2].Sentence);

    // РЕПУТАЦИЯ changes no place at any weight; ЦЕНА is not where the critical change is.
    const CElementSensitivityText quiet = ElementSensitivityText(*project, *analysis, 1, 3);
    EXPECT_EQ(SensitivityLines(quiet),
        std::vector<std::string>{
            "Чувствительность: глобальный вес 0.1221. При любом весе этого элемента порядок альтернатив прежний."});
    EXPECT_EQ(ElementSensitivityText(*project, *analysis, 1, 0).Summary, "Чувствительность: глобальный вес 0.2273");

    // An element holding its whole level has nothing to move.
    CSensitivityAnalysis& whole = *analysis;
    whole.Elements[1][3].HasLines = false;
    whole.Elements[1][3].Weight = 1.0;
    EXPECT_EQ(SensitivityLines(ElementSensitivityText(*project, whole, 1, 3)),
        std::vector<std::string>{"Чувствительность: глобальный вес 1. Элемент несёт весь вес уровня: менять нечего."});

    // The window's names give the same texts.
    CAlternativeNames names{"УРАЛТРУБ", "СИБСТАЛЬ", "ВОЛГАМЕТ"};
    EXPECT_EQ(ElementSensitivityText(names, *analysis, 1, 2, ',').Crossings[1].Sentence, terms.Crossings[1].Sentence);

    EXPECT_EQ(SensitivityChartNote(0.2273512, ','),
        "Пунктир: текущий вес 0,2273. Кружки и строки таблицы: при каком весе две альтернативы меняются местами и "
        "какая из них впереди при большем весе.");

    EXPECT_EQ(
        CriticalChangeText(*project, std::nullopt), "Критическое изменение: изменение одного веса не меняет лидера");
    // No percentage of a weight that was 0.
    const CCriticalChange fromZero{1, 3, 0.0, 0.25, 0, 1, 1};
    EXPECT_EQ(CriticalChangeText(*project, fromZero, ','),
        "Критическое изменение: вес «РЕПУТАЦИЯ» (уровень 1) с 0 до 0,25: СИБСТАЛЬ обгоняет УРАЛТРУБ");
}

TEST(ReportContent, BothRankingsOfTheWorkedIdealExample)
{
    CUserProjectModel project;
    ASSERT_TRUE(idealexample::Build(project));
    const CProjectResults results = ComputeResults(project);
    // Truncated to 4 decimals as every output shows them.
    EXPECT_EQ(FinalRankingTable(project, results).Rows,
        (std::vector<std::vector<std::string>>{
            {"1", "АЛЬФА", "0.6637"}, {"2", "БЕТА", "0.2069"}, {"3", "ГАММА", "0.1293"}}));
    const CReportTable ideal = IdealRankingTable(project, results, ',');
    EXPECT_EQ(ideal.Header, (std::vector<std::string>{"Место", "Альтернатива", "Приоритет", "Доля идеала"}));
    EXPECT_EQ(ideal.Rows,
        (std::vector<std::vector<std::string>>{
            {"1", "АЛЬФА", "0,6433", "1"}, {"2", "БЕТА", "0,221", "0,3436"}, {"3", "ГАММА", "0,1355", "0,2106"}}));

    EXPECT_EQ(RankingTitle(ESynthesisMode::Distributive), "Итоговый рейтинг (распределительный синтез)");
    EXPECT_EQ(RankingTitle(ESynthesisMode::Ideal), "Итоговый рейтинг (идеальный синтез)");
    EXPECT_EQ(ResultsTitle(ESynthesisMode::Distributive), "Итоговый результат");
    EXPECT_EQ(ResultsTitle(ESynthesisMode::Ideal), "Итоговый результат (идеальный синтез)");

    // Only the bottom level differs between the modes.
    const CResultList criteria = LevelResults(project, results, 1, ESynthesisMode::Ideal);
    const CResultList plain = LevelResults(project, results, 1);
    for (std::uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(criteria.Rows[i].Value, plain.Rows[i].Value);
        EXPECT_EQ(criteria.Rows[i].Position, plain.Rows[i].Position);
    }
}
