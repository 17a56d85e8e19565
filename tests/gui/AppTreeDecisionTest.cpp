// A whole decision with a tree of criteria, made with the keyboard alone through the real
// windows: the tree built and judged, a suggestion of the research window accepted, every
// figure of the outline, the list and the results view read against a calculation of its
// own, a step undone and redone, the tree saved, closed and opened again.
#include "AppTestSupport.h"
#include "KeyboardWalkSupport.h"

#include "core/results/NumberFormat.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/results/CResultsView.h"
#include "gui/results/TfmAbsoluteMatrix.h"
#include "gui/view/CTreeOutlineModel.h"
#include "gui/view/TTreeProject.h"
#include "gui/widgets/WidgetStyle.h"

#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <map>
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

// Every criterion's local priorities by the row geometric means of its judgements, the
// global ones as their products down the tree, the alternatives' sums under the covering
// criteria.
struct CExpected {
    std::map<std::uint32_t, double> Local;
    std::map<std::uint32_t, double> Global;
    std::vector<double> Alternatives;
};

std::vector<double> GeometricMeans(const CJudgementMatrix& judgements, std::size_t n)
{
    std::vector<double> means(n, 1.0);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            means[i] *= judgements(i, j).Value();
        }
        means[i] = std::pow(means[i], 1.0 / static_cast<double>(n));
    }
    const double sum = std::accumulate(means.begin(), means.end(), 0.0);
    for (double& mean : means) {
        mean /= sum;
    }
    return means;
}

void Expect(const CHierarchy& tree, std::uint32_t node, double global, CExpected& out)
{
    out.Global[node] = global;
    const std::vector<std::uint32_t>& children = tree.Node(node).Children;
    if (children.empty()) {
        const std::vector<double> local = GeometricMeans(tree.Node(node).Judgements, tree.AlternativeCount());
        out.Alternatives.resize(local.size(), 0.0);
        for (std::size_t a = 0; a < local.size(); ++a) {
            out.Alternatives[a] += global * local[a];
        }
        return;
    }
    const std::vector<double> local
        = children.size() == 1 ? std::vector<double>{1.0} : GeometricMeans(tree.Node(node).Judgements, children.size());
    for (std::size_t c = 0; c < children.size(); ++c) {
        out.Local[children[c]] = local[c];
        Expect(tree, children[c], global * local[c], out);
    }
}

class AppTreeDecision : public CAppTest {
protected:
    // Every row of the outline and the list, and the results view's ranking, as shown.
    void ExpectFigures(TTreeProject* window)
    {
        const CHierarchy& tree = window->Document().Tree();
        CExpected expected;
        Expect(tree, CHierarchy::GoalNode, 1.0, expected);
        const QAbstractItemModel* outline = window->Outline()->model();
        std::uint32_t rows = 0;
        std::function<void(const QModelIndex&)> visit = [&](const QModelIndex& parent) {
            for (int row = 0; row < outline->rowCount(parent); ++row) {
                const QModelIndex name = outline->index(row, CTreeOutlineModel::NameColumn, parent);
                const std::uint32_t node = CTreeOutlineModel::NodeOf(name);
                const QString local = outline->index(row, CTreeOutlineModel::LocalColumn, parent).data().toString();
                EXPECT_EQ(local, node == CHierarchy::GoalNode ? QString() : Figure(expected.Local.at(node))) << node;
                EXPECT_EQ(outline->index(row, CTreeOutlineModel::GlobalColumn, parent).data().toString(),
                    Figure(expected.Global.at(node)))
                    << node;
                ++rows;
                visit(name);
            }
        };
        visit(QModelIndex());
        EXPECT_EQ(rows, tree.NodeCount());
        QTreeWidget* list = window->Alternatives();
        ASSERT_EQ(static_cast<std::size_t>(list->topLevelItemCount()), expected.Alternatives.size());
        for (std::size_t a = 0; a < expected.Alternatives.size(); ++a) {
            EXPECT_EQ(list->topLevelItem(static_cast<int>(a))->text(1), Figure(expected.Alternatives[a]));
        }
        // Ctrl+3 shows the ranking in place of the outline, from the list too, and takes it
        // away again.
        window->Alternatives()->setFocus();
        Press(Qt::CTRL | Qt::Key_3);
        ASSERT_TRUE(window->ResultsPanel()->isVisible());
        std::vector<std::size_t> order(expected.Alternatives.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return expected.Alternatives[a] > expected.Alternatives[b]; });
        for (std::uint32_t i = 0; i < order.size(); ++i) {
            EXPECT_EQ(window->ResultsPanel()->ResultNameLabel(i)->text(),
                QString::fromStdString(tree.Alternatives()[order[i]].Name));
            EXPECT_EQ(window->ResultsPanel()->ResultValueLabel(i)->text(), Figure(expected.Alternatives[order[i]]));
        }
        Press(Qt::CTRL | Qt::Key_3);
        EXPECT_TRUE(window->Outline()->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), window->Outline());
    }

    // Enter on the outline's current criterion, its judgements typed, applied and closed.
    void Judge(TTreeProject* window, const QString& keys, bool research = false)
    {
        double before = -1.0;
        double after = -1.0;
        bool fresh = false;
        WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
            EXPECT_TRUE(WaitUntilActive(form));
            Type(keys);
            Press(Qt::CTRL | Qt::Key_Return);
            if (research) {
                // Ctrl+R opens the research window, again takes the keyboard to its first
                // suggestion, Space accepts it and gives the keyboard back to the table.
                Press(Qt::CTRL | Qt::Key_R);
                auto* matrix = Frame().findChild<TfmAbsoluteMatrix*>();
                ASSERT_NE(matrix, nullptr);
                SwitchTo(form);
                before = form->stOS->text().toDouble();
                const QString verdict = matrix->lbVerdict->text();
                Press(Qt::CTRL | Qt::Key_R);
                EXPECT_TRUE(WaitUntilActive(matrix));
                ASSERT_TRUE(matrix->AcceptButtons[0]->isEnabled());
                Press(QKeyCombination(Qt::Key_Space));
                EXPECT_TRUE(WaitUntilActive(form));
                // The research window follows at once: the change listed, the new verdict.
                fresh = matrix->lbAccepted->isVisibleTo(matrix) && matrix->lbVerdict->text() != verdict;
                Press(Qt::CTRL | Qt::Key_Return);
                after = form->stOS->text().toDouble();
            }
            Press(Qt::CTRL | Qt::Key_W);
        });
        ASSERT_EQ(QApplication::focusWidget(), window->Outline());
        Press(QKeyCombination(Qt::Key_Return));
        SwitchTo(&Frame());
        EXPECT_EQ(QApplication::focusWidget(), window->Outline());
        if (research) {
            EXPECT_GT(before, 0.1);
            EXPECT_LT(after, before);
            EXPECT_TRUE(fresh);
        }
    }
    // A key at the outline, answering the name it asks for.
    void Named(QKeyCombination key, const QString& name)
    {
        Dialogs.TextAnswers.push_back(name);
        Press(key);
        EXPECT_TRUE(Dialogs.AllAnswersUsed());
    }
    std::string CurrentName(TTreeProject* window) const
    {
        return window->Document().Tree().Node(window->CurrentNode()).Name;
    }
};

TEST_F(AppTreeDecision, AWholeDecisionWithATreeFromTheKeyboardAlone)
{
    // "Файл" > "Создать дерево критериев...": the goal asked, the outline takes the keyboard.
    Dialogs.TextAnswers = {QStringLiteral("Выбор автомобиля")};
    SwitchTo(&Frame());
    AltLetter(u'ф');
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    Type(QStringLiteral("д"));
    TTreeProject* window = Frame().ActiveTree();
    ASSERT_NE(window, nullptr);
    SwitchTo(&Frame());
    ASSERT_EQ(QApplication::focusWidget(), window->Outline());

    // "Стоимость" with three sub-criteria, "Безопасность" beside it.
    Press(QKeyCombination(Qt::Key_Down));
    Named(QKeyCombination(Qt::Key_F2), QStringLiteral("Стоимость"));
    Named(QKeyCombination(Qt::Key_Insert), QStringLiteral("Цена"));
    Named(Qt::CTRL | Qt::Key_Insert, QStringLiteral("Налог"));
    Named(Qt::CTRL | Qt::Key_Insert, QStringLiteral("Ремонт"));
    // Left goes up to the parent, Right down to its first child.
    Press(QKeyCombination(Qt::Key_Left));
    ASSERT_EQ(CurrentName(window), "Стоимость");
    Press(QKeyCombination(Qt::Key_Right));
    ASSERT_EQ(CurrentName(window), "Цена");
    Press(QKeyCombination(Qt::Key_Left));
    Named(Qt::CTRL | Qt::Key_Insert, QStringLiteral("Безопасность"));
    // The alternatives named and a third added, from their list.
    Press(QKeyCombination(Qt::Key_Tab));
    ASSERT_EQ(QApplication::focusWidget(), window->Alternatives());
    Named(QKeyCombination(Qt::Key_F2), QStringLiteral("Лада"));
    Press(QKeyCombination(Qt::Key_Down));
    Named(QKeyCombination(Qt::Key_F2), QStringLiteral("Киа"));
    Named(QKeyCombination(Qt::Key_Insert), QStringLiteral("Шкода"));
    // The document's tree as it is now (a step replaces it).
    auto tree = [window]() -> const CHierarchy& { return window->Document().Tree(); };
    ASSERT_EQ(tree().AlternativeCount(), 3U);
    EXPECT_EQ(tree().Alternatives()[2].Name, "Шкода");
    Press(Qt::SHIFT | Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window->Outline());
    ASSERT_EQ(CurrentName(window), "Безопасность");

    // Every criterion judged from the top: "Стоимость" first given a circle of
    // preferences, which the research window's first suggestion mends.
    Press(QKeyCombination(Qt::Key_Home));
    Judge(window, QStringLiteral("3"));
    const std::vector<std::pair<QString, bool>> judged
        = {{QStringLiteral("5/37"), true}, {QStringLiteral("352"), false}, {QStringLiteral("/234"), false},
            {QStringLiteral("22/3"), false}, {QStringLiteral("/5/32"), false}};
    for (const auto& [keys, research] : judged) {
        Press(QKeyCombination(Qt::Key_Down));
        Judge(window, keys, research);
    }
    ASSERT_EQ(CurrentName(window), "Безопасность");
    ExpectFigures(window);

    // The last judging undone and redone; the cursor stays on its criterion.
    const CHierarchy judgedTree = tree();
    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_TRUE(tree().Node(tree().NodeAt({"Безопасность"}).value()).Judgements == EqualJudgements(3));
    EXPECT_EQ(CurrentName(window), "Безопасность");
    ExpectFigures(window);
    Press(Qt::CTRL | Qt::Key_Y);
    EXPECT_TRUE(tree() == judgedTree);
    // A rename undone: the cursor stays on the criterion under its former name.
    Named(QKeyCombination(Qt::Key_F2), QStringLiteral("Надёжность"));
    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_TRUE(tree() == judgedTree);
    EXPECT_EQ(CurrentName(window), "Безопасность");
    Press(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(CurrentName(window), "Надёжность");
    // An added sub-criterion undone: the cursor goes to its parent.
    Named(QKeyCombination(Qt::Key_Insert), QStringLiteral("Подушки"));
    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(CurrentName(window), "Надёжность");
    const CHierarchy saved = tree();

    // Saved as a tree file, closed, opened again: the same tree, the same figures.
    Dialogs.FileAnswers = {Path(QStringLiteral("авто.tsj"))};
    AltLetter(u'ф');
    Type(QStringLiteral("к"));
    EXPECT_FALSE(window->Document().Modified());
    Press(Qt::CTRL | Qt::Key_F4);
    ASSERT_EQ(Frame().ActiveTree(), nullptr);
    Dialogs.FileAnswers = {Path(QStringLiteral("авто.tsj"))};
    SwitchTo(&Frame());
    AltLetter(u'ф');
    Type(QStringLiteral("о"));
    TTreeProject* reopened = Frame().ActiveTree();
    ASSERT_NE(reopened, nullptr);
    EXPECT_TRUE(reopened->Document().Tree() == saved);
    SwitchTo(&Frame());
    ExpectFigures(reopened);
    Press(Qt::CTRL | Qt::Key_F4);
    EXPECT_EQ(Frame().ActiveTree(), nullptr);
    EXPECT_TRUE(Dialogs.AllAnswersUsed());
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
}

} // namespace
