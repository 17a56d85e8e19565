// A whole decision made through the accessibility tree alone, as a screen reader's user
// makes it: every control found by its role and name, pressed or chosen by its accessible
// action, every figure read as the reader reads it.
#include "AppTestSupport.h"
#include "support/ModelEdits.h"

#include "core/storage/ProjectFile.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/judgement/TfmExpertScale.h"
#include "gui/results/CResultsView.h"

#include <QAccessible>
#include <QListWidget>

#include <cmath>

using apptest::CAppTest;
using apptest::WhenModal;

namespace {

QString Shown(double x)
{
    return QString::number(std::floor(x * 1e4 + 1e-9) / 1e4, 'g', 15);
}

// Every name the reader finds under a window, in the order it reads them.
void Names(QAccessibleInterface* face, QStringList& names)
{
    for (int i = 0; face != nullptr && i < face->childCount(); ++i) {
        QAccessibleInterface* child = face->child(i);
        if (child != nullptr && !child->state().invisible) {
            names << child->text(QAccessible::Name);
            Names(child, names);
        }
    }
}

// The first control shown under a window with that role and name.
QAccessibleInterface* Find(QAccessibleInterface* face, QAccessible::Role role, const QString& name)
{
    for (int i = 0; face != nullptr && i < face->childCount(); ++i) {
        QAccessibleInterface* child = face->child(i);
        if (child == nullptr || child->state().invisible) {
            continue;
        }
        if (child->role() == role && child->text(QAccessible::Name) == name) {
            return child;
        }
        if (QAccessibleInterface* found = Find(child, role, name)) {
            return found;
        }
    }
    return nullptr;
}

// Its action done, as a reader does it; a control not found or without it fails.
void Act(QWidget* window, QAccessible::Role role, const QString& name, const QString& action)
{
    QAccessibleInterface* control = Find(QAccessible::queryAccessibleInterface(window), role, name);
    ASSERT_NE(control, nullptr) << name.toStdString();
    QAccessibleActionInterface* actions = control->actionInterface();
    ASSERT_TRUE(actions != nullptr && actions->actionNames().contains(action)) << name.toStdString();
    actions->doAction(action);
    // A push button's press is a click a moment later, as a mouse's would show.
    QTest::qWait(150);
}

void Press(QWidget* window, QAccessible::Role role, const QString& name)
{
    Act(window, role, name, QAccessibleActionInterface::pressAction());
}

// One pair judged: the element's box pressed, its pair's cell pressed, the scale's line
// chosen, "Да"; the judgements applied, the priorities read beside the row names, the
// window closed.
QStringList JudgeOnePair(
    QWidget* project, const QString& element, const QString& cell, const QString& line, const QStringList& rows)
{
    QStringList read;
    WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        WhenModal<TfmExpertScale>([&](TfmExpertScale* scale) {
            Act(scale, QAccessible::ListItem, line, QAccessibleActionInterface::toggleAction());
            Press(scale, QAccessible::Button, QStringLiteral("Да"));
        });
        Press(form, QAccessible::Cell, cell);
        Press(form, QAccessible::Button, QStringLiteral("Применить"));
        QStringList names;
        Names(QAccessible::queryAccessibleInterface(form), names);
        for (const QString& row : rows) {
            const auto at = names.indexOf(row, names.indexOf(QStringLiteral("Приоритет")));
            read << (at >= 0 && at + 1 < names.size() ? names[at + 1] : QStringLiteral("<none>"));
        }
        Press(form, QAccessible::Button, QStringLiteral("Закрыть"));
    });
    Press(project, QAccessible::Button, element);
    return read;
}

class AppAccessibleDecision : public CAppTest { };

} // namespace

TEST_F(AppAccessibleDecision, AWholeDecisionThroughTheAccessibilityTreeAlone)
{
    const QString file = Path(QStringLiteral("выбор.tsy"));
    {
        CUserProjectModel project;
        ASSERT_TRUE(BuildWithCounts(project, {1, 2, 2}));
        SetName(project, 0, 0, "ВЫБОР");
        SetName(project, 0, 1, "А");
        SetName(project, 1, 1, "Б");
        SetName(project, 0, 2, "X");
        SetName(project, 1, 2, "Y");
        ASSERT_EQ(SaveProjectFile(project, file.toStdString(), false), EWriteResult::Ok);
    }
    Dialogs.FileAnswers = {file};
    Press(&Frame(), QAccessible::Button, QStringLiteral("Открыть проект"));
    TUserProject* project = Frame().ActiveProject();
    ASSERT_NE(project, nullptr);
    Act(project, QAccessible::CheckBox, QStringLiteral("Режим работы эксперта"),
        QAccessibleActionInterface::toggleAction());

    // The goal: А over Б by 3; under А, X over Y by 5; under Б, Y over X by 7.
    const QStringList criteria{QStringLiteral("А"), QStringLiteral("Б")};
    const QStringList alternatives{QStringLiteral("X"), QStringLiteral("Y")};
    const QStringList goal = JudgeOnePair(project, QStringLiteral("ВЫБОР"), QStringLiteral("А / Б: 1"),
        QStringLiteral("A незначительно важнее B"), criteria);
    const QStringList first = JudgeOnePair(project, QStringLiteral("А"), QStringLiteral("X / Y: 1"),
        QStringLiteral("A значительно важнее B"), alternatives);
    const QStringList second = JudgeOnePair(
        project, QStringLiteral("Б"), QStringLiteral("X / Y: 1"), QStringLiteral("B явно важнее A"), alternatives);
    // Computed here: a pair judged a to 1 gives the shares a / (1 + a) and 1 / (1 + a).
    const double wA = 3.0 / 4.0;
    EXPECT_EQ(goal, (QStringList{Shown(wA), Shown(1.0 - wA)}));
    EXPECT_EQ(first, (QStringList{Shown(5.0 / 6.0), Shown(1.0 / 6.0)}));
    EXPECT_EQ(second, (QStringList{Shown(1.0 / 8.0), Shown(7.0 / 8.0)}));

    // The results shown by the results button's accessible toggle, and the ranking read
    // from the results view, name then value.
    Act(project, QAccessible::CheckBox, QStringLiteral("Показать результат"),
        QAccessibleActionInterface::toggleAction());
    QTRY_VERIFY(project->ResultsPanel()->isVisible());
    QStringList names;
    Names(QAccessible::queryAccessibleInterface(project->ResultsPanel()), names);
    const double x = wA * 5.0 / 6.0 + (1.0 - wA) / 8.0;
    for (const auto& [alternative, value] :
        {std::pair{QStringLiteral("X"), x}, std::pair{QStringLiteral("Y"), 1.0 - x}}) {
        const auto at = names.indexOf(alternative);
        ASSERT_GE(at, 0) << names.join(u'|').toStdString();
        ASSERT_LT(at + 1, names.size());
        EXPECT_EQ(names[at + 1], Shown(value)) << names.join(u'|').toStdString();
    }
    EXPECT_EQ(project->Model().Goal().Judgements(0, 1).Code(), 3);
    Dialogs.YesNoAnswers = {false};
    Press(&Frame(), QAccessible::Button, QStringLiteral("Закрыть проект"));
}
