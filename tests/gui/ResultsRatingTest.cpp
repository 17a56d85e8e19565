// A rated tree's figures in the tree window: its alternatives' scores and shares, the
// results view with the pie or the leading bars, the marks of cells not rated, the
// warning and the ideal switch, against a calculation done here by hand.
#include "AppTestSupport.h"

#include "core/model/CHierarchy.h"
#include "core/storage/TreeFile.h"
#include "gui/results/CRatingBars.h"
#include "gui/results/CRatingResultsModel.h"
#include "gui/results/CRatingResultsView.h"
#include "gui/results/CResultsView.h"
#include "gui/results/TfmTreeSensitivity.h"
#include "gui/view/TTreeProject.h"
#include "gui/widgets/WidgetStyle.h"
#include "support/UpperJudgements.h"

#include <QLineSeries>
#include <QListWidget>
#include <QPieSeries>
#include <QPieSlice>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <numeric>

using apptest::CAppTest;

namespace {
// Row geometric means, normalised, of a matrix given by its upper triangle.
std::vector<double> Means(std::uint32_t n, const std::vector<double>& upper)
{
    std::vector<double> w(n, 1.0);
    std::size_t k = 0;
    for (std::uint32_t r = 0; r < n; ++r) {
        for (std::uint32_t c = r + 1; c < n; ++c, ++k) {
            w[r] *= upper[k];
            w[c] /= upper[k];
        }
    }
    for (double& x : w) {
        x = std::pow(x, 1.0 / n);
    }
    const double sum = std::accumulate(w.begin(), w.end(), 0.0);
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

std::vector<double> Ideal(std::vector<double> p)
{
    const double top = *std::max_element(p.begin(), p.end());
    for (double& x : p) {
        x /= top;
    }
    return p;
}

// The employees: four criteria under the goal, three scales; ratings per alternative in
// the criteria's order (-1 not rated), scales by criterion.
struct CEmployees {
    std::vector<std::vector<int>> Ratings;
    std::vector<std::string> Names;

    [[nodiscard]] CHierarchy Make() const
    {
        std::vector<CRatingScale> scales{
            MakeRatingScale("f", "Пять ступеней", {"Отлично", "Выше среднего", "Средне", "Ниже среднего", "Плохо"},
                {2, 3, 5, 7, 2, 3, 5, 2, 3, 2}),
            MakeRatingScale("d", "Образование", {"Доктор", "Магистр", "Бакалавр", "Среднее"}, {2, 4, 7, 2, 4, 2}),
            MakeRatingScale("e", "Опыт", {"Большой", "Средний", "Малый"}, {3, 6, 2})};
        std::vector<CHierarchyNode> nodes(5);
        nodes[0] = {"Найм", "", {1, 2, 3, 4}, Upper(4, {2, 3, 4, 2, 3, 1})};
        const char* criteria[] = {"Надёжность", "Образование", "Опыт", "Качество"};
        const std::uint32_t scaleOf[] = {0, 1, 2, 0};
        std::vector<CAlternative> people;
        for (std::size_t c = 0; c < 4; ++c) {
            nodes[c + 1] = {criteria[c], "", {}, {}, scaleOf[c], {}};
        }
        for (std::size_t a = 0; a < Ratings.size(); ++a) {
            people.push_back({Names[a], ""});
            for (std::size_t c = 0; c < 4; ++c) {
                nodes[c + 1].Ratings.push_back(static_cast<std::int8_t>(Ratings[a][c]));
            }
        }
        return *CHierarchy::MakeRated(nodes, people, scales);
    }

    // Score(a) = sum over the criteria of w(c) v(rating), by hand.
    [[nodiscard]] std::vector<double> Scores() const
    {
        const std::vector<double> w = Means(4, {2, 3, 4, 2, 3, 1});
        const std::vector<std::vector<double>> v{Ideal(Means(5, {2, 3, 5, 7, 2, 3, 5, 2, 3, 2})),
            Ideal(Means(4, {2, 4, 7, 2, 4, 2})), Ideal(Means(3, {3, 6, 2}))};
        const std::size_t scaleOf[] = {0, 1, 2, 0};
        std::vector<double> scores;
        for (const std::vector<int>& r : Ratings) {
            double s = 0.0;
            for (std::size_t c = 0; c < 4; ++c) {
                s += r[c] < 0 ? 0.0 : w[c] * v[scaleOf[c]][static_cast<std::size_t>(r[c])];
            }
            scores.push_back(s);
        }
        return scores;
    }
};

QString Figure(double value)
{
    return TruncatedText(value, 4);
}

class ResultsRating : public CAppTest {
protected:
    TTreeProject* OpenRated(const CEmployees& employees, const QString& name)
    {
        const QString file = Path(name);
        EXPECT_EQ(SaveTreeFile(employees.Make(), file.toStdString(), false), EWriteResult::Ok);
        OpenProject(file);
        return Frame().ActiveTree();
    }
};

TEST_F(ResultsRating, TheEmployeesScoresSharesAndMarksInTheListAndTheResultsView)
{
    // Г with Опыт not rated.
    const CEmployees employees{{{0, 1, 1, 0}, {1, 0, 2, 1}, {2, 2, 0, 1}, {1, 1, -1, 2}}, {"А", "Б", "В", "Г"}};
    const std::vector<double> scores = employees.Scores();
    const double published[] = {0.774387, 0.647126, 0.436859, 0.461237};
    for (std::size_t a = 0; a < 4; ++a) {
        ASSERT_NEAR(scores[a], published[a], 1e-6) << a; // the hand calculation itself
    }
    const double sum = std::accumulate(scores.begin(), scores.end(), 0.0);
    TTreeProject* tree = OpenRated(employees, QStringLiteral("employees.tsj"));
    ASSERT_NE(tree, nullptr);
    const QTreeWidget* list = tree->Alternatives();
    ASSERT_EQ(list->topLevelItemCount(), 4);
    for (int a = 0; a < 4; ++a) {
        const QString score = Figure(scores[static_cast<std::size_t>(a)]);
        EXPECT_EQ(list->topLevelItem(a)->text(1), a == 3 ? score + QStringLiteral(", не все оценки") : score) << a;
        EXPECT_EQ(list->topLevelItem(a)->text(2), Figure(scores[static_cast<std::size_t>(a)] / sum)) << a;
    }
    EXPECT_FALSE(Action("mnIdealSynthesis")->isEnabled());
    EXPECT_EQ(Action("mnIdealSynthesis")->statusTip(),
        QStringLiteral("Оценки по шкалам всегда идеальны: переключатель к ним не относится."));
    EXPECT_EQ(Frame().statusBar()->currentMessage(), QStringLiteral("1 альтернатива оценена не по всем критериям."));

    QTest::keyClick(tree->Outline(), Qt::Key_3, Qt::ControlModifier);
    const CRatingResultsView* view = tree->RatingResultsPanel();
    ASSERT_TRUE(view->isVisible());
    EXPECT_FALSE(tree->ResultsPanel()->isVisible());
    EXPECT_TRUE(view->chRatingPie->isVisible());
    EXPECT_FALSE(view->RatingBars->isVisible());
    // By score: А, Б, Г, В.
    const std::size_t order[] = {0, 1, 3, 2};
    const QAbstractItemModel* model = view->tvRatingResults->model();
    ASSERT_EQ(model->rowCount(), 4);
    const QList<QPieSlice*> slices = view->srRatingPie->slices();
    ASSERT_EQ(slices.size(), 4);
    for (int row = 0; row < 4; ++row) {
        const std::size_t a = order[row];
        auto cell = [&](int column) { return model->index(row, column).data().toString(); };
        EXPECT_EQ(cell(CRatingResultsModel::PlaceColumn), QString::number(row + 1));
        EXPECT_EQ(cell(CRatingResultsModel::NameColumn), QString::fromStdString(employees.Names[a]));
        EXPECT_EQ(cell(CRatingResultsModel::ScoreColumn), Figure(scores[a]));
        EXPECT_EQ(cell(CRatingResultsModel::ShareColumn), Figure(scores[a] / sum));
        EXPECT_EQ(cell(CRatingResultsModel::MarkColumn), a == 3 ? QStringLiteral("не все оценки") : QString());
        EXPECT_NEAR(slices[row]->value(), scores[a] / sum, 1e-12) << row;
    }

    // A tree compared in pairs in front: the switch is back.
    Dialogs.TextAnswers = {QStringLiteral("Выбор")};
    Action("MNewTree")->trigger();
    EXPECT_TRUE(Action("mnIdealSynthesis")->isEnabled());
    EXPECT_TRUE(Action("mnIdealSynthesis")->statusTip().isEmpty());
}

TEST_F(ResultsRating, PastNineAlternativesTheLeadingTwentyAreBars)
{
    // A thousand employees rated in a pattern that gives many different scores.
    CEmployees employees;
    for (int a = 0; a < 1000; ++a) {
        employees.Ratings.push_back({a % 5, (a / 5) % 4, (a / 20) % 3, a % 7 == 0 ? -1 : (a / 3) % 5});
        employees.Names.push_back("Сотрудник " + std::to_string(a + 1));
    }
    const std::vector<double> scores = employees.Scores();
    std::vector<std::size_t> order(scores.size());
    std::iota(order.begin(), order.end(), 0U);
    std::stable_sort(
        order.begin(), order.end(), [&scores](std::size_t a, std::size_t b) { return scores[a] > scores[b]; });
    TTreeProject* tree = OpenRated(employees, QStringLiteral("thousand.tsj"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->Alternatives()->topLevelItemCount(), 1000);
    EXPECT_EQ(Frame().statusBar()->currentMessage(), QStringLiteral("143 альтернативы оценены не по всем критериям."));
    QTest::keyClick(tree->Outline(), Qt::Key_3, Qt::ControlModifier);
    const CRatingResultsView* view = tree->RatingResultsPanel();
    ASSERT_TRUE(view->RatingBars->isVisible());
    EXPECT_FALSE(view->chRatingPie->isVisible());
    EXPECT_EQ(view->tvRatingResults->model()->rowCount(), 1000);
    const std::vector<CRatingBars::CBar>& bars = view->RatingBars->Bars();
    ASSERT_EQ(bars.size(), 20U);
    for (std::size_t row = 0; row < 20; ++row) {
        const std::size_t a = order[row];
        EXPECT_EQ(bars[row].Name, QString::fromStdString(employees.Names[a])) << row;
        EXPECT_NEAR(bars[row].Score, scores[a], 1e-12) << row;
        EXPECT_EQ(bars[row].Complete, employees.Ratings[a][3] >= 0) << row;
    }

    // Надёжность's weight w moved to x: score(x) = x v + (1 - x) (score - w v) / (1 - w),
    // v the ideal value of the rating on it. The leading ten are drawn, then one picked.
    const double w = Means(4, {2, 3, 4, 2, 3, 1})[0];
    const std::vector<double> v = Ideal(Means(5, {2, 3, 5, 7, 2, 3, 5, 2, 3, 2}));
    auto line = [&](std::size_t a, double x) {
        const double own = v[static_cast<std::size_t>(employees.Ratings[a][0])];
        return x * own + (1.0 - x) * (scores[a] - w * own) / (1.0 - w);
    };
    apptest::WhenModal<TfmTreeSensitivity>([&](TfmTreeSensitivity* window) {
        auto drawn = [window] {
            std::vector<const QLineSeries*> visible;
            for (const QLineSeries* each : window->Lines) {
                if (each->isVisible()) {
                    visible.push_back(each);
                }
            }
            return visible;
        };
        EXPECT_EQ(window->ShownNode(), 1U);
        ASSERT_EQ(drawn().size(), 10U);
        for (std::size_t k = 0; k < 10; ++k) {
            const std::size_t a = order[k];
            EXPECT_EQ(drawn()[k]->name(), QString::fromStdString(employees.Names[a]));
            EXPECT_NEAR(drawn()[k]->at(0).y(), line(a, 0.0), 1e-12) << k;
            EXPECT_NEAR(drawn()[k]->at(1).y(), line(a, 1.0), 1e-12) << k;
        }
        // The picker lists every alternative by place with its score and mark.
        const std::size_t picked = order[500];
        EXPECT_EQ(window->lvDrawnAlternatives->item(500)->text(),
            QStringLiteral("501. %1 (%2%3)")
                .arg(QString::fromStdString(employees.Names[picked]), Figure(scores[picked]),
                    employees.Ratings[picked][3] < 0 ? QStringLiteral(", не все оценки") : QString()));
        window->lvDrawnAlternatives->item(500)->setCheckState(Qt::Checked);
        ASSERT_EQ(drawn().size(), 11U);
        EXPECT_EQ(drawn()[10]->name(), QString::fromStdString(employees.Names[order[500]]));
        EXPECT_NEAR(drawn()[10]->at(1).y(), line(order[500], 1.0), 1e-12);
        const QString leader = QString::fromStdString(employees.Names[order[0]]);
        EXPECT_GT(window->tbCrossings->rowCount(), 0);
        for (int row = 0; row < window->tbCrossings->rowCount(); ++row) {
            EXPECT_TRUE(window->tbCrossings->item(row, 1)->text().split(QStringLiteral(" и ")).contains(leader)) << row;
        }
        window->accept();
    });
    tree->ShowSensitivity(1);
}
} // namespace
