// The project window's expert mode and results button reach the real judging and
// results windows: the comparison window for the pressed element, the level
// priorities window from the expert menu, and the results view over the canvas.
#include "CScriptedUserDialogs.h"
#include "GuiTestHelpers.h"
#include "support/ModelEdits.h"

#include "gui/judgement/TfmExpertForm.h"
#include "gui/judgement/TfmExpertScale.h"
#include "gui/results/CResultsView.h"
#include "gui/results/TfmAbsoluteMatrix.h"
#include "gui/results/TfmCurrentPriorityLevel.h"
#include "gui/view/CHierarchyElementBox.h"
#include "gui/view/TUserProject.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {
class ViewWiring : public ::testing::Test {
protected:
    void SetUp() override
    {
        Parts->ExpertForm.SetPartnerWindows(&Parts->ExpertScale, &Parts->AbsoluteMatrix);
        CProjectWindowServices services;
        services.ExpertForm = &Parts->ExpertForm;
        services.LevelPriorities = &Parts->LevelWindow;
        Project.SetServices(services);
        ShowWithOuterSize(Project, 1032, 724);
        Project.BuildNewHierarchy(3, 3, QStringLiteral("ЦЕЛЬ"), QString());
        QTest::mouseClick(Button("btExpertMode"), Qt::LeftButton);
    }
    void TearDown() override
    {
        Parts.reset();
        EXPECT_TRUE(LeakedTopLevelWidgets().empty());
    }

    QToolButton* Button(const char* name) { return Project.findChild<QToolButton*>(QString::fromLatin1(name)); }

    struct CParts {
        CScriptedUserDialogs Dialogs;
        TfmExpertForm ExpertForm;
        TfmExpertScale ExpertScale;
        TfmCurrentPriorityLevel LevelWindow;
        TfmAbsoluteMatrix AbsoluteMatrix;
        TUserProject Project;
    };
    std::unique_ptr<CParts> Parts = std::make_unique<CParts>();
    TUserProject& Project = Parts->Project;
};

QString LabelText(QWidget* window, const QString& name)
{
    auto* label = window->findChild<QLabel*>(name);
    return label == nullptr ? QStringLiteral("<none>") : label->text();
}
} // namespace

TEST_F(ViewWiring, ExpertDoubleClickOpensTheComparisonWindowForThePressedElement)
{
    SetCell(EditableModel(Project.Document()), 0, 1, 0, 1, 3);
    SetCell(EditableModel(Project.Document()), 0, 1, 1, 0, -3);
    SetName(EditableModel(Project.Document()), 1, 2, "ЗАВОД");
    QString objectName;
    QString firstRow;
    QString firstCell;
    WhenModalOpens([&](QWidget* modal) {
        objectName = LabelText(modal, QStringLiteral("stMainObjectName"));
        firstRow = LabelText(modal, QStringLiteral("RowNameLabel_1"));
        firstCell = LabelText(modal, QStringLiteral("Cell_0_1"));
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("btOk")), Qt::LeftButton);
    });
    QTest::mouseDClick(Project.ElementBox(0, 1), Qt::LeftButton);
    EXPECT_EQ(objectName, QStringLiteral("ЭЛЕМЕНТ_0"));
    EXPECT_EQ(firstRow, QStringLiteral("ЗАВОД"));
    EXPECT_EQ(firstCell, QStringLiteral("3"));
    EXPECT_TRUE(Project.Document().Modified());
    EXPECT_FALSE(Parts->ExpertForm.isVisible());
}

TEST_F(ViewWiring, TheExpertMenuOpensTheLevelPrioritiesOfThePressedLevel)
{
    CHierarchyElementBox* box = Project.ElementBox(1, 2);
    QTest::mouseClick(Project.windowHandle(), Qt::RightButton, {}, box->mapTo(&Project, box->rect().center()));
    QApplication::processEvents();
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    auto* item = menu->findChild<QAction*>(QStringLiteral("mnCurrentPriority"));
    ASSERT_NE(item, nullptr);
    menu->hide();
    QString level;
    QString value;
    WhenModalOpens([&](QWidget* modal) {
        level = LabelText(modal, QStringLiteral("lbLevelNum"));
        value = LabelText(modal, QStringLiteral("ValueCell_0"));
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("btClose")), Qt::LeftButton);
    });
    item->trigger();
    EXPECT_EQ(level, QStringLiteral("2"));
    // All judgements equal: each of the three alternatives weighs a third.
    EXPECT_EQ(value, QStringLiteral("0.3333"));
}

TEST_F(ViewWiring, TheResultsButtonShowsTheFreshRankingOverTheCanvas)
{
    // Criterion 0 weighs 3 times criterion 1; criterion 0 prefers alternative 2 to 0 by 5.
    CUserProjectModel& model = EditableModel(Project.Document());
    SetCell(model, 0, 0, 0, 1, 3);
    SetCell(model, 0, 0, 1, 0, -3);
    SetCell(model, 0, 1, 2, 0, 5);
    SetCell(model, 0, 1, 0, 2, -5);
    QTest::mouseClick(Button("btResultsView"), Qt::LeftButton);
    CResultsView* view = Project.ResultsPanel();
    ASSERT_TRUE(view->isVisible());
    EXPECT_FALSE(Project.ElementBox(0, 0)->isVisible());
    EXPECT_EQ(view->ResultNameLabels()[0]->text(), QStringLiteral("ЭЛЕМЕНТ_2"));
    // Independently: three criteria with goal rows (1, 3, 1), (1/3, 1, 1), (1, 1, 1);
    // under criterion 0 the alternatives' row products are 1/5, 1 and 5; the other
    // criteria are indifferent.
    const double c0 = std::cbrt(3.0);
    const double c1 = std::cbrt(1.0 / 3.0);
    const double w0 = c0 / (c0 + c1 + 1.0);
    const double g0 = std::cbrt(0.2);
    const double g2 = std::cbrt(5.0);
    const double top = w0 * g2 / (g0 + 1.0 + g2) + (1.0 - w0) / 3.0;
    EXPECT_EQ(view->ResultValueLabels()[0]->text().toDouble(), std::floor(top * 10000.0) / 10000.0);
    QTest::mouseClick(Button("btResultsView"), Qt::LeftButton);
    EXPECT_FALSE(view->isVisible());
    EXPECT_TRUE(Project.ElementBox(0, 0)->isVisible());
}
