// The comparison window of a tree's criterion with twenty children: judged from the
// keyboard, its priorities and the research window's row sums against the row geometric
// means, and the judgements kept in the criterion as one undo step.
#include "AppTestSupport.h"
#include "JudgeTestSupport.h"

#include "core/storage/TreeFile.h"
#include "gui/judgement/CWideExpertTable.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/results/CDeviationGrid.h"
#include "gui/results/TfmAbsoluteMatrix.h"
#include "gui/view/TTreeProject.h"

#include <QAccessible>
#include <QScreen>
#include <QTreeView>
#include <QUndoStack>

#include <cmath>

using apptest::CAppTest;

namespace {

class JudgeWideTable : public CAppTest {
protected:
    static double Shown(const QLabel* label)
    {
        return QString(label->text()).replace(QLocale().decimalPoint(), QStringLiteral(".")).toDouble();
    }
};

TEST_F(JudgeWideTable, TwentyElementsTypedShowTheirGeometricMeansAndStayAsOneStep)
{
    constexpr std::uint32_t n = 20;
    CHierarchy built("Выбор");
    std::vector<QString> names;
    for (std::uint32_t k = 0; k < n; ++k) {
        names.push_back((QStringLiteral("Критерий %1 ").arg(k + 1) + QString(60, QChar(u'ш'))).left(60));
        ASSERT_EQ(built.AddCriterion(CHierarchy::GoalNode, k, names.back().toStdString()), "");
    }
    ASSERT_EQ(built.AddAlternative(0, "А"), "");
    ASSERT_EQ(built.AddAlternative(1, "Б"), "");
    const QString file = Path(QStringLiteral("twenty.tsj"));
    ASSERT_EQ(SaveTreeFile(built, file.toStdString(), false), EWriteResult::Ok);
    Dialogs.FileAnswers = {file};
    Click("btOpenProject");
    TTreeProject* tree = Frame().ActiveTree();
    ASSERT_NE(tree, nullptr);
    tree->SelectNode(CHierarchy::GoalNode);
    const int stepsBefore = tree->UndoSteps().count();

    // Each upper pair a digit, every third one for its column element ("/" first).
    std::array<std::array<double, n>, n> a{};
    std::array<std::array<std::int32_t, n>, n> code{};
    std::vector<QString> keys;
    for (std::uint32_t i = 0; i < n; ++i) {
        a[i][i] = 1.0;
        for (std::uint32_t j = i + 1; j < n; ++j) {
            const std::int32_t digit = static_cast<std::int32_t>((i + 2 * j) % 9) + 1;
            const bool reciprocal = digit > 1 && (i + j) % 3 == 0;
            code[i][j] = reciprocal ? -digit : digit;
            a[i][j] = reciprocal ? 1.0 / digit : digit;
            a[j][i] = 1.0 / a[i][j];
            keys.push_back((reciprocal ? QStringLiteral("/") : QString()) + QString::number(digit));
        }
    }
    std::array<double, n> w{};
    double total = 0.0;
    for (std::uint32_t i = 0; i < n; ++i) {
        double logSum = 0.0;
        for (std::uint32_t j = 0; j < n; ++j) {
            logSum += std::log(a[i][j]);
        }
        w[i] = std::exp(logSum / n);
        total += w[i];
    }
    for (double& x : w) {
        x /= total;
    }

    apptest::WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        ASSERT_TRUE(WaitUntilActive(form));
        ASSERT_NE(form->WideTable, nullptr);
        // Whole on the screen; the names shortened where their column has no room, whole
        // for the tooltip and a screen reader.
        EXPECT_TRUE(form->screen()->availableGeometry().contains(form->frameGeometry()));
        for (std::uint32_t k = 0; k < n; ++k) {
            const QLabel* name = form->WideTable->Names[k];
            EXPECT_EQ(name->accessibleName(), names[k]);
            EXPECT_EQ(name->toolTip(), name->text() == names[k] ? QString() : names[k]) << k;
        }
        for (const QString& typed : keys) {
            QTest::keyClicks(QApplication::focusWidget(), typed);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
        for (std::uint32_t k = 0; k < n; ++k) {
            EXPECT_NEAR(Shown(form->WideTable->Priorities[k]), w[k], 1.01e-4) << k;
        }
        // The research window: each row's sum of |a_ij - w_i / w_j|.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
        const TfmAbsoluteMatrix* research = form->findChild<TfmAbsoluteMatrix*>();
        ASSERT_NE(research, nullptr);
        ASSERT_NE(research->WideDeviationTable, nullptr);
        EXPECT_TRUE(research->isVisible());
        EXPECT_EQ(research->WideDeviationTable->Order(), n);
        // A reader hears a row's name whole, however short its column.
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(research->WideDeviationTable);
        ASSERT_NE(table, nullptr);
        ASSERT_NE(table->tableInterface(), nullptr);
        EXPECT_EQ(table->tableInterface()->rowDescription(n - 1), names[n - 1]);
        for (std::uint32_t i = 0; i < n; ++i) {
            double sum = 0.0;
            for (std::uint32_t j = 0; j < n; ++j) {
                sum += std::fabs(a[i][j] - w[i] / w[j]);
            }
            EXPECT_NEAR(Shown(research->WideDeviationTable->RowSums[i]), sum, 0.0101 + 1e-3 * sum) << i;
        }
        // A pair left out brings the line under the table; the window grows by it and
        // everything stays whole.
        QTest::keyClick(form, Qt::Key_Delete);
        EXPECT_TRUE(form->lbJudgedPairs->isVisible());
        judgetest::ExpectTidyLayout(form);
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    QTest::keyClick(tree->Outline(), Qt::Key_Return);

    const CJudgementMatrix& kept = tree->Document().Tree().Node(CHierarchy::GoalNode).Judgements;
    EXPECT_FALSE(kept(0, 1).IsJudged());
    EXPECT_FALSE(kept(1, 0).IsJudged());
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j) {
            if (i + j > 1) { // the first pair was left out
                ASSERT_EQ(kept(i, j).Code(), code[i][j]) << i << "," << j;
                ASSERT_EQ(kept(j, i).Code(), code[i][j] == 1 ? 1 : -code[i][j]) << j << "," << i;
            }
        }
    }
    EXPECT_EQ(tree->UndoSteps().count(), stepsBefore + 1);
    tree->UndoSteps().undo();
    EXPECT_EQ(tree->Document().Tree().Node(CHierarchy::GoalNode).Judgements(0, 1).Code(), 1);
    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
}

} // namespace
