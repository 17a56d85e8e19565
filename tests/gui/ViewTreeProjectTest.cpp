// The tree project window through the frame: a tree built from the keyboard, every edit
// one undo step; the outline's and the list's figures against the hierarchy's results;
// a tree saved and opened again.
#include "AppTestSupport.h"

#include "core/document/StepNames.h"
#include "core/results/HierarchySynthesis.h"
#include "core/results/NumberFormat.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/view/CTreeOutlineModel.h"
#include "gui/view/TTreeProject.h"
#include "gui/widgets/WidgetStyle.h"

#include <QTreeView>
#include <QTreeWidget>
#include <QUndoStack>

using apptest::CAppTest;

namespace {

class ViewTreeProject : public CAppTest {
protected:
    // The tree window in front, its outline holding the keyboard.
    TTreeProject* Focused() const
    {
        TTreeProject* tree = Frame().ActiveTree();
        EXPECT_NE(tree, nullptr);
        if (tree != nullptr) {
            Frame().activateWindow();
            EXPECT_TRUE(WaitUntilActive(&Frame()));
            tree->Outline()->setFocus();
        }
        return tree;
    }
    // A key at the outline, answering the name question it may ask.
    void Key(TTreeProject* tree, QKeyCombination key, const QString& answer = QString())
    {
        if (!answer.isEmpty()) {
            Dialogs.TextAnswers.push_back(answer);
        }
        QTest::keyClick(tree->Outline(), key.key(), key.keyboardModifiers());
        EXPECT_TRUE(Dialogs.AllAnswersUsed());
    }
    // The tree as names: "Цель(A,B(C))".
    static std::string Shape(const CHierarchy& tree, std::uint32_t node = CHierarchy::GoalNode)
    {
        std::string text = tree.Node(node).Name;
        const std::vector<std::uint32_t>& children = tree.Node(node).Children;
        for (std::size_t i = 0; i < children.size(); ++i) {
            text += (i == 0 ? "(" : ",") + Shape(tree, children[i]);
        }
        return children.empty() ? text : text + ")";
    }
    static QString Figure(double value)
    {
        return QString::fromStdString(FormatTruncated(value, 4, DecimalSeparator()));
    }
};

TEST_F(ViewTreeProject, BuildsATreeFromTheKeyboardEveryEditOneUndoStep)
{
    // A goal longer than a tree file holds makes no window.
    Dialogs.TextAnswers = {QString(61, QChar(u'ц')), QStringLiteral("Выбор")};
    Action("MNewTree")->trigger();
    EXPECT_EQ(Dialogs.MessageTexts(),
        std::vector<QString>{QStringLiteral("Дерево критериев не создано: имя длиннее 60 символов.")});
    EXPECT_EQ(Frame().ClientArea()->subWindowList().size(), 0);
    Dialogs.Records.clear();
    Action("MNewTree")->trigger();
    TTreeProject* tree = Focused();
    ASSERT_NE(tree, nullptr);
    const CHierarchy& before = tree->Document().Tree();
    EXPECT_EQ(Shape(before), "Выбор(Критерий 1)");

    const QString longName = QStringLiteral("Расходы на содержание и ремонт за первые пять лет владения");
    struct CCase {
        QKeyCombination Key;
        QString Answer;
        std::string Shape;
        std::string Current;
    };
    const std::vector<CCase> cases = {
        {QKeyCombination(Qt::Key_Insert), QStringLiteral("Стоимость"), "Выбор(Критерий 1,Стоимость)", "Стоимость"},
        {QKeyCombination(Qt::Key_Insert), QStringLiteral("Цена"), "Выбор(Критерий 1,Стоимость(Цена))", "Цена"},
        {Qt::CTRL | Qt::Key_Insert, QStringLiteral("Расходы"), "Выбор(Критерий 1,Стоимость(Цена,Расходы))", "Расходы"},
        {QKeyCombination(Qt::Key_F2), longName, "Выбор(Критерий 1,Стоимость(Цена," + longName.toStdString() + "))",
            longName.toStdString()},
        {Qt::ALT | Qt::Key_Up, QString(), "Выбор(Критерий 1,Стоимость(" + longName.toStdString() + ",Цена))",
            longName.toStdString()},
        {Qt::ALT | Qt::Key_Down, QString(), "Выбор(Критерий 1,Стоимость(Цена," + longName.toStdString() + "))",
            longName.toStdString()},
    };
    for (const CCase& step : cases) {
        Key(tree, step.Key, step.Answer);
        EXPECT_EQ(Shape(tree->Document().Tree()), step.Shape) << step.Answer.toStdString();
        EXPECT_EQ(tree->Document().Tree().Node(tree->CurrentNode()).Name, step.Current) << step.Answer.toStdString();
    }
    EXPECT_EQ(tree->UndoSteps().count(), static_cast<int>(cases.size()));

    // Delete takes the subtree without a question; undo brings it back whole.
    const std::string built = Shape(tree->Document().Tree());
    tree->SelectNode(tree->Document().Tree().Parents(tree->CurrentNode()).front());
    Key(tree, Qt::Key_Delete);
    EXPECT_EQ(Shape(tree->Document().Tree()), "Выбор(Критерий 1)");
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
    EXPECT_EQ(Action("mnUndo")->text(), QStringLiteral("&Отменить: удаление критерия «Стоимость»"));
    Key(tree, Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(Shape(tree->Document().Tree()), built);
    EXPECT_TRUE(tree->Document().Modified());
    // Undoing an addition while the new criterion is current: the cursor goes back to the goal.
    tree->SelectNode(CHierarchy::GoalNode);
    Key(tree, Qt::Key_Insert, QStringLiteral("Качество"));
    Key(tree, Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(Shape(tree->Document().Tree()), built);
    EXPECT_EQ(tree->CurrentNode(), CHierarchy::GoalNode);

    // Closing asks as for a layered project: a new one, whether to save it.
    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{QStringLiteral("Сохранить созданный проект в файле?")});
    EXPECT_EQ(Frame().ActiveTree(), nullptr);
}

TEST_F(ViewTreeProject, ShowsTheTreesResultsAndSavesAndOpensItAgain)
{
    const QString example = QStringLiteral(TESSALY_SOURCE_DIR "/examples/car.tsj");
    Dialogs.FileAnswers = {example};
    Click("btOpenProject");
    ASSERT_EQ(
        Dialogs.Texts(CScriptedUserDialogs::EKind::OpenFile).at(0), QStringLiteral("Проект TESSALY (*.tsy *.tsj)"));
    TTreeProject* tree = Focused();
    ASSERT_NE(tree, nullptr);

    // Enter on a criterion judges its children: "Комфорт" gets 5 for its two, one step.
    const std::uint32_t comfort = tree->Document().Tree().NodeAt({"Комфорт"}).value();
    tree->SelectNode(comfort);
    apptest::WhenModal<TfmExpertForm>([](TfmExpertForm* form) {
        ASSERT_TRUE(WaitUntilActive(form));
        QTest::keyClick(QApplication::focusWidget(), '5');
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btOk")), Qt::LeftButton);
    });
    Key(tree, QKeyCombination(Qt::Key_Return));
    EXPECT_EQ(
        Action("mnUndo")->text(), QStringLiteral("&Отменить: ") + QString::fromStdString(JudgingStepName("Комфорт")));

    const CHierarchy& hierarchy = tree->Document().Tree();
    CHierarchyResults expected;
    ComputeHierarchyResults(hierarchy, expected);
    EXPECT_NEAR(expected.Node(comfort).Local.at(0), 5.0 / 6.0, 1e-12);

    // Every criterion's row: its local priority under its parent and its global one.
    const QAbstractItemModel* outline = tree->Outline()->model();
    std::uint32_t rows = 0;
    std::function<void(const QModelIndex&)> visit = [&](const QModelIndex& parent) {
        for (int row = 0; row < outline->rowCount(parent); ++row) {
            const QModelIndex name = outline->index(row, CTreeOutlineModel::NameColumn, parent);
            const std::uint32_t node = hierarchy.NodeAt(hierarchy.Path(CTreeOutlineModel::NodeOf(name))).value();
            EXPECT_EQ(name.data().toString().toStdString(), hierarchy.Node(node).Name);
            const QString local = outline->index(row, CTreeOutlineModel::LocalColumn, parent).data().toString();
            EXPECT_EQ(local,
                node == CHierarchy::GoalNode
                    ? QString()
                    : Figure(expected.Node(hierarchy.Parents(node).front()).Local[static_cast<std::size_t>(row)]))
                << node;
            EXPECT_EQ(outline->index(row, CTreeOutlineModel::GlobalColumn, parent).data().toString(),
                Figure(expected.Global(node)))
                << node;
            ++rows;
            visit(name);
        }
    };
    visit(QModelIndex());
    // A screen reader hears a criterion whole.
    const std::uint32_t price = hierarchy.NodeAt({"Стоимость", "Цена"}).value();
    const QModelIndex priceRow = outline->index(0, 0, outline->index(0, 0, outline->index(0, 0)));
    ASSERT_EQ(CTreeOutlineModel::NodeOf(priceRow), price);
    EXPECT_EQ(priceRow.data(Qt::AccessibleTextRole).toString(),
        QStringLiteral("Цена, уровень 2, локальный приоритет %1, глобальный приоритет %2, согласованность достаточна")
            .arg(Figure(expected.Node(hierarchy.Parents(price).front()).Local[0]), Figure(expected.Global(price))));
    EXPECT_EQ(rows, hierarchy.NodeCount());
    QTreeWidget* list = tree->Alternatives();
    ASSERT_EQ(static_cast<std::uint32_t>(list->topLevelItemCount()), hierarchy.AlternativeCount());
    for (std::uint32_t a = 0; a < hierarchy.AlternativeCount(); ++a) {
        EXPECT_EQ(list->topLevelItem(static_cast<int>(a))->text(1), Figure(expected.Distributive()[a]));
    }

    // An edit, saved under a new name without its extension, then opened again. The
    // offscreen platform does not hand the activation back when a dialog closes.
    ASSERT_EQ(Focused(), tree);
    Key(tree, Qt::Key_F2, QStringLiteral("Выбор семейного автомобиля"));
    const CHierarchy edited = tree->Document().Tree();
    Dialogs.FileAnswers = {Path(QStringLiteral("family"))};
    Action("mnSaveProjectAs")->trigger();
    EXPECT_FALSE(tree->Document().Modified());
    Click("btCloseProject");
    ASSERT_EQ(Frame().ActiveTree(), nullptr);
    Dialogs.FileAnswers = {Path(QStringLiteral("family.tsj"))};
    Click("btOpenProject");
    TTreeProject* reopened = Frame().ActiveTree();
    ASSERT_NE(reopened, nullptr);
    EXPECT_TRUE(reopened->Document().Tree() == edited);
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Проект - ") + Path(QStringLiteral("family.tsj"))});
    Click("btCloseProject");
    EXPECT_TRUE(Dialogs.AllAnswersUsed());
}

} // namespace
