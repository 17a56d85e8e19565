// tessaly-report: a project or template file as a readable report or one JSON object.
// Every figure comes from the core's own computations, exactly as the windows show them.
#include "model/CUserProjectModel.h"
#include "results/Deviations.h"
#include "results/NumberFormat.h"
#include "results/Synthesis.h"
#include "storage/ProjectFile.h"
#include "storage/TLoadSaveProject.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <string>

namespace {
constexpr int ExitOk = 0;
constexpr int ExitRefused = 1;
constexpr int ExitUsage = 2;
constexpr const char* UsageText = "Использование: tessaly-report [--json] ФАЙЛ";

std::string Shown(double x)
{
    return FormatTruncated(x, 4);
}

void PrintText(const CUserProjectModel& project)
{
    std::cout << "Цель: " << project.Goal().Name << '\n';
    std::cout << "Комментарий: " << project.Goal().Comment << '\n';
    std::cout << "Уровней: " << project.LevelCount() << "\n\nИтоговый рейтинг:\n";
    const CResultList ranking = FinalResults(project);
    for (std::uint32_t i = 0; i < ranking.Count; ++i) {
        std::cout << "  " << i + 1 << ". " << ranking.Rows[i].Name << "  " << Shown(ranking.Rows[i].Value) << '\n';
    }
    for (std::uint32_t k = 0; k + 1 < project.LevelCount(); ++k) {
        const std::uint32_t n = project.ElementsInLevelChecked(k + 1);
        for (std::uint32_t e = 0; e < project.ElementsInLevelChecked(k); ++e) {
            const TDesicionLevelData& data = project.LevelData(e, k);
            std::cout << "\nУровень " << k << ", элемент " << e << ": " << project.Element(e, k).Name << '\n';
            std::cout << "  Локальные приоритеты:";
            for (std::uint32_t j = 0; j < n; ++j) {
                std::cout << ' ' << Shown(data.Priority[j]);
            }
            std::cout << "\n  lambda-max: " << Shown(data.LambdaMax) << "  CI: " << Shown(data.CI)
                      << "  CR: " << Shown(data.CR) << '\n';
            const CTransitivityReport report = BuildTransitivityReport(project.Element(e, k).Judgements, n);
            if (report.None) {
                std::cout << "  " << NoTransitivityViolationText << '\n';
            }
            for (const std::string& line : report.Lines) {
                std::cout << "  " << line << '\n';
            }
        }
    }
}

nlohmann::json Json(const CUserProjectModel& project)
{
    nlohmann::json root;
    root["goal"] = project.Goal().Name;
    root["comment"] = project.Goal().Comment;
    root["level_count"] = project.LevelCount();
    nlohmann::json levels = nlohmann::json::array();
    for (std::uint32_t k = 0; k < project.LevelCount(); ++k) {
        const bool judged = k + 1 < project.LevelCount();
        const std::uint32_t n = judged ? project.ElementsInLevelChecked(k + 1) : 0;
        nlohmann::json elements = nlohmann::json::array();
        for (std::uint32_t e = 0; e < project.ElementsInLevelChecked(k); ++e) {
            const CHierarchy_Element& element = project.Element(e, k);
            nlohmann::json item{{"position", e}, {"name", element.Name}, {"comment", element.Comment}};
            item["global"] = k == 0 ? nlohmann::json(nullptr) : nlohmann::json(project.GlobalPriority()(e, k));
            if (judged) {
                const TDesicionLevelData& data = project.LevelData(e, k);
                nlohmann::json rows = nlohmann::json::array();
                nlohmann::json priorities = nlohmann::json::array();
                for (std::uint32_t r = 0; r < n; ++r) {
                    nlohmann::json row = nlohmann::json::array();
                    for (std::uint32_t c = 0; c < n; ++c) {
                        row.push_back(element.Judgements(r, c));
                    }
                    rows.push_back(row);
                    priorities.push_back(data.Priority[r]);
                }
                item["judgements"] = rows;
                item["priorities"] = priorities;
                item["lambda_max"] = data.LambdaMax;
                item["ci"] = data.CI;
                item["cr"] = data.CR;
                item["intransitive_triads"] = BuildTransitivityReport(element.Judgements, n).Lines;
            }
            elements.push_back(item);
        }
        levels.push_back({{"level", k}, {"elements", elements}});
    }
    root["levels"] = levels;
    nlohmann::json ranking = nlohmann::json::array();
    const CResultList results = FinalResults(project);
    for (std::uint32_t i = 0; i < results.Count; ++i) {
        const CResultRow& row = results.Rows[i];
        ranking.push_back({{"position", row.Position}, {"name", row.Name}, {"priority", row.Value}});
    }
    root["ranking"] = ranking;
    return root;
}

int Run(int argc, char** argv)
{
    bool json = false;
    std::string file;
    if (argc == 2 && std::string(argv[1]) != "--json") {
        file = argv[1];
    } else if (argc == 3 && std::string(argv[1]) == "--json") {
        json = true;
        file = argv[2];
    } else {
        std::cerr << UsageText << '\n';
        return ExitUsage;
    }
    auto record = std::make_unique<TLoadSaveProject>();
    const CReadOutcome outcome = ReadProjectFile(*record, file);
    if (!outcome.Succeeded()) {
        std::cerr << outcome.Message << '\n';
        return ExitRefused;
    }
    auto project = std::make_unique<CUserProjectModel>();
    if (!project->BuildLoadedHierarchy(*record)) {
        std::cerr << DamagedProjectText << '\n';
        return ExitRefused;
    }
    ComputeAllPriorities(*project);
    if (json) {
        // Doubles are dumped in their shortest round-trip form; bytes that are not
        // UTF-8 cannot come from the reader, but would be replaced rather than thrown on.
        std::cout << Json(*project).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else {
        PrintText(*project);
    }
    std::cout.flush();
    return std::cout.good() ? ExitOk : ExitRefused;
}
} // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return ExitRefused;
    }
}
