// The tree project window through the frame: a tree built from the keyboard, every edit
// one undo step; the outline's and the list's figures against the hierarchy's results;
// a tree saved and opened again; a layered project converted to a tree.
#include "AppTestSupport.h"
#include "support/UpperJudgements.h"

#include "core/document/StepNames.h"
#include "core/model/LayeredHierarchy.h"
#include "core/results/HierarchySynthesis.h"
#include "core/results/NumberFormat.h"
#include "core/results/RankingOrder.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/view/CTreeOutlineModel.h"
#include "gui/view/TTreeProject.h"
#include "gui/widgets/WidgetStyle.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QUndoStack>

#include <memory>

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
    // A key at the outline (or another control of the window), answering the name
    // question it may ask.
    void Key(TTreeProject* tree, QKeyCombination key, const QString& answer = QString(), QWidget* at = nullptr)
    {
        if (!answer.isEmpty()) {
            Dialogs.TextAnswers.push_back(answer);
        }
        QTest::keyClick(at != nullptr ? at : tree->Outline(), key.key(), key.keyboardModifiers());
        EXPECT_TRUE(Dialogs.AllAnswersUsed());
    }
    TTreeProject* NewTree(const QString& goal)
    {
        Dialogs.TextAnswers = {goal};
        Action("MNewTree")->trigger();
        return Focused();
    }
    QString UndoText() const { return Action("mnUndo")->text(); }
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

TEST_F(ViewTreeProject, MovesACriterionToAnotherParentByKeysAndByDragOneUndoStepEach)
{
    TTreeProject* tree = NewTree(QStringLiteral("Выбор"));
    ASSERT_NE(tree, nullptr);
    tree->SelectNode(CHierarchy::GoalNode);
    Key(tree, QKeyCombination(Qt::Key_Insert), QStringLiteral("A"));
    Key(tree, QKeyCombination(Qt::Key_Insert), QStringLiteral("B"));
    const CHierarchy built = tree->Document().Tree();
    ASSERT_EQ(Shape(built), "Выбор(Критерий 1,A(B))");
    const int steps = tree->UndoSteps().count();

    // Each move keeps the cursor on the criterion; a screen reader hears its new level.
    struct CCase {
        QKeyCombination Key;
        std::string Shape;
        QString Heard;
    };
    const std::vector<CCase> cases = {
        {Qt::ALT | Qt::Key_Left, "Выбор(Критерий 1,A,B)", QStringLiteral("B, уровень 1, ")},
        {Qt::ALT | Qt::Key_Left, "Выбор(Критерий 1,A,B)", QStringLiteral("B, уровень 1, ")},
        {Qt::ALT | Qt::Key_Right, "Выбор(Критерий 1,A(B))", QStringLiteral("B, уровень 2, ")},
        {Qt::ALT | Qt::Key_Right, "Выбор(Критерий 1,A(B))", QStringLiteral("B, уровень 2, ")},
    };
    for (const CCase& step : cases) {
        Key(tree, step.Key);
        const CHierarchy& now = tree->Document().Tree();
        EXPECT_EQ(Shape(now), step.Shape);
        EXPECT_EQ(now.Node(tree->CurrentNode()).Name, "B");
        EXPECT_TRUE(tree->Outline()
                        ->currentIndex()
                        .siblingAtColumn(0)
                        .data(Qt::AccessibleTextRole)
                        .toString()
                        .startsWith(step.Heard));
    }
    EXPECT_EQ(tree->UndoSteps().count(), steps + 2);
    EXPECT_EQ(UndoText(), QStringLiteral("&Отменить: перемещение критерия «B»"));
    Key(tree, Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(Shape(tree->Document().Tree()), "Выбор(Критерий 1,A,B)");
    Key(tree, Qt::CTRL | Qt::Key_Z);
    EXPECT_TRUE(tree->Document().Tree() == built);

    // A drag of B dropped onto "Критерий 1": its last child. Never into its own subtree.
    QAbstractItemModel* outline = tree->Outline()->model();
    const QModelIndex goal = outline->index(0, 0);
    const QModelIndex first = outline->index(0, 0, goal);
    const QModelIndex a = outline->index(1, 0, goal);
    const std::unique_ptr<QMimeData> dragged(outline->mimeData({outline->index(0, 0, a)}));
    const std::unique_ptr<QMimeData> draggedA(outline->mimeData({a}));
    EXPECT_FALSE(outline->canDropMimeData(draggedA.get(), Qt::MoveAction, -1, 0, outline->index(0, 0, a)));
    EXPECT_TRUE(outline->dropMimeData(dragged.get(), Qt::MoveAction, -1, 0, first));
    QCoreApplication::processEvents();
    EXPECT_EQ(Shape(tree->Document().Tree()), "Выбор(Критерий 1(B),A)");
    EXPECT_EQ(tree->UndoSteps().count(), steps + 1);
    EXPECT_EQ(UndoText(), QStringLiteral("&Отменить: перемещение критерия «B»"));
    // Dropped between the goal's two criteria it becomes the second.
    const std::unique_ptr<QMimeData> again(outline->mimeData({outline->index(0, 0, outline->index(0, 0, goal))}));
    EXPECT_TRUE(outline->dropMimeData(again.get(), Qt::MoveAction, 1, 0, outline->index(0, 0)));
    QCoreApplication::processEvents();
    EXPECT_EQ(Shape(tree->Document().Tree()), "Выбор(Критерий 1,B,A)");

    // A move past the limits is refused whole: the goal, a chain down to level 8, and
    // the last criterion of the chain taken into its sibling.
    tree->SelectNode(tree->Document().Tree().NodeAt({"A"}).value());
    for (int depth = 2; depth <= 8; ++depth) {
        Key(tree, QKeyCombination(Qt::Key_Insert), QStringLiteral("L%1").arg(depth));
    }
    Key(tree, Qt::CTRL | Qt::Key_Insert, QStringLiteral("Рядом"));
    const CHierarchy deep = tree->Document().Tree();
    Dialogs.Records.clear();
    Key(tree, Qt::ALT | Qt::Key_Right);
    EXPECT_TRUE(tree->Document().Tree() == deep);
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{QStringLiteral("Изменение не сделано: уровней больше 10.")});

    // The comment: Shift+F2, one step, shown in the row's tooltip.
    apptest::WhenModal<QInputDialog>([](QInputDialog* dialog) {
        dialog->findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("Самый глубокий."));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    Key(tree, Qt::SHIFT | Qt::Key_F2);
    EXPECT_EQ(tree->Document().Tree().Node(tree->CurrentNode()).Comment, "Самый глубокий.");
    EXPECT_EQ(UndoText(), QStringLiteral("&Отменить: изменение комментария критерия «Рядом»"));
    EXPECT_TRUE(tree->Outline()
                    ->currentIndex()
                    .data(Qt::ToolTipRole)
                    .toString()
                    .endsWith(QStringLiteral("\n\nСамый глубокий.")));
    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
}

// The Menu key and Shift+F10 open each list's menu under its current row; Return runs the
// command chosen in it.
TEST_F(ViewTreeProject, TheKeyboardOpensEachListsMenuUnderItsCurrentRow)
{
    TTreeProject* tree = NewTree(QStringLiteral("Выбор"));
    ASSERT_NE(tree, nullptr);
    QTreeWidget* list = tree->Alternatives();
    list->setCurrentItem(list->topLevelItem(1));
    const QAbstractItemModel* outline = tree->Outline()->model();
    tree->Outline()->setCurrentIndex(outline->index(0, 0, outline->index(0, 0)));
    struct CCase {
        QAbstractItemView* View;
        QKeyCombination Key;
        const char* Command; // chosen with the arrows
        QString Answer;
    };
    for (const CCase& step :
        {CCase{tree->Outline(), QKeyCombination(Qt::Key_Menu), "mnAddSubCriterion", QStringLiteral("Под")},
            CCase{list, Qt::SHIFT | Qt::Key_F10, "mnAddAlternative", QStringLiteral("Новая")}}) {
        const QPoint rowCorner
            = step.View->viewport()->mapToGlobal(step.View->visualRect(step.View->currentIndex()).bottomLeft());
        QPoint shownAt;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            shownAt = menu->pos();
            for (int i = 0; i < 20
                 && (menu->activeAction() == nullptr
                     || menu->activeAction()->objectName() != QLatin1String(step.Command));
                 ++i) {
                QTest::keyClick(menu, Qt::Key_Down);
            }
            Dialogs.TextAnswers = {step.Answer};
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QTest::keyClick(step.View, step.Key.key(), step.Key.keyboardModifiers());
        // Under the row; moved left only as far as the screen's edge needs.
        EXPECT_EQ(shownAt.y(), rowCorner.y()) << step.Command;
        EXPECT_LE(shownAt.x(), rowCorner.x()) << step.Command;
        EXPECT_TRUE(Dialogs.AllAnswersUsed()) << step.Command;
    }
    EXPECT_EQ(Shape(tree->Document().Tree()), "Выбор(Критерий 1(Под))");
    EXPECT_EQ(tree->Document().Tree().AlternativeCount(), 3U);
    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
}

TEST_F(ViewTreeProject, EditsTheAlternativesFromTheKeyboardWithinTheirLimits)
{
    TTreeProject* tree = NewTree(QStringLiteral("Выбор"));
    ASSERT_NE(tree, nullptr);
    QTreeWidget* list = tree->Alternatives();
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(0));
    auto names = [tree] {
        std::string text;
        for (const CAlternative& alternative : tree->Document().Tree().Alternatives()) {
            text += (text.empty() ? "" : ",") + alternative.Name;
        }
        return text;
    };
    const QString sixty(60, QChar(u'ж'));
    struct CCase {
        QKeyCombination Key;
        QString Answer;
        std::string Names; // after the key
        QString Refusal;   // the message, if refused
    };
    const std::vector<CCase> cases = {
        {QKeyCombination(Qt::Key_Insert), QStringLiteral("В"), "Альтернатива 1,В,Альтернатива 2", {}},
        {QKeyCombination(Qt::Key_F2), sixty, "Альтернатива 1," + sixty.toStdString() + ",Альтернатива 2", {}},
        {QKeyCombination(Qt::Key_F2), sixty + QStringLiteral("ж"),
            "Альтернатива 1," + sixty.toStdString() + ",Альтернатива 2",
            QStringLiteral("Изменение не сделано: имя длиннее 60 символов.")},
        {Qt::ALT | Qt::Key_Down, {}, "Альтернатива 1,Альтернатива 2," + sixty.toStdString(), {}},
        {QKeyCombination(Qt::Key_Insert), QStringLiteral("Альтернатива 1"),
            "Альтернатива 1,Альтернатива 2," + sixty.toStdString(),
            QStringLiteral("Изменение не сделано: имя «Альтернатива 1» повторяется среди альтернатив.")},
        {Qt::ALT | Qt::Key_Up, {}, "Альтернатива 1," + sixty.toStdString() + ",Альтернатива 2", {}},
        {QKeyCombination(Qt::Key_Delete), {}, "Альтернатива 1,Альтернатива 2", {}},
        {QKeyCombination(Qt::Key_Delete), {}, "Альтернатива 1,Альтернатива 2",
            QStringLiteral("Изменение не сделано: альтернатив должно остаться не меньше 2.")},
    };
    int steps = 0;
    for (const CCase& step : cases) {
        Dialogs.Records.clear();
        Key(tree, step.Key, step.Answer, list);
        EXPECT_EQ(names(), step.Names) << step.Answer.toStdString();
        EXPECT_EQ(Dialogs.MessageTexts(),
            step.Refusal.isEmpty() ? std::vector<QString>{} : std::vector<QString>{step.Refusal});
        steps += step.Refusal.isEmpty() ? 1 : 0;
    }
    EXPECT_EQ(tree->UndoSteps().count(), steps);
    EXPECT_EQ(UndoText(), QStringLiteral("&Отменить: удаление альтернативы «%1»").arg(sixty));
    Key(tree, Qt::CTRL | Qt::Key_Z, {}, list);
    EXPECT_EQ(names(), "Альтернатива 1," + sixty.toStdString() + ",Альтернатива 2");
    // The list shows every alternative with the priority the results give it.
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(1)->text(0), sixty);
    EXPECT_EQ(list->topLevelItem(1)->text(1), Figure(1.0 / 3.0));

    // Twenty at most.
    for (int n = 4; n <= 20; ++n) {
        Key(tree, QKeyCombination(Qt::Key_Insert), QStringLiteral("Вариант %1").arg(n), list);
    }
    ASSERT_EQ(tree->Document().Tree().AlternativeCount(), 20U);
    Dialogs.Records.clear();
    Key(tree, QKeyCombination(Qt::Key_Insert), QStringLiteral("Лишний"), list);
    EXPECT_EQ(tree->Document().Tree().AlternativeCount(), 20U);
    EXPECT_EQ(
        Dialogs.MessageTexts(), std::vector<QString>{QStringLiteral("Изменение не сделано: альтернатив больше 20.")});
    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
}

TEST_F(ViewTreeProject, ConvertsALayeredProjectToANewTreeWindowWithEveryNumberKept)
{
    // Nine elements on three levels of criteria copy into more criteria than a tree holds.
    ASSERT_NE(NewProject(QStringLiteral("ЦЕЛЬ"), QStringLiteral("5"), QStringLiteral("9")), nullptr);
    Action("mnConvertToTree")->trigger();
    EXPECT_EQ(Dialogs.MessageTexts(),
        std::vector<QString>{QStringLiteral("Проект не преобразован в дерево: критериев больше 200.")});
    EXPECT_EQ(Frame().ClientArea()->subWindowList().size(), 1);
    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
    Dialogs.Records.clear();

    TUserProject* project = NewProject(QStringLiteral("ЦЕЛЬ"), QStringLiteral("4"), QStringLiteral("3"));
    ASSERT_NE(project, nullptr);
    CProjectDocument& layered = project->Document();
    // Judgements of every element, so every copy carries judgements of its own.
    const std::vector<std::vector<std::vector<int>>> codes
        = {{{3, 5, 2}}, {{2, -3, 4}, {-2, 3, 7}, {5, 1, -3}}, {{4, 2, -2}, {-5, -3, 2}, {3, 7, 2}}};
    for (std::uint32_t level = 0; level < 3; ++level) {
        for (std::uint32_t e = 0; e < codes[level].size(); ++e) {
            ASSERT_TRUE(layered.CommitJudgements(e, level, Upper(3, codes[level][e]), 3));
        }
    }
    const std::optional<CHierarchy> before = HierarchyOfLayers(layered.Model());
    ASSERT_TRUE(before.has_value());

    Action("mnConvertToTree")->trigger();
    TTreeProject* tree = Frame().ActiveTree();
    ASSERT_NE(tree, nullptr);
    // The layered project stays as it was, in its own window; the tree is a new project.
    EXPECT_EQ(Frame().ClientArea()->subWindowList().size(), 2);
    EXPECT_FALSE(layered.IsTree());
    EXPECT_TRUE(HierarchyOfLayers(layered.Model()) == before);
    EXPECT_TRUE(tree->Document().Modified());
    EXPECT_TRUE(tree->Document().FileName().empty());
    EXPECT_EQ(tree->UndoSteps().count(), 0);

    const CHierarchy& converted = tree->Document().Tree();
    const CHierarchyResults& results = tree->Document().TreeResults();
    const CProjectResults& grid = layered.Results();
    EXPECT_EQ(converted.NodeCount(), 1U + 3U + 9U);
    // Every element's global priority is shared out among its copies.
    for (std::uint32_t level = 1; level < 3; ++level) {
        for (std::uint32_t e = 0; e < 3; ++e) {
            double copies = 0.0;
            for (std::uint32_t node = 0; node < converted.NodeCount(); ++node) {
                if (converted.Level(node) == level && converted.Node(node).Name == "ЭЛЕМЕНТ_" + std::to_string(e)) {
                    copies += results.Global(node);
                }
            }
            EXPECT_NEAR(copies, grid.GlobalPriority()(e, level), 1e-12) << level << " " << e;
        }
    }
    // The alternatives: the same figures and the same ranking, both syntheses.
    std::vector<double> distributive;
    std::vector<double> ideal;
    for (std::uint32_t a = 0; a < 3; ++a) {
        distributive.push_back(grid.GlobalPriority()(a, 3));
        ideal.push_back(grid.Ideal().Priority[a]);
        EXPECT_NEAR(results.Distributive()[a], distributive[a], 1e-12);
        EXPECT_NEAR(results.Ideal()[a], ideal[a], 1e-12);
        EXPECT_EQ(tree->Alternatives()->topLevelItem(static_cast<int>(a))->text(1), Figure(distributive[a]));
    }
    EXPECT_EQ(RankingOrder(results.Distributive()), RankingOrder(distributive));
    EXPECT_EQ(RankingOrder(results.Ideal()), RankingOrder(ideal));

    // Closing the tree asks to save it: nothing is lost unless the user says so.
    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{QStringLiteral("Сохранить созданный проект в файле?")});
    EXPECT_EQ(Frame().ActiveProject(), project);
}

} // namespace

// A shown window destroyed without closing first (a frame torn down, a benchmark) hides
// its outline only after the window's document is gone: the outline must not read it then.
TEST(ViewTreeWindow, AShownWindowDestroyedAtOnceReadsNoDocumentThatIsGone)
{
    auto window = std::make_unique<TTreeProject>([](CProjectDocument&, QWidget&) { return true; });
    window->BuildNewTree(QStringLiteral("Выбор поставщика"));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window.reset();
}
