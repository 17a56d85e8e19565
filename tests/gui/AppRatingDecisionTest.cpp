// A whole decision with rated alternatives, made with the keyboard alone through the real
// windows: the tree created rated, its criteria and alternatives named, a criterion given
// the five-step scale, the criteria judged, every cell rated in the ratings window, a
// rating undone there, the scores of the list and the results view read against a
// calculation of the test's own, the tree saved, closed and opened again.
#include "AppTestSupport.h"
#include "KeyboardWalkSupport.h"

#include "core/results/NumberFormat.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/judgement/TfmRatings.h"
#include "gui/results/CRatingResultsView.h"
#include "gui/view/TTreeProject.h"
#include "gui/widgets/WidgetStyle.h"

#include <QTableView>
#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <numeric>

using apptest::CAppTest;
using apptest::WhenModal;
using keywalk::AltLetter;
using keywalk::Press;
using keywalk::SwitchTo;
using keywalk::Type;

namespace {

QString Figure(double value)
{
    return QString::fromStdString(FormatTruncated(value, 4, DecimalSeparator()));
}

// A scale's ideal values from the upper triangle of its judgements, row by row: the row
// geometric means divided by the largest.
std::vector<double> Ideal(std::size_t n, const std::vector<double>& upper)
{
    std::vector<std::vector<double>> m(n, std::vector<double>(n, 1.0));
    std::size_t k = 0;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            m[i][j] = upper[k++];
            m[j][i] = 1.0 / m[i][j];
        }
    }
    std::vector<double> means(n);
    for (std::size_t i = 0; i < n; ++i) {
        means[i] = std::pow(std::accumulate(m[i].begin(), m[i].end(), 1.0, std::multiplies<>()), 1.0 / double(n));
    }
    const double top = *std::max_element(means.begin(), means.end());
    for (double& mean : means) {
        mean /= top;
    }
    return means;
}

class AppRatingDecision : public CAppTest {
protected:
    void Named(QKeyCombination key, const QString& name)
    {
        Dialogs.TextAnswers.push_back(name);
        Press(key);
        EXPECT_TRUE(Dialogs.AllAnswersUsed());
    }
    // Enter on the outline's criterion, its one judgement typed, applied and closed.
    void Judge(TTreeProject* window, const QString& keys)
    {
        WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
            EXPECT_TRUE(WaitUntilActive(form));
            Type(keys);
            Press(Qt::CTRL | Qt::Key_Return);
            Press(Qt::CTRL | Qt::Key_W);
        });
        ASSERT_EQ(QApplication::focusWidget(), window->Outline());
        Press(QKeyCombination(Qt::Key_Return));
        SwitchTo(&Frame());
    }
    // The list's scores and shares, and the results view's places, against the scores
    // computed here from the ratings given as intensity indices (-1 not rated).
    void ExpectScores(TTreeProject* window, const std::vector<std::vector<int>>& ratings)
    {
        // The goal: Надёжность twice Квалификация; Квалификация: Образование three times Опыт.
        const std::vector<double> weight{2.0 / 3, 1.0 / 3 * 3.0 / 4, 1.0 / 3 * 1.0 / 4};
        const std::vector<double> four = Ideal(4, {2, 4, 6, 2, 4, 2});
        const std::vector<double> five = Ideal(5, {2, 3, 5, 7, 2, 3, 5, 2, 3, 2});
        const std::vector<const std::vector<double>*> scale{&four, &four, &five};
        std::vector<double> scores;
        for (const std::vector<int>& row : ratings) {
            double score = 0.0;
            for (std::size_t c = 0; c < 3; ++c) {
                score += row[c] < 0 ? 0.0 : weight[c] * (*scale[c])[static_cast<std::size_t>(row[c])];
            }
            scores.push_back(score);
        }
        const double sum = std::accumulate(scores.begin(), scores.end(), 0.0);
        QTreeWidget* list = window->Alternatives();
        ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(scores.size()));
        for (std::size_t a = 0; a < scores.size(); ++a) {
            const bool complete = std::find(ratings[a].begin(), ratings[a].end(), -1) == ratings[a].end();
            const QTreeWidgetItem* item = list->topLevelItem(static_cast<int>(a));
            EXPECT_EQ(item->text(1),
                complete ? Figure(scores[a]) : QStringLiteral("%1, не все оценки").arg(Figure(scores[a])))
                << a;
            EXPECT_EQ(item->text(2), Figure(scores[a] / sum)) << a;
        }
        // Ctrl+3: the results view ranks them by score.
        window->Outline()->setFocus();
        Press(Qt::CTRL | Qt::Key_3);
        CRatingResultsView* results = window->RatingResultsPanel();
        ASSERT_TRUE(results->isVisible());
        std::vector<std::size_t> order(scores.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(
            order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return scores[a] > scores[b]; });
        const QAbstractItemModel* table = results->tvRatingResults->model();
        for (std::size_t place = 0; place < order.size(); ++place) {
            const auto row = static_cast<int>(place);
            EXPECT_EQ(table->index(row, 1).data().toString(),
                QString::fromStdString(window->Document().Tree().Alternatives()[order[place]].Name));
            EXPECT_EQ(table->index(row, 2).data().toString(), Figure(scores[order[place]]));
        }
        Press(Qt::CTRL | Qt::Key_3);
        EXPECT_TRUE(window->Outline()->isVisible());
    }
};

TEST_F(AppRatingDecision, AWholeRatedDecisionFromTheKeyboardAlone)
{
    // "Файл" > "Создать дерево критериев...": the goal, and the alternatives rated on scales.
    Dialogs.TextAnswers = {QStringLiteral("Подбор сотрудника")};
    Dialogs.ChoiceAnswers = {1};
    SwitchTo(&Frame());
    AltLetter(u'ф');
    Type(QStringLiteral("д"));
    TTreeProject* window = Frame().ActiveTree();
    ASSERT_NE(window, nullptr);
    auto tree = [window]() -> const CHierarchy& { return window->Document().Tree(); };
    ASSERT_EQ(tree().Evaluation(), EAlternativeEvaluation::Ratings);
    SwitchTo(&Frame());
    ASSERT_EQ(QApplication::focusWidget(), window->Outline());

    Press(QKeyCombination(Qt::Key_Down));
    Named(QKeyCombination(Qt::Key_F2), QStringLiteral("Надёжность"));
    Named(Qt::CTRL | Qt::Key_Insert, QStringLiteral("Квалификация"));
    Named(QKeyCombination(Qt::Key_Insert), QStringLiteral("Образование"));
    Named(Qt::CTRL | Qt::Key_Insert, QStringLiteral("Опыт"));
    // Опыт takes the five-step scale (the second ready one) with F4.
    Dialogs.ChoiceAnswers = {1};
    Press(QKeyCombination(Qt::Key_F4));
    EXPECT_TRUE(Dialogs.AllAnswersUsed());
    ASSERT_EQ(
        tree().Scales()[tree().Node(tree().NodeAt({"Квалификация", "Опыт"}).value()).Scale].Intensities.size(), 5U);
    Press(QKeyCombination(Qt::Key_Tab));
    ASSERT_EQ(QApplication::focusWidget(), window->Alternatives());
    Named(QKeyCombination(Qt::Key_F2), QStringLiteral("Анна"));
    Press(QKeyCombination(Qt::Key_Down));
    Named(QKeyCombination(Qt::Key_F2), QStringLiteral("Борис"));
    Named(QKeyCombination(Qt::Key_Insert), QStringLiteral("Вера"));
    Press(Qt::SHIFT | Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window->Outline());

    Press(QKeyCombination(Qt::Key_Home));
    Judge(window, QStringLiteral("2"));
    Press(QKeyCombination(Qt::Key_Down));
    Press(QKeyCombination(Qt::Key_Down));
    ASSERT_EQ(tree().Node(window->CurrentNode()).Name, "Квалификация");
    Judge(window, QStringLiteral("3"));

    // Ctrl+4: the ratings window, its cursor in the first criterion's column.
    Press(Qt::CTRL | Qt::Key_4);
    ASSERT_NE(window->RatingsWindow(), nullptr);
    SwitchTo(window->RatingsWindow());
    ASSERT_EQ(QApplication::focusWidget(), window->RatingsWindow()->Table());
    // Row by row, digits and arrows: Анна 1 2 3, Борис 2 1 1, Вера 1, not rated, 5.
    for (const QString& row : {QStringLiteral("123"), QStringLiteral("211"), QStringLiteral("105")}) {
        for (const QChar digit : row) {
            Type(QString(digit));
            Press(QKeyCombination(Qt::Key_Right));
        }
        Press(QKeyCombination(Qt::Key_Down));
        for (int c = 0; c < 3; ++c) {
            Press(QKeyCombination(Qt::Key_Left));
        }
    }
    // A slip on Вера's first cell, undone with Ctrl+Z where it was made.
    Type(QStringLiteral("4"));
    EXPECT_EQ(tree().Node(tree().RatedCriteria()[0]).Ratings[2], 3);
    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(tree().Node(tree().RatedCriteria()[0]).Ratings[2], 0);
    // Escape closes the window and the keyboard goes back to the outline.
    Press(QKeyCombination(Qt::Key_Escape));
    EXPECT_FALSE(window->RatingsWindow()->isVisible());
    SwitchTo(&Frame());
    const std::vector<std::vector<int>> ratings{{0, 1, 2}, {1, 0, 0}, {0, -1, 4}};
    ExpectScores(window, ratings);

    // Saved as a tree file, closed, opened again: the same ratings, the same scores.
    const CHierarchy saved = tree();
    Dialogs.FileAnswers = {Path(QStringLiteral("подбор.tsj"))};
    SwitchTo(&Frame());
    AltLetter(u'ф');
    Type(QStringLiteral("к"));
    EXPECT_FALSE(window->Document().Modified());
    Press(Qt::CTRL | Qt::Key_F4);
    ASSERT_EQ(Frame().ActiveTree(), nullptr);
    Dialogs.FileAnswers = {Path(QStringLiteral("подбор.tsj"))};
    SwitchTo(&Frame());
    AltLetter(u'ф');
    Type(QStringLiteral("о"));
    TTreeProject* reopened = Frame().ActiveTree();
    ASSERT_NE(reopened, nullptr);
    EXPECT_TRUE(reopened->Document().Tree() == saved);
    SwitchTo(&Frame());
    ExpectScores(reopened, ratings);
    EXPECT_TRUE(Dialogs.AllAnswersUsed());
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
}

} // namespace
