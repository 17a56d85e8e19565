#include "AppTestSupport.h"
#include "support/ModelEdits.h"
#include "support/UpperJudgements.h"

#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/storage/ProjectFile.h"
#include "core/storage/TreeFile.h"
#include "gui/group/TfmGroupDecision.h"
#include "gui/group/TfmGroupMembers.h"

#include <QLabel>
#include <QTableView>
#include <QTableWidget>

#include <algorithm>
#include <cmath>
#include <numeric>

// A group of three experts' trees chosen in the members dialog and shown in the group
// window: its ranking against the long way (each criterion's judgements combined by the
// geometric mean, its priorities by the principal eigenvector, then the synthesis down the
// tree), a criterion chosen by its path; a layered project among trees refused by name.

using apptest::CAppTest;
using apptest::WhenModal;

namespace {
using CVector = std::vector<double>;

// ВЫБОР over Качество (over Надёжность, Комфорт) and Цена; the three last over X, Y, Z.
// Numbered breadth first, so the outline's order (0, 1, 3, 4, 2) is not the nodes' own.
struct CExpertCodes {
    std::vector<int> Goal, Quality, Reliability, Comfort, Price;
};
const std::vector<CExpertCodes> Experts{
    {{3}, {2}, {3, 5, 2}, {-2, 1, 3}, {1, -3, -4}},
    {{-2}, {4}, {5, 7, 3}, {1, 2, 2}, {-2, -5, -3}},
    {{5}, {-3}, {2, 4, 3}, {-3, -2, 4}, {2, -2, -6}},
};

CHierarchy Tree(const CExpertCodes& codes)
{
    std::vector<CHierarchyNode> nodes{{"ВЫБОР", "", {1, 2}, Upper(2, codes.Goal)},
        {"Качество", "", {3, 4}, Upper(2, codes.Quality)}, {"Цена", "", {}, Upper(3, codes.Price)},
        {"Надёжность", "", {}, Upper(3, codes.Reliability)}, {"Комфорт", "", {}, Upper(3, codes.Comfort)}};
    return *CHierarchy::Make(EHierarchyShape::Tree, nodes, {{"X", ""}, {"Y", ""}, {"Z", ""}});
}

double Value(int code)
{
    return code > 0 ? code : -1.0 / code;
}

// The experts' judgements of one criterion combined (geometric mean), then its principal
// eigenvector by the power method.
CVector GroupPriorities(std::vector<int> CExpertCodes::*criterion)
{
    const std::size_t n = (Experts.front().*criterion).size() == 1 ? 2 : 3;
    std::vector<CVector> a(n, CVector(n, 1.0));
    std::size_t pair = 0;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j, ++pair) {
            double logs = 0.0;
            for (const CExpertCodes& expert : Experts) {
                logs += std::log(Value((expert.*criterion)[pair]));
            }
            a[i][j] = std::exp(logs / static_cast<double>(Experts.size()));
            a[j][i] = 1.0 / a[i][j];
        }
    }
    CVector w(n, 1.0 / static_cast<double>(n));
    for (int step = 0; step < 500; ++step) {
        CVector next(n, 0.0);
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < n; ++j) {
                next[i] += a[i][j] * w[j];
            }
        }
        const double sum = std::accumulate(next.begin(), next.end(), 0.0);
        for (std::size_t i = 0; i < n; ++i) {
            w[i] = next[i] / sum;
        }
    }
    return w;
}

QString Shown(double x)
{
    return QString::number(std::floor(x * 1e4 + 1e-9) / 1e4, 'g', 15);
}

QString Cell(const QTableView* table, int row, int column)
{
    return table->model()->index(row, column).data().toString();
}

class GroupTreeWindow : public CAppTest { };
} // namespace

TEST_F(GroupTreeWindow, RankingOfTreesAndAMixedGroupRefused)
{
    QStringList files;
    for (std::size_t k = 0; k < Experts.size(); ++k) {
        files << Path(QStringLiteral("эксперт%1.tsj").arg(k + 1));
        ASSERT_EQ(SaveTreeFile(Tree(Experts[k]), files.back().toStdString(), false), EWriteResult::Ok);
    }
    const QString layered = Path(QStringLiteral("слои.tsy"));
    CUserProjectModel project;
    ASSERT_TRUE(BuildWithCounts(project, {1, 2, 3}));
    ASSERT_EQ(SaveProjectFile(project, layered.toStdString(), false), EWriteResult::Ok);

    WhenModal<TfmGroupMembers>([&](TfmGroupMembers* dialog) {
        for (const QString& file : files + QStringList{layered}) {
            Dialogs.FileAnswers.push_back(file);
            QTest::mouseClick(dialog->btAddMembers, Qt::LeftButton);
        }
        EXPECT_TRUE(Dialogs.Texts(CScriptedUserDialogs::EKind::OpenFile).back().contains(QStringLiteral("*.tsj")));
        QTest::mouseClick(dialog->btOk, Qt::LeftButton);
        ASSERT_FALSE(Dialogs.Records.empty());
        EXPECT_EQ(Dialogs.Records.back().Text,
            QStringLiteral("Эксперт 4: файл «слои.tsy» — проект с полными уровнями, а «эксперт1.tsj» — дерево "
                           "критериев; в одной группе файлы экспертов одного вида"));
        dialog->twMembers->selectRow(3);
        QTest::mouseClick(dialog->btRemoveMember, Qt::LeftButton);
        QTest::mouseClick(dialog->btOk, Qt::LeftButton);
    });
    Action("mnGroupDecision")->trigger();
    ASSERT_EQ(Frame().GroupWindows().size(), 1U);
    TfmGroupDecision* window = Frame().GroupWindows().front();

    // The long way: global weights down the tree, then each covering criterion's share.
    const CVector goal = GroupPriorities(&CExpertCodes::Goal);
    const CVector quality = GroupPriorities(&CExpertCodes::Quality);
    const std::vector<std::pair<double, CVector>> covering{
        {goal[0] * quality[0], GroupPriorities(&CExpertCodes::Reliability)},
        {goal[0] * quality[1], GroupPriorities(&CExpertCodes::Comfort)},
        {goal[1], GroupPriorities(&CExpertCodes::Price)}};
    CVector final(3, 0.0);
    for (const auto& [weight, local] : covering) {
        for (std::size_t a = 0; a < 3; ++a) {
            final[a] += weight * local[a];
        }
    }
    std::vector<std::size_t> order{0, 1, 2};
    std::sort(order.begin(), order.end(), [&final](std::size_t x, std::size_t y) { return final[x] > final[y]; });
    const QTableView* ranking = window->twRanking;
    ASSERT_EQ(ranking->model()->rowCount(), 3);
    for (int r = 0; r < 3; ++r) {
        const std::size_t a = order[static_cast<std::size_t>(r)];
        EXPECT_EQ(Cell(ranking, r, 1), QString(QChar(u'X' + static_cast<char16_t>(a))));
        EXPECT_EQ(Cell(ranking, r, 2), Shown(final[a]));
    }

    // The criteria in the outline's order, by their paths; one chosen shows its own matrix.
    QTableView* elements = window->twElements;
    ASSERT_EQ(elements->model()->rowCount(), 5);
    EXPECT_EQ(Cell(elements, 3, 1), QStringLiteral("Качество / Комфорт"));
    EXPECT_EQ(Cell(elements, 4, 1), QStringLiteral("Цена"));
    elements->setCurrentIndex(elements->model()->index(3, 1));
    EXPECT_TRUE(window->lbElementTitle->text().startsWith(QStringLiteral("«Качество / Комфорт»")));
    const CVector comfort = GroupPriorities(&CExpertCodes::Comfort);
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(Cell(window->twAggregated, r, 4), Shown(comfort[static_cast<std::size_t>(r)]));
    }
}
