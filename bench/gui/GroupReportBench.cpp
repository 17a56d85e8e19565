// The group's PDF report of 100 and of 1,000 experts over the largest structure (10
// levels of 9: 73 judged elements of order 9, every pair judged at random), written into
// memory: its time, its pages and its bytes. Figures for the notes, never a pass or a fail.
#include "core/group/CGroupDecision.h"
#include "core/model/CJudgement.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/ModelConstants.h"
#include "core/model/TLoadSaveProject.h"
#include "gui/app/GroupReport.h"

#include "GuiBenchSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <map>
#include <memory>
#include <random>
#include <string>

namespace {
std::unique_ptr<CGroupDecision> LargestGroup(std::size_t experts)
{
    auto record = std::make_unique<TLoadSaveProject>();
    record->LevelCount = MaxLevels;
    for (std::uint32_t level = 0; level < MaxLevels; ++level) {
        record->ElementsPerLevel[level] = level == 0 ? 1 : static_cast<std::int32_t>(MaxElementsPerLevel);
        for (std::uint32_t e = 0; e < MaxElementsPerLevel; ++e) {
            record->Elements[e][level].Name = "ЭЛЕМЕНТ_" + std::to_string(e);
        }
    }
    auto decision = std::make_unique<CGroupDecision>();
    std::mt19937 random(1000U);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    for (std::size_t k = 0; k < experts; ++k) {
        const auto project = std::make_unique<CUserProjectModel>();
        project->BuildLoadedHierarchy(*record);
        for (std::uint32_t level = 0; level + 1 < MaxLevels; ++level) {
            for (std::uint32_t p = 0; p < (level == 0 ? 1U : MaxElementsPerLevel); ++p) {
                CJudgementMatrix matrix(MaxElementsPerLevel, MaxElementsPerLevel);
                for (std::uint32_t i = 0; i < MaxElementsPerLevel; ++i) {
                    for (std::uint32_t j = i + 1; j < MaxElementsPerLevel; ++j) {
                        matrix(i, j) = CJudgement::FromCode(codes[random() % 17]);
                        matrix(j, i) = matrix(i, j).Mirror();
                    }
                }
                project->SetJudgements(p, level, matrix);
            }
        }
        const std::string name = "expert" + std::to_string(k);
        decision->AddExpert(CGroupMember{"/bench/" + name + ".tsy", name, 1.0 + static_cast<double>(k % 5)}, *project);
    }
    static_cast<void>(decision->Result());
    return decision;
}

void BM_GroupReportPdf(benchmark::State& state)
{
    static std::map<std::size_t, std::unique_ptr<CGroupDecision>> groups;
    const auto experts = static_cast<std::size_t>(state.range(0));
    auto& decision = groups[experts];
    if (!decision) {
        decision = LargestGroup(experts);
    }
    CGroupReportSubject subject;
    subject.Date = QDate(2026, 1, 1);
    QByteArray pdf;
    for (auto _ : state) {
        pdf = GroupReportPdf(*decision, subject);
    }
    // Every page object of the document: "/Type /Page" but not "/Type /Pages".
    state.counters["pages"]
        = static_cast<double>(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
    state.counters["bytes"] = static_cast<double>(pdf.size());
    // Kept to be looked at when TESSALY_GRAB_DIR names a folder.
    if (const QString folder = qEnvironmentVariable("TESSALY_GRAB_DIR"); !folder.isEmpty()) {
        QFile file(QDir(folder).filePath(QStringLiteral("group-report-%1.pdf").arg(experts)));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(pdf);
        }
    }
}
BENCHMARK(BM_GroupReportPdf)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
