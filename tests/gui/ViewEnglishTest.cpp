// The project windows, their small dialogs and the judging and rating windows under the
// English translation:
// no caption, tooltip, menu item, header or screen reader's text of theirs is left in
// Russian, so none bypasses the translation; a heading that reads as one sentence over
// several labels splits where the translation breaks it; the count of further import
// errors takes the English plural.
#include "CScriptedUserDialogs.h"
#include "GuiTestHelpers.h"
#include "support/UpperJudgements.h"

#include "gui/judgement/TfmExpertForm.h"
#include "gui/judgement/TfmExpertScale.h"
#include "gui/judgement/TfmRatingScales.h"
#include "gui/judgement/TfmRatings.h"
#include "gui/results/CRatingResultsView.h"
#include "gui/results/CResultsView.h"
#include "gui/view/CHierarchyElementBox.h"
#include "gui/view/TTreeProject.h"
#include "gui/view/TUserProject.h"
#include "gui/widgets/InterfaceLanguage.h"
#include "gui/widgets/TAddNewLevel.h"
#include "gui/widgets/TCreateUserProject.h"
#include "gui/widgets/TfmElementEdit.h"
#include "gui/widgets/WidgetStyle.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFile>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

bool Russian(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() < 0x530; });
}

// What an item view shows and says: its column titles, and of every item (the rows of a
// tree too) what it shows, its tooltip and what a reader says; views whose items show
// the core's texts (the verbal scale, the outline's consistency marks) give only the
// reader's.
void ItemTexts(const QAbstractItemView& view, QStringList& texts, bool readerOnly)
{
    const QAbstractItemModel* model = view.model();
    if (model == nullptr) {
        return;
    }
    for (int column = 0; column < model->columnCount(); ++column) {
        texts << model->headerData(column, Qt::Horizontal).toString();
    }
    std::vector<QModelIndex> parents{QModelIndex()};
    while (!parents.empty()) {
        const QModelIndex parent = parents.back();
        parents.pop_back();
        for (int row = 0; row < model->rowCount(parent); ++row) {
            for (int column = 0; column < model->columnCount(parent); ++column) {
                const QModelIndex index = model->index(row, column, parent);
                texts << index.data(Qt::AccessibleTextRole).toString();
                if (!readerOnly) {
                    texts << index.data(Qt::DisplayRole).toString() << index.data(Qt::ToolTipRole).toString();
                }
            }
            parents.push_back(model->index(row, 0, parent));
        }
    }
}

// Every text of window and its parts that is left in Russian, a line each after the
// name of the object showing it. Not looked into: the element boxes (the elements' names) and
// the results views (another part's windows, of which only the name a reader hears is
// this part's); skipped by name, the objects whose text is the core's own.
std::string RussianTexts(QWidget& window, const QStringList& coreTexts = {})
{
    QList<QObject*> objects = window.findChildren<QObject*>();
    objects.prepend(&window);
    QStringList found;
    for (QObject* object : objects) {
        bool inside = false;
        for (QObject* above = object->parent(); above != nullptr && !inside; above = above->parent()) {
            inside = qobject_cast<CResultsView*>(above) != nullptr
                || qobject_cast<CRatingResultsView*>(above) != nullptr
                || qobject_cast<CHierarchyElementBox*>(above) != nullptr;
        }
        if (inside || qobject_cast<CHierarchyElementBox*>(object) != nullptr
            || coreTexts.contains(object->objectName())) {
            continue;
        }
        QStringList texts;
        if (auto* widget = qobject_cast<QWidget*>(object)) {
            texts << widget->accessibleName();
            const bool results = qobject_cast<CResultsView*>(widget) != nullptr
                || qobject_cast<CRatingResultsView*>(widget) != nullptr;
            if (!results) {
                texts << widget->windowTitle() << widget->toolTip() << widget->statusTip()
                      << widget->accessibleDescription();
                for (const char* property : {"text", "title", "placeholderText"}) {
                    texts << widget->property(property).toString();
                }
            }
            // A header shows its view's model, looked into with the view.
            auto* view = qobject_cast<QAbstractItemView*>(widget);
            if (view != nullptr && !results && qobject_cast<QHeaderView*>(view) == nullptr) {
                const bool coreItems
                    = view->objectName() == QLatin1String("trOutline") || qobject_cast<QListWidget*>(view) != nullptr;
                ItemTexts(*view, texts, coreItems);
            }
        } else if (auto* action = qobject_cast<QAction*>(object)) {
            texts << action->text() << action->toolTip() << action->statusTip();
        }
        for (const QString& text : texts) {
            if (Russian(text)) {
                found << QStringLiteral("%1 %2: %3")
                             .arg(QString::fromLatin1(object->metaObject()->className()), object->objectName(), text);
            }
        }
    }
    return found.join(QLatin1Char('\n')).toStdString();
}

// A rated tree of English names: the goal weighs Quality 2 : 1 against Price, both
// rated on one two-step scale; the second alternative has no rating on Price.
CHierarchy EnglishRatedTree()
{
    std::vector<CHierarchyNode> nodes(3);
    nodes[0] = {"Choice", "", {1, 2}, Upper(2, {2})};
    nodes[1] = {"Quality", "", {}, {}, 0, {0, 1}};
    nodes[2] = {"Price", "", {}, {}, 0, {1, -1}};
    std::vector<CAlternative> alternatives{{"Alpha", ""}, {"Beta", ""}};
    std::vector<CRatingScale> scales{MakeRatingScale("gb", "Good or bad", {"Good", "Bad"}, {5})};
    return *CHierarchy::MakeRated(std::move(nodes), std::move(alternatives), std::move(scales));
}

class ViewEnglish : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(InstallTessalyTranslation(ELanguage::English));
        SetUserDialogs(&Dialogs);
    }
    void TearDown() override
    {
        SetUserDialogs(nullptr);
        InstallTessalyTranslation(ELanguage::Russian);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(LeakedTopLevelWidgets().empty());
    }

    CScriptedUserDialogs Dialogs;
};

QString LabelText(const QWidget& window, const char* name)
{
    const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    return label == nullptr ? QStringLiteral("<none>") : label->text();
}
} // namespace

TEST(HeadingLines, SplitAtTheTranslationsBreaksWithoutTheFieldsArguments)
{
    struct CCase {
        const char* Heading;
        qsizetype Count;
        QStringList Lines;
    };
    const CCase cases[] = {
        {"Производим попарные сравнения\nотносительно объекта %1", 2,
            {QStringLiteral("Производим попарные сравнения"), QStringLiteral("относительно объекта")}},
        {"Сравниваем объект  A %1\nс объектом  B %2\nОтносительно объекта верхнего уровня %3", 3,
            {QStringLiteral("Сравниваем объект  A"), QStringLiteral("с объектом  B"),
                QStringLiteral("Относительно объекта верхнего уровня")}},
        // A field named first, a line the translation did not break, one it broke twice.
        {"%1 に対して\n一対比較", 2, {QStringLiteral("に対して"), QStringLiteral("一対比較")}},
        {"Pairwise comparisons with respect to %1", 2,
            {QStringLiteral("Pairwise comparisons with respect to"), QString()}},
        {"Comparing\nin pairs\nagainst %1", 2, {QStringLiteral("Comparing"), QStringLiteral("in pairs against")}},
        {"A %1\nB %12\n", 3, {QStringLiteral("A"), QStringLiteral("B"), QString()}},
    };
    for (const CCase& c : cases) {
        EXPECT_EQ(HeadingLines(QString::fromUtf8(c.Heading), c.Count), c.Lines) << c.Heading;
    }
    EXPECT_TRUE(HeadingLines(QStringLiteral("A %1"), 0).isEmpty());
}

TEST_F(ViewEnglish, TheStructureDialogsAndTheJudgingWindowsShowNoRussian)
{
    TAddNewLevel level;
    EXPECT_EQ(RussianTexts(level), "");
    level.SetPlacementCaptions(true);
    EXPECT_EQ(RussianTexts(level), "");
    TCreateUserProject project;
    EXPECT_EQ(RussianTexts(project), "");
    TfmElementEdit element;
    EXPECT_EQ(RussianTexts(element), "");
    EXPECT_EQ(LabelText(element, "Label3"), QStringLiteral(" Editing the current element "));

    TfmExpertScale scale;
    // The scale's lines are the core's; what a reader hears of its empty and grey ones is not.
    EXPECT_EQ(RussianTexts(scale), "");
    EXPECT_EQ(LabelText(scale, "Label1"), QStringLiteral(" Comparing object A"));
    EXPECT_EQ(LabelText(scale, "Label2"), QStringLiteral("with object B"));
    EXPECT_EQ(LabelText(scale, "Label3"), QStringLiteral("With respect to the upper-level object"));

    // The measures' captions are the core's terms.
    TfmExpertForm form;
    EXPECT_EQ(RussianTexts(form, {QStringLiteral("lbOwnerValue"), QStringLiteral("lbIS"), QStringLiteral("lbOS")}), "");
    EXPECT_EQ(LabelText(form, "lbText_1"), QStringLiteral("Pairwise comparisons "));
    EXPECT_EQ(LabelText(form, "lbText_2"), QStringLiteral("with respect to "));
}

TEST_F(ViewEnglish, TheLayeredProjectWindowShowsNoRussian)
{
    TUserProject project(CProjectWindowServices{});
    project.BuildNewHierarchy(3, 3, QStringLiteral("GOAL"), QString());
    EXPECT_EQ(RussianTexts(project), "");
    EXPECT_EQ(project.findChild<QToolButton*>(QStringLiteral("btExpertMode"))->accessibleDescription(),
        QStringLiteral("Shortcut: Ctrl+2"));
}

TEST_F(ViewEnglish, ATreeItsRatingsAndItsScalesShowNoRussian)
{
    const auto project = std::make_unique<TTreeProject>([](CProjectDocument&, QWidget&) { return true; });
    project->BuildNewTree(QStringLiteral("Choice"));
    const CHierarchy& fresh = project->Document().Tree();
    EXPECT_EQ(fresh.Node(fresh.CoveringNodes().front()).Name, "Criterion 1");
    EXPECT_EQ(fresh.Alternatives()[1].Name, "Alternative 2");
    EXPECT_EQ(RussianTexts(*project), "");

    project->Document().BuildTree(EnglishRatedTree());
    project->ShowLoadedTree();
    project->show();
    EXPECT_EQ(RussianTexts(*project), "");
    EXPECT_TRUE(project->Alternatives()->topLevelItem(1)->text(1).endsWith(QStringLiteral(", not fully rated")));

    project->SelectNode(2);
    QTest::keyClick(project->Outline(), Qt::Key_Return);
    TfmRatings* ratings = project->RatingsWindow();
    ASSERT_NE(ratings, nullptr);
    EXPECT_EQ(RussianTexts(*ratings), "");
    TfmRatingScales scales(
        project->Document(), [](const std::string&, const std::string&) { return true; }, {}, project.get());
    EXPECT_EQ(RussianTexts(scales), "");
}

TEST_F(ViewEnglish, FurtherImportErrorsAreCountedInTheEnglishPlural)
{
    const auto project = std::make_unique<TTreeProject>([](CProjectDocument&, QWidget&) { return true; });
    project->Document().BuildTree(EnglishRatedTree());
    project->ShowLoadedTree();
    project->SelectNode(1);
    QTest::keyClick(project->Outline(), Qt::Key_Return);
    TfmRatings* ratings = project->RatingsWindow();
    ASSERT_NE(ratings, nullptr);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Each row names an alternative the project lacks: one problem a row, twenty listed.
    for (const auto& [rows, last] : {std::pair{21, "1 more error."}, std::pair{23, "3 more errors."}}) {
        QByteArray csv = QByteArrayLiteral("Alternative,Quality\n");
        for (int row = 0; row < rows; ++row) {
            csv += "Nobody " + QByteArray::number(row) + ",Good\n";
        }
        QFile file(folder.filePath(QStringLiteral("bad%1.csv").arg(rows)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(csv);
        file.close();
        Dialogs.Records.clear();
        Dialogs.FileAnswers = {file.fileName()};
        QTest::mouseClick(ratings->findChild<QPushButton*>(QStringLiteral("btImport")), Qt::LeftButton);
        ASSERT_EQ(Dialogs.Records.size(), 2U);
        EXPECT_EQ(Dialogs.Records[1].Text,
            QStringLiteral("The ratings were not imported: the file has errors, nothing was changed."));
        const QStringList lines = Dialogs.Records[1].Informative.split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 21);
        EXPECT_EQ(lines.back(), QString::fromLatin1(last));
    }
}
