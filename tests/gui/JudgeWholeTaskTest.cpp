#include "JudgeTestSupport.h"
#include "support/ModelEdits.h"

#include "core/document/CProjectDocument.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/Synthesis.h"
#include "gui/results/CResultsView.h"

#include <QLabel>
#include <QLocale>

#include <algorithm>
#include <cmath>

using namespace judgetest;

namespace {
constexpr std::uint32_t Levels = 4;
constexpr std::uint32_t Width = 3;

// The value entered for pair i < j under the parent (k, level): A-side and B-side lines mixed.
std::int32_t Entered(std::uint32_t level, std::uint32_t k, std::uint32_t i, std::uint32_t j)
{
    static const std::int32_t values[] = {3, -5, 7, 2, -2, 9, -4, 6, 1, -7, 5, 4};
    return values[(level * 5 + k * 3 + i + 2 * j) % 12];
}

double Weight(std::int32_t v)
{
    return v < 0 ? -1.0 / v : v;
}

// Local priorities from the entered values, by row geometric means, written here.
std::array<double, Width> Local(std::uint32_t level, std::uint32_t k)
{
    std::array<double, Width> w{};
    double sum = 0.0;
    for (std::uint32_t i = 0; i < Width; ++i) {
        double product = 1.0;
        for (std::uint32_t j = 0; j < Width; ++j) {
            if (i < j) {
                product *= Weight(Entered(level, k, i, j));
            } else if (i > j) {
                product /= Weight(Entered(level, k, j, i));
            }
        }
        w[i] = std::pow(product, 1.0 / Width);
        sum += w[i];
    }
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

QString Shown(double value)
{
    return QString::number(std::floor(value * 1e4) / 1e4, 'g', 15).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// Create a project, judge every matrix through the comparison window and the verbal
// scale as a user would, open the results view and check every value it shows.
TEST(WholeTask, JudgeEveryMatrixThenReadTheResults)
{
    CJudgeWindows windows;
    QWidget projectWindow;
    projectWindow.resize(1000, 600);
    CResultsView* view = new CResultsView(&projectWindow);
    CProjectDocument document;
    CUserProjectModel& project = EditableModel(document);
    project.BuildNewHierarchy(Width, Levels, "ВЫБОР", "");
    for (std::uint32_t e = 0; e < Width; ++e) {
        SetName(project, e, 3, std::string("АЛЬТ_") + std::to_string(e + 1));
    }

    int shownWindows = 0;
    for (std::uint32_t level = 0; level + 1 < Levels; ++level) {
        for (std::uint32_t k = 0; k < (level == 0 ? 1U : Width); ++k) {
            WhenModal<TfmExpertForm>([&, level, k](TfmExpertForm* form) {
                ++shownWindows;
                for (std::uint32_t i = 0; i < Width; ++i) {
                    for (std::uint32_t j = i + 1; j < Width; ++j) {
                        // Half the pairs from the lower triangle, with the opposite value.
                        const std::int32_t v = Entered(level, k, i, j);
                        if ((i + j + k) % 2 == 0 || v == 1) {
                            JudgeCell(form, i, j, v, (i + k) % 2 == 0);
                        } else {
                            JudgeCell(form, j, i, -v, (j + k) % 2 == 0);
                        }
                    }
                }
                QTest::mouseClick(form->btApply, Qt::LeftButton);
                const std::array<double, Width> w = Local(level, k);
                double lambda = 0.0;
                for (std::uint32_t i = 0; i < Width; ++i) {
                    EXPECT_EQ(form->PriorityLabels[i]->text(), Shown(w[i])) << level << "/" << k << "/" << i;
                    double row = 0.0;
                    for (std::uint32_t j = 0; j < Width; ++j) {
                        const double a = i == j ? 1.0
                            : i < j             ? Weight(Entered(level, k, i, j))
                                                : 1.0 / Weight(Entered(level, k, j, i));
                        row += a * w[j];
                    }
                    lambda += row / w[i] / Width;
                }
                const double ci = (lambda - Width) / (Width - 1.0);
                EXPECT_EQ(form->stOwnerValue->text(), Shown(lambda));
                EXPECT_EQ(form->stIS->text(), Shown(ci));
                EXPECT_EQ(form->stOS->text(), Shown(ci / 0.58));
                QTest::mouseClick(form->btOk, Qt::LeftButton);
            });
            windows.ExpertForm->JudgeElement(document, k, level, &projectWindow);
        }
    }
    EXPECT_EQ(shownWindows, 7);

    // Global synthesis written here: top-down weighting.
    std::array<double, Width> global = Local(0, 0);
    for (std::uint32_t level = 1; level + 1 < Levels; ++level) {
        std::array<double, Width> next{};
        for (std::uint32_t k = 0; k < Width; ++k) {
            const std::array<double, Width> w = Local(level, k);
            for (std::uint32_t e = 0; e < Width; ++e) {
                next[e] += global[k] * w[e];
            }
        }
        global = next;
    }
    std::array<std::uint32_t, Width> order{0, 1, 2};
    std::sort(
        order.begin(), order.end(), [&global](std::uint32_t a, std::uint32_t b) { return global[a] > global[b]; });
    ASSERT_NE(Shown(global[order[0]]), Shown(global[order[1]])) << "the chosen judgements must rank clearly";

    // The project window's button: compute, then show the view.
    projectWindow.show();
    view->ShowResultsView(project, document.Results(), true);
    for (std::uint32_t place = 0; place < Width; ++place) {
        EXPECT_EQ(view->ResultNameLabels()[place]->text(), QStringLiteral("АЛЬТ_%1").arg(order[place] + 1));
        EXPECT_EQ(view->ResultValueLabels()[place]->text(), Shown(global[order[place]]));
        EXPECT_TRUE(view->ResultValueLabels()[place]->isVisible());
    }
    GrabToPng(view, QStringLiteral("CResultsView_whole_task"));
}
} // namespace
