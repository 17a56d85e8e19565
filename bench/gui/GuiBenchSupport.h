#pragma once

#include "core/document/CProjectDocument.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdint>

// The largest project of the window benchmarks: ten levels of nine, every matrix judged
// (consistent enough to be realistic, with intransitive triads here and there).
inline void JudgeLargest(CProjectDocument& document)
{
    for (std::uint32_t level = 0; level < 9; ++level) {
        for (std::uint32_t k = 0; k < (level == 0 ? 1U : 9U); ++k) {
            TMatrix<int> judgements(9, 9);
            for (std::uint32_t i = 0; i < 9; ++i) {
                judgements(i, i) = 1;
                for (std::uint32_t j = i + 1; j < 9; ++j) {
                    const int v = 2 + static_cast<int>((i + j + k) % 8);
                    judgements(i, j) = v;
                    judgements(j, i) = -v;
                }
            }
            document.CommitJudgements(k, level, JudgementsFromCodes(judgements), 9);
        }
    }
}

// The main of every window benchmark: the offscreen platform, an application, then the
// benchmarks named on the command line.
inline int RunOffscreenBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
