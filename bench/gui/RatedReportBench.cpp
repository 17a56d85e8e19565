// The PDF report of a rated tree of 1,000 alternatives under 10, 50 and 190 rated criteria
// (every cell rated at random), written into memory: its time, pages and bytes. Figures
// for the notes, never a pass or a fail.
#include "core/model/CHierarchy.h"
#include "core/results/RatingSynthesis.h"
#include "gui/app/ProjectReport.h"

#include "GuiBenchSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <random>
#include <string>

namespace {
// The goal over groups criteria, each over per rated criteria on the ready scales in turn.
CHierarchy RatedTree(std::uint32_t groups, std::uint32_t per, std::uint32_t alternatives)
{
    std::mt19937 rng(424424U);
    std::vector<CHierarchyNode> nodes;
    nodes.push_back({"Цель", "", {}, EqualJudgements(groups)});
    const std::vector<CRatingScale> scales = ReadyRatingScales();
    for (std::uint32_t g = 0; g < groups; ++g) {
        nodes[0].Children.push_back(static_cast<std::uint32_t>(nodes.size()));
        nodes.push_back({"Критерий " + std::to_string(g), "", {}, EqualJudgements(per)});
    }
    for (std::uint32_t g = 0; g < groups; ++g) {
        for (std::uint32_t s = 0; s < per; ++s) {
            nodes[1 + g].Children.push_back(static_cast<std::uint32_t>(nodes.size()));
            CHierarchyNode rated{"Подкритерий " + std::to_string(s), "", {}, {}};
            rated.Scale = s % 2;
            const auto size = static_cast<std::uint32_t>(scales[rated.Scale].Intensities.size());
            for (std::uint32_t a = 0; a < alternatives; ++a) {
                rated.Ratings.push_back(static_cast<std::int8_t>(rng() % size));
            }
            nodes.push_back(std::move(rated));
        }
    }
    std::vector<CAlternative> list;
    for (std::uint32_t a = 0; a < alternatives; ++a) {
        list.push_back({"Альтернатива " + std::to_string(a), ""});
    }
    return *CHierarchy::MakeRated(std::move(nodes), std::move(list), scales);
}

void BM_RatedReportPdf(benchmark::State& state)
{
    const auto groups = static_cast<std::uint32_t>(state.range(0));
    const auto per = static_cast<std::uint32_t>(state.range(1));
    const CHierarchy tree = RatedTree(groups, per, 1000);
    const CRatingResults results = ComputeRatingResults(tree);
    CReportSubject subject;
    subject.Date = QDate(2026, 1, 1);
    QByteArray pdf;
    for (auto _ : state) {
        pdf = RatedTreeReportPdf(tree, results, subject);
    }
    // Every page object of the document: "/Type /Page" but not "/Type /Pages".
    state.counters["pages"]
        = static_cast<double>(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
    state.counters["bytes"] = static_cast<double>(pdf.size());
    if (const QString folder = qEnvironmentVariable("TESSALY_GRAB_DIR"); !folder.isEmpty()) {
        QFile file(QDir(folder).filePath(QStringLiteral("rated-report-%1.pdf").arg(groups * per)));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(pdf);
        }
    }
}
BENCHMARK(BM_RatedReportPdf)->Args({2, 5})->Args({5, 10})->Args({10, 19})->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
