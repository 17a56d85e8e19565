#include "AppTestSupport.h"

#include "AccessibleTreeWalk.h"
#include "gui/app/THelpViewer.h"
#include "gui/group/TfmExpertFiles.h"
#include "gui/group/TfmGroupDecision.h"
#include "gui/group/TfmGroupMembers.h"
#include "gui/judgement/CExpertTable_Element.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/judgement/TfmExpertScale.h"
#include "gui/results/CAbsouteMatrixTable_Element.h"
#include "gui/results/CDeviationGrid.h"
#include "gui/results/TfmAbsoluteMatrix.h"
#include "gui/results/TfmCurrentPriorityLevel.h"
#include "gui/results/TfmSensitivity.h"
#include "gui/widgets/TAddNewLevel.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QTableWidget>
#include <QTextEdit>

#include <set>
#include <string>
#include <utility>
#include <vector>

using apptest::CAppTest;

namespace {

// UTF-8, so that a failing check prints the text.
std::string AccessibleName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(QAccessible::Name).toStdString() : std::string();
}

// The label bound to the control: on Linux a reader names a combo box by its current
// item and takes its caption from this label.
std::string LabelledBy(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    if (face == nullptr) {
        return std::string();
    }
    const auto labels = face->relations(QAccessible::Label);
    return labels.isEmpty() ? std::string() : labels.front().first->text(QAccessible::Name).toStdString();
}

// Qt builds some controls out of others: a scrolled view's scroll bars, a table's
// headers, a spin box's field, a combo box's list. A reader reaches those parts through
// the control they belong to, which carries the name.
bool PartOfAnotherControl(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    const QWidget* grandparent = parent != nullptr ? parent->parentWidget() : nullptr;
    return qobject_cast<const QAbstractItemView*>(parent) != nullptr
        || qobject_cast<const QAbstractSpinBox*>(parent) != nullptr
        || qobject_cast<const QComboBox*>(grandparent) != nullptr
        || (qobject_cast<const QAbstractSlider*>(widget) != nullptr
            && qobject_cast<const QAbstractScrollArea*>(grandparent) != nullptr);
}

bool Actionable(QWidget* widget)
{
    return qobject_cast<QAbstractButton*>(widget) != nullptr || qobject_cast<QAbstractSlider*>(widget) != nullptr
        || qobject_cast<QComboBox*>(widget) != nullptr || qobject_cast<QLineEdit*>(widget) != nullptr
        || qobject_cast<QAbstractSpinBox*>(widget) != nullptr || qobject_cast<QAbstractItemView*>(widget) != nullptr
        || qobject_cast<QPlainTextEdit*>(widget) != nullptr || qobject_cast<QTextEdit*>(widget) != nullptr
        || qobject_cast<CExpertTable_Element*>(widget) != nullptr
        || qobject_cast<CHierarchyElementBox*>(widget) != nullptr;
}

// Every control under root, hidden ones included, that a reader would announce by its
// kind alone; each as "class objectName" with the names of its window and parent.
void CollectUnnamed(QWidget* root, std::set<QString>& unnamed)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        const QString where = QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ')
            + widget->objectName() + QStringLiteral(" in ") + widget->window()->objectName() + QLatin1Char('/')
            + (widget->parentWidget() != nullptr ? widget->parentWidget()->objectName() : QString());
        if (auto* tabs = qobject_cast<QTabBar*>(widget); tabs != nullptr) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(tabs);
            for (int i = 0; face != nullptr && i < face->childCount(); ++i) {
                if (face->child(i)->text(QAccessible::Name).isEmpty()) {
                    unnamed.insert(where + QStringLiteral(" tab %1").arg(i));
                }
            }
        }
        if (Actionable(widget) && !PartOfAnotherControl(widget) && AccessibleName(widget).empty()) {
            unnamed.insert(where);
        }
    }
}

class AppAccessibility : public CAppTest {
protected:
    static QToolButton* Button(const QWidget* window, const char* name)
    {
        auto* button = window->findChild<QToolButton*>(QString::fromLatin1(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
};

} // namespace

TEST_F(AppAccessibility, EveryControlOfEveryWindowCarriesAnAccessibleName)
{
    const QString copy = Path(QStringLiteral("warehouse.tsy"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/warehouse.tsy"), copy));
    TUserProject* project = OpenProject(copy);
    ASSERT_NE(project, nullptr);
    // The dialogs are the frame's children: each walk covers every window, hidden ones too.
    std::set<QString> unnamed;
    CollectUnnamed(&Frame(), unnamed);

    // The comparison window with the research window beside it, filled for the goal.
    QTest::mouseClick(Button(project, "btExpertMode"), Qt::LeftButton);
    apptest::WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        CollectUnnamed(&Frame(), unnamed);
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    QTest::mouseClick(project->ElementBox(0, 0), Qt::LeftButton);
    QTest::mouseDClick(project->ElementBox(0, 0), Qt::LeftButton);

    // The sensitivity window with its selectors and sliders filled.
    const CUserProjectModel& m = project->Model();
    apptest::WhenModal<TfmSensitivity>([&](TfmSensitivity* window) {
        CollectUnnamed(&Frame(), unnamed);
        EXPECT_EQ(LabelledBy(window->cbLevel), "Уровень:");
        EXPECT_EQ(AccessibleName(window->findChild<QSlider*>(QStringLiteral("WeightSlider_1"))),
            "Вес элемента «" + m.Element(1, 1).Name + "»");
        window->btClose->click();
    });
    Action("mnSensitivityAnalysis")->trigger();

    QTest::mouseClick(Button(project, "btResultsView"), Qt::LeftButton);
    CollectUnnamed(&Frame(), unnamed);
    EXPECT_EQ(AccessibleName(project->findChild<QScrollBar*>(QStringLiteral("sbRotation"))), "Повернуть диаграмму:");
    THelpViewer help;
    CollectUnnamed(&help, unnamed);

    const QStringList list(unnamed.begin(), unnamed.end());
    EXPECT_TRUE(unnamed.empty()) << list.join(QLatin1Char('\n')).toStdString();
    Dialogs.YesNoAnswers = {false}; // the judging marks the project changed
    Click("btCloseProject");
}

// Every window as a reader walks it, each opened as the user meets it: no control
// without a name, no blank item, no table without column headers, each window with a
// window role and a name.
TEST_F(AppAccessibility, EveryWindowsTreeNamesItsControlsAndTheColumnsOfItsTables)
{
    std::vector<std::string> problems;
    const auto walk = [&problems](QWidget* window, const char* name) {
        for (const std::string& problem : AccessibleTreeProblems(window)) {
            problems.push_back(std::string(name) + ": " + problem);
        }
    };
    apptest::WhenModal<TCreateUserProject>([&](TCreateUserProject* dialog) {
        walk(dialog, "new project");
        dialog->reject();
    });
    Click("btNewProject");
    const QString copy = Path(QStringLiteral("warehouse.tsy"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/warehouse.tsy"), copy));
    TUserProject* project = OpenProject(copy);
    ASSERT_NE(project, nullptr);
    walk(&Frame(), "frame");

    // The element dialog, then the add-level dialog: the project is changed and says so.
    apptest::WhenModal<TfmElementEdit>([&](TfmElementEdit* dialog) {
        walk(dialog, "element");
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btOk")), Qt::LeftButton);
    });
    QTest::mouseClick(project->ElementBox(0, 1), Qt::LeftButton);
    QTest::mouseDClick(project->ElementBox(0, 1), Qt::LeftButton);
    apptest::WhenModal<TAddNewLevel>([&](TAddNewLevel* dialog) {
        walk(dialog, "add level");
        dialog->reject();
    });
    project->findChild<QAction*>(QStringLiteral("mnAddLevel"))->trigger();
    auto* window = qobject_cast<QMdiSubWindow*>(project->parentWidget());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(project->isWindowModified());
    const std::string name = AccessibleName(window);
    EXPECT_TRUE(!name.empty() && name.back() == '*') << name;

    // The comparison window, its scale and the research window beside it.
    QTest::mouseClick(Button(project, "btExpertMode"), Qt::LeftButton);
    std::vector<std::string> scaleLines;
    apptest::WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        walk(form, "comparison");
        apptest::WhenModal<TfmExpertScale>([&](TfmExpertScale* scale) {
            walk(scale, "scale");
            QAccessibleInterface* list = QAccessible::queryAccessibleInterface(scale->lbExpertScale);
            for (int i = 0; list != nullptr && i < list->childCount(); ++i) {
                scaleLines.push_back(list->child(i)->text(QAccessible::Name).toStdString());
            }
            scale->reject();
        });
        QTest::keyClick(form, Qt::Key_Return);
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        auto* research = form->findChild<TfmAbsoluteMatrix*>();
        ASSERT_NE(research, nullptr);
        walk(research, "research");
        // Announced as a window by its title; its deviations a table named by the elements.
        QAccessibleInterface* researchFace = QAccessible::queryAccessibleInterface(research);
        EXPECT_EQ(researchFace->role(), QAccessible::Window);
        EXPECT_EQ(researchFace->text(QAccessible::Name), research->windowTitle());
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(research->DeviationTable);
        ASSERT_EQ(table->role(), QAccessible::Table);
        QAccessibleTableInterface* grid = table->tableInterface();
        ASSERT_NE(grid, nullptr);
        const std::uint32_t n = form->Order();
        ASSERT_EQ(grid->rowCount(), static_cast<int>(n));
        ASSERT_EQ(grid->columnCount(), static_cast<int>(n) + 1);
        QAccessibleInterface* cell = grid->cellAt(1, 0);
        ASSERT_TRUE(cell != nullptr && cell->tableCellInterface() != nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name), research->DeviationCells[1][0]->text());
        EXPECT_EQ(cell->tableCellInterface()->rowHeaderCells().front()->text(QAccessible::Name),
            research->RowHeaders[1]->text());
        EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells().front()->text(QAccessible::Name),
            research->RowHeaders[0]->text());
        EXPECT_EQ(grid->cellAt(2, static_cast<int>(n))->text(QAccessible::Name), research->RowSums[2]->text());
        EXPECT_EQ(grid->columnDescription(static_cast<int>(n)), QStringLiteral("Сумма"));
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    QTest::mouseClick(project->ElementBox(0, 0), Qt::LeftButton);
    QTest::mouseDClick(project->ElementBox(0, 0), Qt::LeftButton);
    ASSERT_EQ(scaleLines.size(), 19U);
    for (const auto& [line, read] : {std::pair{1, "8"}, {3, "6"}, {5, "4"}, {7, "2"}, {11, "2"}, {17, "8"}}) {
        EXPECT_NE(scaleLines[static_cast<std::size_t>(line)].find(read), std::string::npos) << line;
    }

    // The level priorities, the results view and the sensitivity window.
    apptest::WhenModal<TfmCurrentPriorityLevel>([&](TfmCurrentPriorityLevel* levels) {
        walk(levels, "level priorities");
        levels->btClose->click();
    });
    project->SetCurrent(0, 2);
    project->findChild<QAction*>(QStringLiteral("mnCurrentPriority"))->trigger();
    QTest::mouseClick(Button(project, "btResultsView"), Qt::LeftButton);
    walk(&Frame(), "results");
    apptest::WhenModal<TfmSensitivity>([&](TfmSensitivity* sensitivity) {
        walk(sensitivity, "sensitivity");
        sensitivity->btClose->click();
    });
    Action("mnSensitivityAnalysis")->trigger();

    // The walk itself finds what it looks for: a nameless button and a table without
    // column headers.
    QDialog faulty;
    faulty.setWindowTitle(QStringLiteral("Проба"));
    auto* nameless = new QPushButton(&faulty);
    nameless->setGeometry(0, 0, 40, 20);
    auto* headless = new QTableWidget(2, 2, &faulty);
    headless->setAccessibleName(QStringLiteral("Таблица"));
    headless->setGeometry(0, 30, 200, 100);
    headless->horizontalHeader()->hide();
    faulty.show();
    const std::vector<std::string> found = AccessibleTreeProblems(&faulty);
    EXPECT_EQ(found.size(), 3U); // the button, and the table's two columns
    faulty.close();

    std::string all;
    for (const std::string& problem : problems) {
        all += problem + "\n";
    }
    EXPECT_TRUE(problems.empty()) << all;
    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
}

// The group's windows as a reader walks them: the expert files dialog, the members
// dialog with two members, and the group window with each of its tabs in front (the
// ideal ranking and a pair's judgements shown too).
TEST_F(AppAccessibility, GroupWindowsTreesNameTheirControlsAndTheColumnsOfTheirTables)
{
    std::vector<std::string> problems;
    const auto walk = [&problems](QWidget* window, const std::string& name) {
        for (const std::string& problem : AccessibleTreeProblems(window)) {
            problems.push_back(name + ": " + problem);
        }
    };
    const QString anna = Path(QStringLiteral("Анна.tsy"));
    const QString boris = Path(QStringLiteral("Борис.tsy"));
    for (const QString& file : {anna, boris}) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/warehouse.tsy"), file));
    }
    ASSERT_NE(OpenProject(anna), nullptr);
    apptest::WhenModal<TfmExpertFiles>([&](TfmExpertFiles* dialog) {
        walk(dialog, "expert files");
        dialog->reject();
    });
    Action("mnPrepareExpertFiles")->trigger();
    apptest::WhenModal<TfmGroupMembers>([&](TfmGroupMembers* dialog) {
        Dialogs.FileAnswers = {anna, boris};
        QTest::mouseClick(dialog->btAddMembers, Qt::LeftButton);
        QTest::mouseClick(dialog->btAddMembers, Qt::LeftButton);
        walk(dialog, "members");
        QTest::mouseClick(dialog->btOk, Qt::LeftButton);
    });
    Action("mnGroupDecision")->trigger();
    TfmGroupDecision* group = Frame().ActiveGroup();
    ASSERT_NE(group, nullptr);
    group->SetSynthesisMode(ESynthesisMode::Ideal);
    group->twElements->setCurrentIndex(group->twElements->model()->index(0, 1));
    group->twAggregated->setCurrentIndex(group->twAggregated->model()->index(0, 2));
    for (int tab = 0; tab < group->tcGroup->count(); ++tab) {
        group->tcGroup->setCurrentIndex(tab);
        walk(group->parentWidget(), "group " + group->tcGroup->tabText(tab).toStdString());
    }
    std::string all;
    for (const std::string& problem : problems) {
        all += problem + "\n";
    }
    EXPECT_TRUE(problems.empty()) << all;
}

TEST_F(AppAccessibility, IconButtonsAreNamedByTheirHintsAndCellsByWhatTheyShow)
{
    TUserProject* project = NewProject();
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(AccessibleName(Control("btNewProject")), "Создать новый проект");
    EXPECT_EQ(AccessibleName(Button(project, "btExpertMode")), "Режим работы эксперта");
    for (QToolButton* button : project->findChildren<QToolButton*>()) {
        EXPECT_EQ(AccessibleName(button), button->toolTip().toStdString()) << button->objectName().toStdString();
    }
    for (const auto& [name, hint] :
        {std::pair{"btPreviouseData", "Предыдущий уровень"}, std::pair{"btNextData", "Следующий уровень"}}) {
        QToolButton* arrow = Button(LevelPrioritiesWindow(), name);
        EXPECT_EQ(AccessibleName(arrow), hint);
        EXPECT_EQ(arrow->toolTip().toStdString(), hint);
    }

    // A renamed element's box is announced by its new name.
    apptest::WhenModal<TfmElementEdit>([](TfmElementEdit* dialog) {
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("edElementEdit"));
        field->clear();
        TypeText(field, QStringLiteral("СКЛАД"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btOk")), Qt::LeftButton);
    });
    QTest::mouseClick(project->ElementBox(1, 1), Qt::LeftButton);
    QTest::mouseDClick(project->ElementBox(1, 1), Qt::LeftButton);
    EXPECT_EQ(AccessibleName(project->ElementBox(1, 1)), "СКЛАД");

    // Typed judgements 9, 1 and 9 (far from consistent) and their mirrors: each cell names
    // its pair and its number; an offered change's button names the change it accepts.
    const std::string first = project->Model().Element(0, 1).Name;
    const std::string third = project->Model().Element(2, 1).Name;
    QTest::mouseClick(Button(project, "btExpertMode"), Qt::LeftButton);
    std::vector<std::string> cells;
    apptest::WhenModal<TfmExpertForm>([&cells](TfmExpertForm* form) {
        EXPECT_TRUE(WaitUntilActive(form));
        for (const char key : {'9', '1', '9'}) {
            QTest::keyClick(QApplication::focusWidget(), key);
        }
        for (const char* name : {"Cell_0_1", "Cell_1_0", "Cell_1_2", "Cell_1_1"}) {
            cells.push_back(AccessibleName(form->findChild<QLabel*>(QString::fromLatin1(name))));
        }
        QTest::mouseClick(form->btApply, Qt::LeftButton);
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        auto* accept = form->findChild<QPushButton*>(QStringLiteral("btAcceptSuggestion_0"));
        const QString change = form->findChild<QLabel*>(QStringLiteral("lbSuggestion_0"))->toolTip();
        EXPECT_TRUE(accept->isVisibleTo(accept->window()));
        EXPECT_EQ(AccessibleName(accept), "Принять: " + change.toStdString());
        QTest::mouseClick(accept, Qt::LeftButton);
        // Acceptable now: nothing more to accept, and the change accepted is said in words.
        EXPECT_FALSE(accept->isVisibleTo(accept->window()));
        auto* accepted = form->findChild<QLabel*>(QStringLiteral("lbAccepted"));
        EXPECT_TRUE(accepted->isVisibleTo(accepted->window()));
        EXPECT_EQ(AccessibleName(accepted), "Принято: 1 и 2: 9 → 1/9");
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    QTest::mouseClick(project->ElementBox(0, 0), Qt::LeftButton);
    QTest::mouseDClick(project->ElementBox(0, 0), Qt::LeftButton);
    EXPECT_EQ(cells,
        (std::vector<std::string>{
            first + " / СКЛАД: 9", "СКЛАД / " + first + ": 1/9", "СКЛАД / " + third + ": 9", "СКЛАД / СКЛАД: 1"}));
    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
}

namespace {
// The warnings Qt prints while the test runs.
QStringList& Warnings()
{
    static QStringList warnings;
    return warnings;
}

void KeepWarning(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
{
    if (type == QtWarningMsg && message.contains(QStringLiteral("Accessible"))) {
        Warnings().append(message);
    }
}

// What a reader reads of an item: its text for readers where it has one, else what it shows.
std::string ReadText(const QModelIndex& index)
{
    const QString spoken = index.data(Qt::AccessibleTextRole).toString();
    return (spoken.isEmpty() ? index.data().toString() : spoken).toStdString();
}

// What a screen reader reads of every list and table under root: each child the view
// announces, found again at its own place, each cell with the text the view shows there,
// and, for a table, every cell by its row and column.
void WalkItemViews(QWidget* root, const std::string& when)
{
    for (QAbstractItemView* view : root->findChildren<QAbstractItemView*>()) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(view);
        ASSERT_NE(face, nullptr);
        const QAbstractItemModel* model = view->model();
        // A combo box's list has no name of its own: the combo box names it.
        const QWidget* named = view;
        while (named->objectName().isEmpty() && named->parentWidget() != nullptr) {
            named = named->parentWidget();
        }
        const std::string where = when + ": " + named->objectName().toStdString() + " ";
        for (int i = 0; i < face->childCount(); ++i) {
            QAccessibleInterface* child = face->child(i);
            ASSERT_NE(child, nullptr) << where << i;
            EXPECT_EQ(face->indexOfChild(child), i) << where << i << " of " << face->childCount();
            const QAccessibleTableCellInterface* cell = child->tableCellInterface();
            if (cell != nullptr && (child->role() == QAccessible::Cell || child->role() == QAccessible::ListItem)) {
                const QModelIndex index = model->index(cell->rowIndex(), cell->columnIndex(), view->rootIndex());
                EXPECT_TRUE(index.isValid()) << where << i;
                EXPECT_EQ(child->text(QAccessible::Name).toStdString(), ReadText(index)) << where << i;
            }
        }
        QAccessibleTableInterface* table = face->tableInterface();
        if (table != nullptr && face->role() == QAccessible::Table) {
            EXPECT_EQ(table->rowCount(), model->rowCount(view->rootIndex())) << where;
            for (int r = 0; r < table->rowCount(); ++r) {
                for (int c = 0; c < table->columnCount(); ++c) {
                    QAccessibleInterface* at = table->cellAt(r, c);
                    ASSERT_NE(at, nullptr) << where << r << " " << c;
                    EXPECT_EQ(
                        at->text(QAccessible::Name).toStdString(), ReadText(model->index(r, c, view->rootIndex())))
                        << where << r << " " << c;
                }
            }
        }
    }
}
} // namespace

// The offscreen platform has no accessibility bridge, so accessibility stays off here, as
// in a session before a screen reader starts or after one stopped: the lists and tables
// are refilled with nobody told. A reader that starts then walks them, and each must
// answer for exactly the children and cells it has, with no warning on the way.
TEST_F(AppAccessibility, ListsAndTablesAnswerForTheChildrenTheyHave)
{
    const QString copy = Path(QStringLiteral("warehouse.tsy"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/warehouse.tsy"), copy));
    TUserProject* project = OpenProject(copy);
    ASSERT_NE(project, nullptr);
    Warnings().clear();
    const QtMessageHandler previous = qInstallMessageHandler(KeepWarning);
    WalkItemViews(&Frame(), "frame");
    int refills = 0;
    apptest::WhenModal<TfmSensitivity>([&](TfmSensitivity* window) {
        WalkItemViews(window, "opened");
        // Both middle levels, each element of each: the crossings table takes 0, 1 or 2
        // rows, and the element list is filled anew for each level.
        for (int level = window->cbLevel->count() - 1; level >= 0; --level) {
            window->cbLevel->setCurrentIndex(level);
            WalkItemViews(window, "level " + std::to_string(level + 1));
            for (int element = 0; element < window->cbElement->count(); ++element) {
                const int rows = window->tbCrossings->rowCount();
                window->cbElement->setCurrentIndex(element);
                refills += window->tbCrossings->rowCount() != rows ? 1 : 0;
                window->tbCrossings->setFocus();
                QTest::keyClick(window->tbCrossings, Qt::Key_Down);
                WalkItemViews(window, "level " + std::to_string(level + 1) + " element " + std::to_string(element));
            }
        }
        window->tbViews->setCurrentIndex(1);
        WalkItemViews(window, "dynamic view");
        window->btClose->click();
    });
    Action("mnSensitivityAnalysis")->trigger();
    EXPECT_GE(refills, 3); // the table did grow and shrink
    // The scale window's list, opened on a cell of the goal's matrix.
    QTest::mouseClick(project->findChild<QToolButton*>(QStringLiteral("btExpertMode")), Qt::LeftButton);
    apptest::WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        apptest::WhenModal<TfmExpertScale>([&](TfmExpertScale* scale) {
            WalkItemViews(scale, "scale");
            QTest::keyClick(scale->lbExpertScale, Qt::Key_Down);
            WalkItemViews(scale, "scale moved");
            scale->reject();
        });
        QTest::keyClick(form->focusWidget(), Qt::Key_Return);
        QTest::mouseClick(form->btCancel, Qt::LeftButton);
    });
    QTest::mouseClick(project->ElementBox(0, 0), Qt::LeftButton);
    QTest::mouseDClick(project->ElementBox(0, 0), Qt::LeftButton);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(Warnings().isEmpty()) << Warnings().join(QLatin1Char('\n')).toStdString();
    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
}
