// A tree made rated from the edit menu and back, each one undo step after its question;
// a criterion's scale chosen from the outline; the scales' window editing the scales and
// judging one from the keys in the comparison window, its figures against the row
// geometric means of the judgements typed.
#include "AppTestSupport.h"
#include "support/RatedTree.h"

#include "core/results/NumberFormat.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/judgement/TfmRatingScales.h"
#include "gui/judgement/TfmRatings.h"
#include "gui/view/CTreeOutlineModel.h"
#include "gui/view/TTreeProject.h"
#include "gui/widgets/WidgetStyle.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QTreeWidget>
#include <QUndoStack>

#include <algorithm>
#include <cmath>

using apptest::CAppTest;
using apptest::WhenModal;

namespace {

class RatingScales : public CAppTest {
protected:
    TTreeProject* NewTree(const QString& goal, int evaluation = -1)
    {
        Dialogs.TextAnswers = {goal};
        if (evaluation >= 0) {
            Dialogs.ChoiceAnswers = {evaluation};
        }
        Action("MNewTree")->trigger();
        TTreeProject* tree = Frame().ActiveTree();
        EXPECT_NE(tree, nullptr);
        return tree;
    }
    static QString ScaleShown(TTreeProject* tree, std::uint32_t node, int role = Qt::DisplayRole)
    {
        auto* model = static_cast<CTreeOutlineModel*>(tree->Outline()->model());
        const int column
            = role == Qt::DisplayRole ? CTreeOutlineModel::ConsistencyColumn : CTreeOutlineModel::NameColumn;
        return model->IndexOfNode(node, column).data(role).toString();
    }
    static QString Figure(double value)
    {
        return QString::fromStdString(FormatTruncated(value, 4, DecimalSeparator()));
    }
};

TEST_F(RatingScales, TheEvaluationSwitchesAfterItsQuestionAsOneUndoStep)
{
    TTreeProject* tree = NewTree(QStringLiteral("Выбор"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->Document().Tree().Evaluation(), EAlternativeEvaluation::Pairs);
    EXPECT_TRUE(Action("mnEvaluation")->isEnabled());
    EXPECT_FALSE(Action("mnRatingScales")->isEnabled());

    // No: nothing changes.
    Dialogs.YesNoAnswers = {false};
    Action("mnEvaluationRatings")->trigger();
    EXPECT_EQ(Dialogs.MessageTexts(),
        std::vector<QString>{QStringLiteral("Сравнения альтернатив по всем критериям будут удалены: альтернативы "
                                            "будут оцениваться по шкалам. Продолжить?")});
    EXPECT_EQ(tree->UndoSteps().count(), 0);
    EXPECT_TRUE(Action("mnEvaluationPairs")->isChecked());

    Dialogs.YesNoAnswers = {true};
    Action("mnEvaluationRatings")->trigger();
    const std::uint32_t criterion = tree->Document().Tree().CoveringNodes().front();
    EXPECT_EQ(tree->Document().Tree().Evaluation(), EAlternativeEvaluation::Ratings);
    EXPECT_TRUE(Action("mnEvaluationRatings")->isChecked());
    EXPECT_TRUE(Action("mnRatingScales")->isEnabled());
    EXPECT_EQ(Action("mnUndo")->text(), QStringLiteral("&Отменить: оценка альтернатив по шкалам"));
    const QString scale = QStringLiteral("шкала «Отлично / Хорошо / Удовлетворительно / Плохо»");
    EXPECT_EQ(ScaleShown(tree, criterion), scale);
    EXPECT_TRUE(ScaleShown(tree, criterion, Qt::AccessibleTextRole).endsWith(scale));
    EXPECT_TRUE(tree->CriterionScaleCommand()->isVisible());

    // Enter on a rated criterion opens no comparison: it opens the ratings.
    tree->SelectNode(criterion);
    QTest::keyClick(tree->Outline(), Qt::Key_Return);
    ASSERT_NE(tree->RatingsWindow(), nullptr);
    EXPECT_TRUE(tree->RatingsWindow()->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    tree->RatingsWindow()->close();

    Action("mnUndo")->trigger();
    EXPECT_EQ(tree->Document().Tree().Evaluation(), EAlternativeEvaluation::Pairs);
    EXPECT_FALSE(ScaleShown(tree, criterion).contains(QStringLiteral("шкала")));
    EXPECT_FALSE(tree->CriterionScaleCommand()->isVisible());
    Action("mnRedo")->trigger();
    EXPECT_EQ(tree->Document().Tree().Evaluation(), EAlternativeEvaluation::Ratings);

    // Back to pairs with more alternatives than can be compared: refused, said why.
    for (int k = 0; k < 19; ++k) {
        ASSERT_EQ(tree->Document().AddAlternative(0, "Н" + std::to_string(k)), "");
    }
    Dialogs.Records.clear();
    Dialogs.YesNoAnswers = {true};
    Action("mnEvaluationPairs")->trigger();
    EXPECT_EQ(Dialogs.MessageTexts().back(), QStringLiteral("Изменение не сделано: альтернатив больше 20."));
    EXPECT_EQ(tree->Document().Tree().Evaluation(), EAlternativeEvaluation::Ratings);

    // A new tree rated from its creation; a layered project has no evaluation to choose.
    TTreeProject* rated = NewTree(QStringLiteral("Подбор"), 1);
    ASSERT_NE(rated, nullptr);
    EXPECT_EQ(rated->Document().Tree().Evaluation(), EAlternativeEvaluation::Ratings);
    EXPECT_EQ(rated->UndoSteps().count(), 0);
    ASSERT_NE(NewProject(), nullptr);
    EXPECT_FALSE(Action("mnEvaluation")->isEnabled());
    EXPECT_FALSE(Action("mnRatingScales")->isEnabled());
    Dialogs.YesNoAnswers = {false, false, false};
    Frame().close();
}

// A scale's long name gives way to the criteria's names: its column is elided, its
// tooltip whole (it squeezed the names to a few letters).
TEST_F(RatingScales, AScaleNameLeavesTheCriteriaNamesInSight)
{
    TTreeProject* tree = NewTree(QStringLiteral("Выбор поставщика"), 1);
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->Document().Tree().Evaluation(), EAlternativeEvaluation::Ratings);
    tree->parentWidget()->resize(1000, 700);
    QCoreApplication::processEvents();
    const QHeaderView* header = tree->Outline()->header();
    EXPECT_GE(
        header->sectionSize(CTreeOutlineModel::NameColumn), header->sectionSize(CTreeOutlineModel::ConsistencyColumn));
    EXPECT_GE(header->sectionSize(CTreeOutlineModel::ConsistencyColumn), header->width() / 4);
    const std::uint32_t criterion = tree->Document().Tree().CoveringNodes().front();
    const auto* model = static_cast<CTreeOutlineModel*>(tree->Outline()->model());
    EXPECT_EQ(model->IndexOfNode(criterion, CTreeOutlineModel::ConsistencyColumn).data(Qt::ToolTipRole).toString(),
        ScaleShown(tree, criterion));
    Dialogs.YesNoAnswers = {false};
    Frame().close();
}

TEST_F(RatingScales, ScalesAreChosenEditedAndJudgedFromTheKeys)
{
    TTreeProject* tree = NewTree(QStringLiteral("Подбор"));
    ASSERT_NE(tree, nullptr);
    tree->Document().BuildTree(SmallRatedTree());
    tree->ShowLoadedTree();
    // Every edit makes the document a new tree: read it afresh each time.
    const auto h = [tree]() -> const CHierarchy& { return tree->Document().Tree(); };

    // Scores by hand: G = 1/3 Надёжность, 1/2 Образование, 1/6 Опыт; ideal values of
    // «Да или нет» (1, 1/4) and of «Объём» (1, 1/3, 1/6); a cell not rated counts 0.
    const std::vector<double> weight{1.0 / 3, 0.5, 1.0 / 6};
    const std::vector<std::vector<double>> values{{1, 0.25}, {1, 1.0 / 3, 1.0 / 6}, {1, 0.25}};
    const std::vector<std::vector<int>> rated{{0, 0, 1}, {1, 1, 1}, {0, 2, -1}, {1, 0, 0}};
    for (int a = 0; a < 4; ++a) {
        double score = 0.0;
        for (std::size_t c = 0; c < 3; ++c) {
            const int k = rated[static_cast<std::size_t>(a)][c];
            score += k < 0 ? 0.0 : weight[c] * values[c][static_cast<std::size_t>(k)];
        }
        const QString shown = tree->Alternatives()->topLevelItem(a)->text(1);
        EXPECT_NEAR(shown.section(QStringLiteral(", не"), 0, 0).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(),
            score, 1e-4)
            << a;
        EXPECT_EQ(shown.endsWith(QStringLiteral(", не все оценки")), a == 2) << a;
    }

    // Образование from three intensities to two: its ratings go, after the warning.
    const std::uint32_t education = 3;
    const std::vector<std::int8_t> ratings = h().Node(education).Ratings;
    tree->SelectNode(education);
    tree->Outline()->setFocus();
    Dialogs.ChoiceAnswers = {1};
    Dialogs.YesNoAnswers = {true};
    tree->CriterionScaleCommand()->trigger();
    EXPECT_EQ(Dialogs.MessageTexts(),
        std::vector<QString>{
            QStringLiteral("В шкале «Да или нет» другое число интенсивностей, чем в шкале «Объём»: "
                           "оценки альтернатив по критерию «Образование» будут удалены. Продолжить?")});
    EXPECT_EQ(h().Node(education).Scale, 1U);
    EXPECT_EQ(h().Node(education).Ratings, std::vector<std::int8_t>(4, NotRated));
    EXPECT_EQ(ScaleShown(tree, education), QStringLiteral("шкала «Да или нет»"));
    EXPECT_EQ(Action("mnUndo")->text(), QStringLiteral("&Отменить: выбор шкалы критерия «Образование»"));
    Action("mnUndo")->trigger();
    EXPECT_EQ(tree->Document().Tree().Node(education).Ratings, ratings);

    bool shown = false;
    WhenModal<TfmRatingScales>([&](TfmRatingScales* window) {
        shown = true;
        auto click = [window](const char* name) {
            QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
        };
        // Used by a criterion: not removed.
        window->ScaleList()->setCurrentItem(window->ScaleList()->topLevelItem(1));
        Dialogs.Records.clear();
        click("btRemoveScale");
        EXPECT_EQ(Dialogs.MessageTexts(),
            std::vector<QString>{
                QStringLiteral("Изменение не сделано: шкалой «Да или нет» пользуется критерий «Надёжность».")});
        // Intensities listed the other way round: their weights fall out of order.
        window->ScaleList()->setCurrentItem(window->ScaleList()->topLevelItem(0));
        Dialogs.TextAnswers = {QStringLiteral("Малый; Средний; Большой")};
        click("btEditIntensities");
        EXPECT_EQ(h().Scales()[0].Intensities, (std::vector<std::string>{"Малый", "Средний", "Большой"}));
        const std::vector<double>& ideal = tree->Document().RatingResults().Scales()[0].Ideal;
        QString outOfOrder;
        for (std::size_t i = 0; i < ideal.size() && outOfOrder.isEmpty(); ++i) {
            for (std::size_t j = i + 1; j < ideal.size() && outOfOrder.isEmpty(); ++j) {
                if (ideal[j] > ideal[i]) {
                    outOfOrder = QStringLiteral("Интенсивность «%1» получила больший вес, чем «%2».")
                                     .arg(QString::fromStdString(h().Scales()[0].Intensities[j]),
                                         QString::fromStdString(h().Scales()[0].Intensities[i]));
                }
            }
        }
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lbOutOfOrder"))->text(), outOfOrder);
        EXPECT_FALSE(outOfOrder.isEmpty());

        // A new scale of four intensities, every pair equal, judged from the keys.
        Dialogs.ChoiceAnswers = {2};
        Dialogs.TextAnswers = {QStringLiteral("Четыре"), QStringLiteral("Отлично; Хорошо; Удовлетворительно; Плохо")};
        click("btAddScale");
        ASSERT_EQ(h().Scales().size(), 3U);
        EXPECT_EQ(h().Scales()[2].Id, "s1");
        EXPECT_EQ(window->CurrentScale(), 2U);
        WhenModal<TfmExpertForm>([](TfmExpertForm* form) {
            EXPECT_TRUE(WaitUntilActive(form));
            TypeText(form, QStringLiteral("246242"));
            QTest::keyClick(form, Qt::Key_W, Qt::ControlModifier);
        });
        QTest::keyClick(window->ScaleList(), Qt::Key_Return);
        const std::vector<int> upper{2, 4, 6, 2, 4, 2};
        std::vector<double> means(4, 1.0);
        for (std::size_t r = 0, k = 0; r < 4; ++r) {
            for (std::size_t c = r + 1; c < 4; ++c, ++k) {
                means[r] *= upper[k];
                means[c] /= upper[k];
            }
        }
        for (double& mean : means) {
            mean = std::pow(mean, 0.25);
        }
        const double top = *std::max_element(means.begin(), means.end());
        const std::vector<double> published{1, 0.537285, 0.268642, 0.144338};
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(means[static_cast<std::size_t>(k)] / top, published[static_cast<std::size_t>(k)], 5e-7);
            EXPECT_EQ(
                window->IntensityList()->topLevelItem(k)->text(2), Figure(means[static_cast<std::size_t>(k)] / top));
        }
        EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("lbOutOfOrder"))->isHidden());
        EXPECT_EQ(Action("mnUndo")->text(), QStringLiteral("&Отменить: изменение шкалы «Четыре»"));
        window->accept();
    });
    // The edit menu opening enables its items for the tree in front.
    emit Control<QMenu>("MEdit")->aboutToShow();
    Action("mnRatingScales")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Dialogs.AllAnswersUsed());
    // Each change one step: the choice undone and redone, the order, the new scale, its judgements.
    EXPECT_EQ(tree->UndoSteps().index(), 3);
    Dialogs.YesNoAnswers = {false};
    Frame().close();
}

} // namespace
