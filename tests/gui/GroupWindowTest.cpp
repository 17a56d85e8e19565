#include "AppTestSupport.h"
#include "support/ModelEdits.h"

#include "core/group/ExpertFiles.h"
#include "core/group/GroupReading.h"
#include "core/model/CHierarchy.h"
#include "core/model/TLoadSaveProject.h"
#include "core/storage/GroupFile.h"
#include "core/storage/ProjectFile.h"
#include "core/storage/TreeFile.h"
#include "gui/group/CGroupLifecycle.h"
#include "gui/group/GroupOpening.h"
#include "gui/group/TfmExpertFiles.h"
#include "gui/group/TfmGroupDecision.h"
#include "gui/group/TfmGroupMembers.h"
#include "gui/results/TfmSensitivity.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

#include <cmath>
#include <span>

// The facilitator's way through a group decision in the frame: expert files prepared
// from the open project, judged, combined in the members dialog, shown in the group
// window, a weight changed, the group saved and opened again; members the group
// refuses or cannot read. Every figure is checked against the two experts
// (goal judgements (3, 5, 2) and (1/2, 4, 6)) or computed here the long way.

using apptest::CAppTest;
using apptest::WhenModal;

namespace {
using CVector = std::vector<double>;
using CSquare = std::vector<CVector>;

// The figures for the goal.
const CVector GroupGoal{0.492647, 0.395243, 0.112111};
const CVector AnnaGoal{0.648329, 0.229651, 0.122020};
const CVector BorisGoal{0.323386, 0.587631, 0.088983};
constexpr double GoalConsensus = 0.828823;
// Both experts judge the criteria alike: А prefers X five times, Б prefers Y five times,
// В finds them equal. Their shares of X and Y under each criterion:
const CSquare Local{{5.0 / 6.0, 1.0 / 6.0}, {1.0 / 6.0, 5.0 / 6.0}, {0.5, 0.5}};

// What every screen shows: truncated to 4 decimals, in the general format (no trailing zeros).
QString Shown(double x)
{
    return QString::number(std::floor(x * 1e4 + 1e-9) / 1e4, 'g', 15);
}

CVector Final(const CVector& criteria)
{
    CVector f(2, 0.0);
    for (std::size_t c = 0; c < 3; ++c) {
        for (std::size_t a = 0; a < 2; ++a) {
            f[a] += criteria[c] * Local[c][a];
        }
    }
    return f;
}

CVector RowGeometricMeans(const CSquare& a)
{
    CVector w;
    double sum = 0.0;
    for (const CVector& row : a) {
        double logs = 0.0;
        for (const double x : row) {
            logs += std::log(x);
        }
        w.push_back(std::exp(logs / static_cast<double>(row.size())));
        sum += w.back();
    }
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

// The entropy-based S* of two experts' vectors of order 2 with equal weights (M = 9).
double SStarOfTwo(const CVector& a, const CVector& b)
{
    const auto entropy = [](const CVector& p) { return -(p[0] * std::log(p[0]) + p[1] * std::log(p[1])); };
    const double hAlpha = (entropy(a) + entropy(b)) / 2.0;
    const double hGamma = entropy({(a[0] + b[0]) / 2.0, (a[1] + b[1]) / 2.0});
    const double hMin = -(0.9 * std::log(0.9)) - 0.1 * std::log(0.1);
    const double cor = 2.0 / std::exp(hMin);
    return (std::exp(-(hGamma - hAlpha)) - 1.0 / cor) / (1.0 - 1.0 / cor);
}

// A project with the structure: ВЫБОР over А, Б, В, each over X and Y.
std::unique_ptr<CUserProjectModel> Criteria()
{
    auto project = std::make_unique<CUserProjectModel>();
    EXPECT_TRUE(BuildWithCounts(*project, {1, 3, 2}));
    const char* names[] = {"А", "Б", "В"};
    SetName(*project, 0, 0, "ВЫБОР");
    for (std::uint32_t c = 0; c < 3; ++c) {
        SetName(*project, c, 1, names[c]);
    }
    SetName(*project, 0, 2, "X");
    SetName(*project, 1, 2, "Y");
    return project;
}

void SetUpper(CUserProjectModel& project, std::uint32_t position, std::uint32_t level, std::uint32_t n,
    const std::vector<int>& upper)
{
    CJudgementMatrix matrix = project.Element(position, level).Judgements;
    std::size_t next = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j) {
            matrix(i, j) = CJudgement::FromCode(upper.at(next++));
            matrix(j, i) = matrix(i, j).Mirror();
        }
    }
    project.SetJudgements(position, level, matrix);
}

// An expert's file as he sends it back: read, judged (the goal as given, the criteria as
// everyone judges them) and saved.
void Judge(const QString& file, const std::vector<int>& goalUpper)
{
    const auto record = std::make_unique<TLoadSaveProject>();
    ASSERT_TRUE(ReadProjectFile(*record, file.toStdString()).Succeeded());
    CUserProjectModel project;
    ASSERT_TRUE(project.BuildLoadedHierarchy(*record));
    SetUpper(project, 0, 0, 3, goalUpper);
    SetUpper(project, 0, 1, 2, {5});
    SetUpper(project, 1, 1, 2, {-5});
    SetUpper(project, 2, 1, 2, {1});
    ASSERT_EQ(SaveProjectFile(project, file.toStdString(), false), EWriteResult::Ok);
}

void WriteJudged(const QString& file, const std::vector<int>& goalUpper)
{
    ASSERT_EQ(SaveProjectFile(*Criteria(), file.toStdString(), false), EWriteResult::Ok);
    Judge(file, goalUpper);
}

QString Cell(const QTableView* table, int row, int column)
{
    return table->model()->index(row, column).data().toString();
}

int Rows(const QTableView* table)
{
    return table->model()->rowCount();
}

void Select(QTableView* table, int row)
{
    table->setCurrentIndex(table->model()->index(row, 1));
}

// A weight typed into an expert's "Вес" cell as a user does: F2, the text, Enter.
void TypeWeight(TfmGroupDecision* window, int expert, const QString& text)
{
    QTableView* table = window->twExperts;
    window->tcGroup->setCurrentIndex(2);
    table->setFocus();
    table->setCurrentIndex(table->model()->index(expert, TfmGroupDecision::ExpertWeightColumn));
    QTest::keyClick(table, Qt::Key_F2);
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    editor->insert(text); // typed over the selection (keyClicks knows no Cyrillic)
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();                                   // the delegate commits the text queued
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // and its editor goes
}

QString Cell(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item != nullptr ? item->text() : QStringLiteral("<none>");
}

class GroupWindow : public CAppTest {
protected:
    void Trigger(const char* action) { Action(action)->trigger(); }

    // The members dialog: files added one by one through the file choice, then OK.
    void WhenMembersChosen(const QStringList& files)
    {
        WhenModal<TfmGroupMembers>([this, files](TfmGroupMembers* dialog) {
            for (const QString& file : files) {
                Dialogs.FileAnswers.push_back(file);
                QTest::mouseClick(dialog->btAddMembers, Qt::LeftButton);
            }
            QTest::mouseClick(dialog->btOk, Qt::LeftButton);
        });
    }

    [[nodiscard]] std::size_t Informed() const
    {
        std::size_t count = 0;
        for (const auto& record : Dialogs.Records) {
            count += record.Kind == CScriptedUserDialogs::EKind::Inform ? 1 : 0;
        }
        return count;
    }

    static void CloseGroup(TfmGroupDecision* window)
    {
        auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        ASSERT_NE(frame, nullptr);
        frame->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
} // namespace

TEST_F(GroupWindow, PreparedJudgedCombinedReweightedSavedAndReopened)
{
    const QString facilitator = Path(QStringLiteral("выбор.tsy"));
    ASSERT_EQ(SaveProjectFile(*Criteria(), facilitator.toStdString(), false), EWriteResult::Ok);
    ASSERT_NE(OpenProject(facilitator), nullptr);

    // Prepared: a name typed twice is refused as it is typed; two files written.
    const QString folder = Path(QStringLiteral("эксперты"));
    ASSERT_TRUE(QDir().mkpath(folder));
    WhenModal<TfmExpertFiles>([folder](TfmExpertFiles* dialog) {
        dialog->edFolder->setText(folder);
        dialog->edExpertNames->setPlainText(QStringLiteral("Анна\nанна"));
        EXPECT_FALSE(dialog->btOk->isEnabled());
        EXPECT_TRUE(dialog->lbNamesProblem->isVisibleTo(dialog));
        EXPECT_TRUE(dialog->lbNamesProblem->text().startsWith(QStringLiteral("Строка 2: ")))
            << dialog->lbNamesProblem->text().toStdString();
        dialog->edExpertNames->setPlainText(QStringLiteral("Анна\nБорис"));
        EXPECT_TRUE(dialog->btOk->isEnabled());
        EXPECT_FALSE(dialog->lbNamesProblem->isVisibleTo(dialog));
        QTest::mouseClick(dialog->btOk, Qt::LeftButton);
    });
    Trigger("mnPrepareExpertFiles");
    const QString anna = QDir(folder).filePath(QStringLiteral("Анна.tsy"));
    const QString boris = QDir(folder).filePath(QStringLiteral("Борис.tsy"));
    for (const QString& file : {anna, boris}) {
        const auto record = std::make_unique<TLoadSaveProject>();
        ASSERT_TRUE(ReadProjectFile(*record, file.toStdString()).Succeeded()) << file.toStdString();
        CUserProjectModel project;
        ASSERT_TRUE(project.BuildLoadedHierarchy(*record));
        EXPECT_EQ(project.Element(2, 1).Name, "В");
        EXPECT_FALSE(project.Element(0, 0).Judgements(0, 1).IsJudged()); // nothing judged yet
    }
    Judge(anna, {3, 5, 2});
    Judge(boris, {-2, 4, 6});

    // Combined: the group window with the figures.
    WhenMembersChosen({anna, boris});
    Trigger("mnGroupDecision");
    TfmGroupDecision* window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Групповое решение - ВЫБОР"));
    ASSERT_EQ(window->tcGroup->count(), 3);
    EXPECT_EQ(window->tcGroup->tabText(0), QStringLiteral("Рейтинг"));
    EXPECT_EQ(window->tcGroup->tabText(1), QStringLiteral("Элементы"));
    EXPECT_EQ(window->tcGroup->tabText(2), QStringLiteral("Эксперты"));

    const CVector group = Final(GroupGoal);
    const CVector annaFinal = Final(AnnaGoal);
    const CVector borisFinal = Final(BorisGoal);
    ASSERT_GT(group[0], group[1]);
    ASSERT_LT(borisFinal[0], borisFinal[1]); // Борис alone puts Y first
    const QTableView* ranking = window->twRanking;
    ASSERT_EQ(Rows(ranking), 2);
    ASSERT_EQ(ranking->model()->columnCount(), 7);
    EXPECT_EQ(ranking->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Анна"));
    const QStringList first{QStringLiteral("1"), QStringLiteral("X"), Shown(group[0]),
        Shown((annaFinal[0] + borisFinal[0]) / 2.0) + QStringLiteral(" (1)"), QString(),
        Shown(annaFinal[0]) + QStringLiteral(" (1)"), Shown(borisFinal[0]) + QStringLiteral(" (2)")};
    for (int c = 0; c < 7; ++c) {
        if (c != 4) { // the geometric aggregation is the core's own test
            EXPECT_EQ(Cell(ranking, 0, c), first[c]) << c;
        }
    }
    EXPECT_EQ(window->srGroupPie->count(), 2);
    // The goal's S* weighs 1, every criterion's (the experts agree: 1) its group priority.
    EXPECT_EQ(window->lbOverallConsensus->text(),
        QStringLiteral("Общее согласие группы: %1 % (очень высокое согласие)")
            .arg(QString::number(std::floor((GoalConsensus + 1.0) / 2.0 * 1000.0) / 10.0, 'f', 1)));
    const double finalAgreement = SStarOfTwo(annaFinal, borisFinal);
    EXPECT_TRUE(window->lbFinalAgreement->text().startsWith(
        QStringLiteral("Однородность итоговых приоритетов: S* %1 %")
            .arg(QString::number(std::floor(finalAgreement * 1000.0) / 10.0, 'f', 1))))
        << window->lbFinalAgreement->text().toStdString();

    const QTableView* elements = window->twElements;
    ASSERT_EQ(Rows(elements), 4);
    EXPECT_EQ(Cell(elements, 0, 1), QStringLiteral("ВЫБОР"));
    EXPECT_EQ(Cell(elements, 0, 2), QStringLiteral("82.8 % (высокое согласие)"));
    EXPECT_EQ(Cell(elements, 0, 3), QStringLiteral("0.0002")); // CR 0.000266
    EXPECT_EQ(Cell(elements, 0, 5), QStringLiteral("«А» и «Б»: ГСО 3.55"));
    EXPECT_EQ(Cell(elements, 1, 2), QStringLiteral("100 % (очень высокое согласие)"));
    window->tcGroup->setCurrentIndex(1);
    Select(window->twElements, 0);
    const QTableView* matrix = window->twAggregated;
    EXPECT_EQ(Cell(matrix, 0, 2), QStringLiteral("1.2247\nГСО 3.55"));
    EXPECT_EQ(Cell(matrix, 0, 3), QStringLiteral("4.4721\nГСО 1.1709"));
    EXPECT_EQ(Cell(matrix, 1, 3), QStringLiteral("3.4641\nГСО 2.1745"));
    const QTableView* vectors = window->twExpertVectors;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Cell(vectors, i, 1), Shown(GroupGoal[i])) << i;
        EXPECT_EQ(Cell(vectors, i, 2), Shown(AnnaGoal[i])) << i;
        EXPECT_EQ(Cell(vectors, i, 3), Shown(BorisGoal[i])) << i;
    }
    // The first criterion: both experts alike, no spread worth the name.
    Select(window->twElements, 1);
    EXPECT_EQ(Cell(matrix, 0, 2), QStringLiteral("5\nГСО 1"));

    // Борис's weight 3: the whole window follows at once.
    window->tcGroup->setCurrentIndex(2);
    Select(window->twElements, 0);
    EXPECT_EQ(Cell(window->twExperts, 1, TfmGroupDecision::ExpertWeightColumn), QStringLiteral("1"));
    TypeWeight(window, 1, QStringLiteral("3"));
    const double x1 = std::log(3.0);
    const double x2 = std::log(0.5);
    const double m = 0.25 * x1 + 0.75 * x2;
    const double spread = std::exp(std::sqrt((0.25 * (x1 - m) * (x1 - m) + 0.75 * (x2 - m) * (x2 - m)) / 0.375));
    const auto mean = [](double a, double b) { return std::pow(a, 0.25) * std::pow(b, 0.75); };
    EXPECT_EQ(Cell(matrix, 0, 2), Shown(mean(3.0, 0.5)) + QStringLiteral("\nГСО ") + Shown(spread));
    const CVector weighted = RowGeometricMeans({{1.0, mean(3.0, 0.5), mean(5.0, 4.0)},
        {1.0 / mean(3.0, 0.5), 1.0, mean(2.0, 6.0)}, {1.0 / mean(5.0, 4.0), 1.0 / mean(2.0, 6.0), 1.0}});
    const CVector regrouped = Final(weighted);
    const std::size_t best = regrouped[0] > regrouped[1] ? 0 : 1;
    EXPECT_EQ(Cell(ranking, 0, 2), Shown(regrouped[best]));
    EXPECT_EQ(Cell(window->twExperts, 1, TfmGroupDecision::ExpertShareColumn), QStringLiteral("0.75"));
    EXPECT_TRUE(window->Modified());

    // Saved, closed without a question, opened again from the menu and from the command line.
    const QString groupFile = Path(QStringLiteral("группа.tsg"));
    Dialogs.FileAnswers = {groupFile};
    QTest::mouseClick(window->btSaveGroup, Qt::LeftButton);
    EXPECT_FALSE(window->Modified());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Групповое решение - ") + groupFile);
    const QByteArray json = apptest::ReadAll(groupFile);
    EXPECT_TRUE(json.contains(QStringLiteral("\"эксперты/Борис.tsy\"").toUtf8())) << json.toStdString();
    const CGroupReadOutcome read = ReadGroupFile(groupFile.toStdString());
    ASSERT_TRUE(read.Succeeded()) << read.Message;
    ASSERT_EQ(read.Members.size(), 2U);
    EXPECT_EQ(read.Members[1].Label, "Борис");
    EXPECT_EQ(read.Members[1].Weight, 3.0);
    const QString reweighted = Cell(matrix, 0, 2);

    const std::size_t questions = Dialogs.Records.size();
    CloseGroup(window);
    EXPECT_EQ(Dialogs.Records.size(), questions);
    EXPECT_EQ(Frame().GroupWindows().size(), 0U);
    Dialogs.FileAnswers = {groupFile};
    Trigger("mnOpenGroup");
    window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->Modified());
    EXPECT_EQ(Cell(window->twExperts, 1, TfmGroupDecision::ExpertWeightColumn), QStringLiteral("3"));
    Select(window->twElements, 0);
    EXPECT_EQ(Cell(window->twAggregated, 0, 2), reweighted);
    // The same file again brings its window to the front rather than a second one.
    Frame().OpenFilesFromCommandLine({groupFile});
    EXPECT_EQ(Frame().GroupWindows().size(), 1U);
    CloseGroup(window);
    Frame().OpenFilesFromCommandLine({QStringLiteral("группа.tsg")});
    ASSERT_EQ(Frame().GroupWindows().size(), 1U);
    EXPECT_EQ(Frame().GroupWindows().front()->FileName(), groupFile.toStdString());
    // "Файл" > "Открыть проект" given the group file opens it as a group too.
    CloseGroup(Frame().GroupWindows().front());
    Dialogs.FileAnswers = {groupFile};
    Trigger("N5");
    ASSERT_EQ(Frame().GroupWindows().size(), 1U);
    EXPECT_EQ(Frame().GroupWindows().front()->FileName(), groupFile.toStdString());
    EXPECT_EQ(Informed(), 0U);
}

// A member of another structure is refused with the core's message naming both files and
// the dialog stays until it is removed; a member missing from a group file is named with
// the reader's message and the group opens once it points to the file's new place.
TEST_F(GroupWindow, RefusedAndMissingMembers)
{
    const QString a = Path(QStringLiteral("a.tsy"));
    const QString c = Path(QStringLiteral("c.tsy"));
    const QString vera = Path(QStringLiteral("Вера.tsy"));
    WriteJudged(a, {3, 5, 2});
    WriteJudged(vera, {9, -9, 9}); // А over Б over В, yet В nine times А
    {
        auto other = Criteria();
        SetName(*other, 2, 1, "СТОИМОСТЬ");
        ASSERT_EQ(SaveProjectFile(*other, c.toStdString(), false), EWriteResult::Ok);
    }
    const QString mismatch
        = QStringLiteral("Файл c.tsy: на уровне 1 элемент 3 называется «СТОИМОСТЬ», а в a.tsy — «В»");
    WhenModal<TfmGroupMembers>([&](TfmGroupMembers* dialog) {
        Dialogs.FileAnswers = {a, c, vera};
        for (int k = 0; k < 3; ++k) {
            QTest::mouseClick(dialog->btAddMembers, Qt::LeftButton);
        }
        ASSERT_EQ(dialog->twMembers->rowCount(), 3);
        EXPECT_EQ(Cell(dialog->twMembers, 2, TfmGroupMembers::LabelColumn), QStringLiteral("Вера"));
        EXPECT_EQ(Cell(dialog->twMembers, 2, TfmGroupMembers::WeightColumn), QStringLiteral("1"));
        QTest::mouseClick(dialog->btOk, Qt::LeftButton);
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_FALSE(Dialogs.Records.empty());
        EXPECT_EQ(Dialogs.Records.back().Text, mismatch);
        EXPECT_EQ(dialog->lbMembersProblem->text(), mismatch);
        EXPECT_NE(dialog->twMembers->item(1, TfmGroupMembers::FileColumn)->foreground().color(),
            dialog->twMembers->item(0, TfmGroupMembers::FileColumn)->foreground().color());
        // A weight that is not a positive number is refused at entry.
        dialog->twMembers->item(0, TfmGroupMembers::WeightColumn)->setText(QStringLiteral("0"));
        EXPECT_FALSE(dialog->btOk->isEnabled());
        dialog->twMembers->item(0, TfmGroupMembers::WeightColumn)->setText(QStringLiteral("2,5"));
        EXPECT_TRUE(dialog->btOk->isEnabled());
        dialog->twMembers->selectRow(1);
        QTest::mouseClick(dialog->btRemoveMember, Qt::LeftButton);
        QTest::mouseClick(dialog->btOk, Qt::LeftButton);
    });
    Trigger("mnGroupDecision");
    TfmGroupDecision* window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->Decision().ExpertCount(), 2U);
    EXPECT_EQ(window->Decision().Member(0).Weight, 2.5);
    // Вера's CR of the goal lies above its limit, and only hers stands out.
    Select(window->twElements, 0);
    const int ratioRow = Rows(window->twExpertVectors) - 1;
    EXPECT_EQ(Cell(window->twExpertVectors, ratioRow, 0), QStringLiteral("ОС"));
    const auto colour = [window, ratioRow](int column) {
        const QVariant foreground = window->twExpertVectors->model()->index(ratioRow, column).data(Qt::ForegroundRole);
        return foreground.isValid() ? foreground.value<QColor>() : window->twExpertVectors->palette().text().color();
    };
    const QColor anna = colour(2);
    const QColor above = colour(3);
    EXPECT_GT(above.red(), 150);
    EXPECT_LT(above.green(), 60);
    EXPECT_NE(anna, above);
    Dialogs.YesNoAnswers = {false}; // a group never saved asks
    CloseGroup(window);
    EXPECT_EQ(Dialogs.Records.back().Kind, CScriptedUserDialogs::EKind::AskYesNo);

    // A group file whose second member has gone.
    const QString groupFile = Path(QStringLiteral("g.tsg"));
    const std::vector<CGroupMember> members{
        {a.toStdString(), "a", 1.0}, {Path(QStringLiteral("b.tsy")).toStdString(), "b", 1.0}};
    ASSERT_TRUE(SaveGroupFile(members, groupFile.toStdString()).Succeeded());
    WhenModal<TfmGroupMembers>([&](TfmGroupMembers* dialog) {
        EXPECT_TRUE(dialog->lbMembersProblem->text().startsWith(QStringLiteral("Эксперт 2 «b»: ")));
        dialog->twMembers->selectRow(1);
        Dialogs.FileAnswers = {vera};
        QTest::mouseClick(dialog->btLocateMember, Qt::LeftButton);
        EXPECT_EQ(Cell(dialog->twMembers, 1, TfmGroupMembers::FileColumn), vera);
        EXPECT_EQ(Cell(dialog->twMembers, 1, TfmGroupMembers::LabelColumn), QStringLiteral("Вера"));
        QTest::mouseClick(dialog->btOk, Qt::LeftButton);
    });
    const std::size_t before = Dialogs.Records.size();
    Dialogs.FileAnswers = {groupFile};
    Trigger("mnOpenGroup");
    ASSERT_GT(Dialogs.Records.size(), before + 1);
    const auto& told = Dialogs.Records[before + 1];
    EXPECT_EQ(told.Kind, CScriptedUserDialogs::EKind::Inform);
    EXPECT_EQ(told.Text, QStringLiteral("Эксперт 2 «b»: Не могу открыть файл проекта"));
    EXPECT_TRUE(told.Informative.contains(QStringLiteral("b.tsy"))) << told.Informative.toStdString();
    window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Decision().Member(1).Label, "Вера");
    EXPECT_EQ(window->FileName(), groupFile.toStdString());
    EXPECT_TRUE(window->Modified()); // the file still names the lost member
    Dialogs.YesNoAnswers = {false};
    CloseGroup(window);
}

// Reading that takes longer than half a second shows a progress dialog whose "Отмена"
// stops it: no window, no message.
TEST_F(GroupWindow, SlowOpeningShowsCancellableProgress)
{
    const QString a = Path(QStringLiteral("a.tsy"));
    WriteJudged(a, {3, 5, 2});
    std::vector<CGroupMember> members;
    for (int k = 0; k < 6; ++k) {
        const QString file = Path(QStringLiteral("e%1.tsy").arg(k));
        ASSERT_TRUE(QFile::copy(a, file));
        members.push_back({file.toStdString(), "e" + std::to_string(k), 1.0});
    }
    const QString groupFile = Path(QStringLiteral("slow.tsg"));
    ASSERT_TRUE(SaveGroupFile(members, groupFile.toStdString()).Succeeded());
    std::size_t read = 0;
    Frame().GroupLifecycle().SetReader(
        [&read](std::span<const CGroupMember> all, bool useWeights, const CGroupProgress& progress) {
            for (std::size_t k = 0; k < all.size(); ++k) {
                QTest::qWait(200);
                ++read;
                if (!progress(k + 1, all.size())) {
                    CGroupOpening cancelled;
                    cancelled.Cancelled = true;
                    return cancelled;
                }
            }
            return OpenGroupMembers(all, useWeights);
        });
    bool shown = false;
    WhenModal<QProgressDialog>([&shown](QProgressDialog* progress) {
        shown = true;
        EXPECT_EQ(progress->labelText(), QStringLiteral("Чтение файлов экспертов..."));
        progress->cancel();
    });
    Dialogs.FileAnswers = {groupFile};
    Trigger("mnOpenGroup");
    EXPECT_TRUE(shown);
    EXPECT_LT(read, members.size());
    EXPECT_EQ(Frame().GroupWindows().size(), 0U);
    EXPECT_EQ(Informed(), 0U);
}

// A group of trees read from a group file opens in the group window.
TEST_F(GroupWindow, TreeExpertsOpenFromAGroupFile)
{
    std::vector<CHierarchyNode> nodes(3);
    nodes[0] = {"Цель", "", {1, 2}, EqualJudgements(2)};
    nodes[1] = {"А", "", {}, EqualJudgements(2)};
    nodes[2] = {"Б", "", {}, EqualJudgements(2)};
    const CHierarchy tree = *CHierarchy::Make(EHierarchyShape::Tree, nodes, {{"X", ""}, {"Y", ""}});
    std::vector<CGroupMember> members;
    for (const char* name : {"a.tsj", "b.tsj"}) {
        members.push_back({Path(QString::fromUtf8(name)).toStdString(), name, 1.0});
        ASSERT_EQ(SaveTreeFile(tree, members.back().File, false), EWriteResult::Ok);
    }
    const QString groupFile = Path(QStringLiteral("trees.tsg"));
    ASSERT_TRUE(SaveGroupFile(members, groupFile.toStdString()).Succeeded());
    Dialogs.FileAnswers = {groupFile};
    Trigger("mnOpenGroup");
    EXPECT_EQ(Frame().GroupWindows().size(), 1U);
    EXPECT_EQ(Informed(), 0U);
}

// The three tabs at the size the frame gives a new window, three experts with the
// labels people give them (grabbed to PNG files, with the PDF, when TESSALY_GRAB_DIR
// names a folder); the report and the export of the "Анализ" menu take the group window
// in front.
TEST_F(GroupWindow, TabsShownReportedAndExported)
{
    std::vector<QString> files;
    const std::vector<std::pair<QString, std::vector<int>>> experts{{QStringLiteral("Анна Иванова"), {3, 5, 2}},
        {QStringLiteral("Борис Петров"), {-2, 4, 6}}, {QStringLiteral("Вера Сидорова"), {9, -9, 9}}};
    for (const auto& [name, goal] : experts) {
        files.push_back(Path(name + QStringLiteral(".tsy")));
        WriteJudged(files.back(), goal);
    }
    const QString folder = qEnvironmentVariable("TESSALY_GRAB_DIR");
    WhenModal<TfmGroupMembers>([this, files, folder](TfmGroupMembers* dialog) {
        for (const QString& file : files) {
            Dialogs.FileAnswers.push_back(file);
            QTest::mouseClick(dialog->btAddMembers, Qt::LeftButton);
        }
        // Every button's caption whole, with room around it.
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            EXPECT_GE(
                button->width(), button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&'))) + 24)
                << button->objectName().toStdString();
        }
        if (!folder.isEmpty()) {
            dialog->grab().save(QDir(folder).filePath(QStringLiteral("group-members.png")));
        }
        QTest::mouseClick(dialog->btOk, Qt::LeftButton);
    });
    Trigger("mnGroupDecision");
    TfmGroupDecision* window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);
    for (int tab = 0; tab < 3; ++tab) {
        window->tcGroup->setCurrentIndex(tab);
        QTest::qWait(50);
        const QImage image = Frame().grab().toImage();
        ASSERT_FALSE(image.isNull());
        if (!folder.isEmpty()) {
            image.save(QDir(folder).filePath(QStringLiteral("group-tab-%1.png").arg(tab)));
        }
    }

    // Who said what on the pair А, Б of the goal: 3, 1/2 and 9 around their mean 13.5^(1/3);
    // Борис's 1/2 lies furthest from it in logarithms.
    window->tcGroup->setCurrentIndex(1);
    Select(window->twElements, 0);
    window->twAggregated->setCurrentIndex(window->twAggregated->model()->index(0, 2));
    EXPECT_EQ(window->lbPairTitle->text(), QStringLiteral("Пара «А» и «Б»: её оценили 3 из 3 экспертов."));
    const QStringList said{QStringLiteral("«А» незначительно важнее «Б» (3)"),
        QStringLiteral("промежуточное значение (1/2)"),
        QStringLiteral("«А» по значимости абсолютно превосходит «Б» (9)")};
    ASSERT_EQ(Rows(window->twPairJudgements), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(Cell(window->twPairJudgements, k, 1), said[k]) << k;
        EXPECT_EQ(Cell(window->twPairJudgements, k, 2).isEmpty(), k != 1) << k;
    }
    if (!folder.isEmpty()) {
        Frame().grab().save(QDir(folder).filePath(QStringLiteral("group-pair.png")));
    }

    const QString pdf = Path(QStringLiteral("отчёт.pdf"));
    Dialogs.FileAnswers = {pdf};
    Trigger("mnProjectReport");
    const QByteArray report = apptest::ReadAll(pdf);
    EXPECT_TRUE(report.startsWith("%PDF")) << report.left(16).toStdString();
    if (!folder.isEmpty()) {
        QFile::copy(pdf, QDir(folder).filePath(QStringLiteral("group-report.pdf")));
    }
    const QString csv = Path(QStringLiteral("группа.csv"));
    Dialogs.FileAnswers = {csv};
    Trigger("mnExportCsv");
    const QByteArray bytes = apptest::ReadAll(csv);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes);
    for (const QString& expected : {QStringLiteral("Эксперты группы"), QStringLiteral("Групповой рейтинг"),
             QStringLiteral("Вера Сидорова"), QStringLiteral("ГСО")}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    }
    EXPECT_EQ(Informed(), 0U);
    Dialogs.YesNoAnswers = {false};
    CloseGroup(window);
}

// Preparing expert files never replaces the facilitator's open project (an expert named
// as its file, in its own folder) nor a file that is not an expert file of this project;
// an expert file written before is replaced only after a question that names it.
TEST_F(GroupWindow, PreparingExpertFilesReplacesOnlyExpertFiles)
{
    const QString facilitator = Path(QStringLiteral("Эксперт1.tsy"));
    ASSERT_EQ(SaveProjectFile(*Criteria(), facilitator.toStdString(), false), EWriteResult::Ok);
    ASSERT_NE(OpenProject(facilitator), nullptr);
    const QByteArray project = apptest::ReadAll(facilitator);
    const QString foreign = Path(QStringLiteral("Борис.tsy"));
    {
        QFile file(foreign);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("notes, not a project");
    }
    const QString earlier = Path(QStringLiteral("Анна.tsy"));
    ASSERT_TRUE(WriteExpertFiles(
        *Criteria(), std::vector<std::string>{"Анна"}, Path(QString()).toStdString(), EExpertJudgements::NotJudged)
                    .Succeeded());
    Judge(earlier, {3, 5, 2}); // his judgements, which a replacement would lose
    const QByteArray judged = apptest::ReadAll(earlier);

    struct CCase {
        QString Names;
        QString Told; // what the message or the question names
        CScriptedUserDialogs::EKind Kind;
    };
    const std::vector<CCase> cases{
        {QStringLiteral("Анна\nЭксперт1"), QStringLiteral("«Эксперт1.tsy» — проект, открытый в программе"),
            CScriptedUserDialogs::EKind::Inform},
        {QStringLiteral("Борис\nАнна"), QStringLiteral("«Борис.tsy» уже есть в папке и не является файлом эксперта"),
            CScriptedUserDialogs::EKind::Inform},
        {QStringLiteral("Вера\nАнна"), QStringLiteral("Анна.tsy. Они будут заменены"),
            CScriptedUserDialogs::EKind::AskYesNo},
    };
    for (const CCase& each : cases) {
        Dialogs.Records.clear();
        Dialogs.YesNoAnswers = {false};
        WhenModal<TfmExpertFiles>([&each](TfmExpertFiles* dialog) {
            dialog->edExpertNames->setPlainText(each.Names);
            QTest::mouseClick(dialog->btOk, Qt::LeftButton);
            EXPECT_TRUE(dialog->isVisible()); // nothing written, the dialog stays
            QTest::mouseClick(dialog->btCancel, Qt::LeftButton);
        });
        Trigger("mnPrepareExpertFiles");
        ASSERT_EQ(Dialogs.Records.size(), 1U) << each.Names.toStdString();
        EXPECT_EQ(Dialogs.Records[0].Kind, each.Kind) << each.Names.toStdString();
        EXPECT_TRUE(Dialogs.Records[0].Text.contains(each.Told)) << Dialogs.Records[0].Text.toStdString();
    }
    EXPECT_EQ(apptest::ReadAll(facilitator), project);
    EXPECT_EQ(apptest::ReadAll(foreign), QByteArray("notes, not a project"));
    EXPECT_EQ(apptest::ReadAll(earlier), judged);
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("Вера.tsy"))));
}

// The group follows a member's file saved in this program; weight changes are steps of
// "Правка"; Ctrl+F4 closes the group window.
TEST_F(GroupWindow, FollowsItsMembersUndoesWeightsAndClosesWithCtrlF4)
{
    const QString a = Path(QStringLiteral("a.tsy"));
    const QString b = Path(QStringLiteral("b.tsy"));
    WriteJudged(a, {3, 5, 2});
    WriteJudged(b, {-2, 4, 6});
    WhenMembersChosen({a, b});
    Trigger("mnGroupDecision");
    TfmGroupDecision* window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Cell(window->twExpertVectors, 0, 2), Shown(AnnaGoal[0]));

    // Weight steps: named in "Правка", undone and redone with the figures.
    TypeWeight(window, 1, QStringLiteral("3"));
    EXPECT_EQ(Cell(window->twExperts, 1, TfmGroupDecision::ExpertShareColumn), QStringLiteral("0.75"));
    EXPECT_TRUE(Action("mnUndo")->isEnabled());
    EXPECT_TRUE(Action("mnUndo")->text().contains(QStringLiteral("вес эксперта «b»")))
        << Action("mnUndo")->text().toStdString();
    Trigger("mnUndo");
    EXPECT_EQ(Cell(window->twExperts, 1, TfmGroupDecision::ExpertWeightColumn), QStringLiteral("1"));
    EXPECT_EQ(Cell(window->twExperts, 1, TfmGroupDecision::ExpertShareColumn), QStringLiteral("0.5"));
    Trigger("mnRedo");
    EXPECT_EQ(Cell(window->twExperts, 1, TfmGroupDecision::ExpertWeightColumn), QStringLiteral("3"));
    Trigger("mnUndo");

    // Анна's file judged as Борис judges, saved in this program: the group shows it.
    TUserProject* project = OpenProject(a);
    ASSERT_NE(project, nullptr);
    CJudgementMatrix goal = project->Document().Model().Element(0, 0).Judgements;
    const int upper[] = {-2, 4, 6};
    for (std::uint32_t i = 0, next = 0; i < 3; ++i) {
        for (std::uint32_t j = i + 1; j < 3; ++j, ++next) {
            goal(i, j) = CJudgement::FromCode(upper[next]);
            goal(j, i) = goal(i, j).Mirror();
        }
    }
    ASSERT_TRUE(project->Document().CommitJudgements(0, 0, goal, 3));
    Dialogs.YesNoAnswers = {true};
    Trigger("mnSaveProject");
    ASSERT_FALSE(project->Document().Modified());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Cell(window->twExpertVectors, 0, 2) == Shown(BorisGoal[0]); }));
    EXPECT_EQ(Cell(window->twRanking, 0, 5), Cell(window->twRanking, 0, 6)); // both experts alike now
    EXPECT_EQ(Informed(), 0U);

    // Ctrl+F4 on the group window in front closes it (its question answered No).
    Frame().activateWindow();
    ASSERT_TRUE(WaitUntilActive(&Frame()));
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    frame->mdiArea()->setActiveSubWindow(frame);
    ASSERT_EQ(Frame().ActiveGroup(), window);
    window->twRanking->setFocus();
    Dialogs.YesNoAnswers = {false};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Frame().GroupWindows().size(), 0U);
}

// What a screen reader finds in the group window: every table named, with its column
// headers (the combined matrix's named by the elements), the weights as editable cells,
// the pie pointing to the table beside it and the unsaved changes in the window's name.
TEST_F(GroupWindow, ReachableByScreenReader)
{
    const QString a = Path(QStringLiteral("a.tsy"));
    const QString b = Path(QStringLiteral("b.tsy"));
    WriteJudged(a, {3, 5, 2});
    WriteJudged(b, {-2, 4, 6});
    WhenMembersChosen({a, b});
    Trigger("mnGroupDecision");
    TfmGroupDecision* window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);
    const auto face = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); };
    for (QTableView* view : window->findChildren<QTableView*>()) {
        QAccessibleInterface* table = face(view);
        EXPECT_EQ(table->role(), QAccessible::Table) << view->objectName().toStdString();
        EXPECT_FALSE(table->text(QAccessible::Name).isEmpty()) << view->objectName().toStdString();
        for (int c = 0; c < view->model()->columnCount() && view->model()->rowCount() > 0; ++c) {
            QAccessibleInterface* cell = table->tableInterface()->cellAt(0, c);
            ASSERT_NE(cell, nullptr);
            const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
            ASSERT_EQ(headers.size(), 1) << view->objectName().toStdString() << c;
            EXPECT_FALSE(headers[0]->text(QAccessible::Name).isEmpty()) << view->objectName().toStdString() << c;
        }
    }
    QAccessibleInterface* matrix = face(window->twAggregated);
    EXPECT_EQ(
        matrix->tableInterface()->cellAt(0, 2)->tableCellInterface()->columnHeaderCells()[0]->text(QAccessible::Name),
        QStringLiteral("2. Б"));
    QAccessibleInterface* weight
        = face(window->twExperts)->tableInterface()->cellAt(1, TfmGroupDecision::ExpertWeightColumn);
    EXPECT_EQ(weight->text(QAccessible::Name), QStringLiteral("1"));
    EXPECT_EQ(weight->text(QAccessible::Description), QStringLiteral("Вес эксперта b: введите новое значение"));
    EXPECT_TRUE(face(window->chGroupChart)->text(QAccessible::Description).contains(QStringLiteral("таблицы")));
    EXPECT_TRUE(face(window)->text(QAccessible::Name).contains(QStringLiteral("изменена")));
    Dialogs.YesNoAnswers = {false};
    CloseGroup(window);
}

// A group ranking resting on an unacceptable combined matrix carries a project's warning,
// and that matrix's "ОС группы" stands out; an acceptable group has neither.
TEST_F(GroupWindow, RankingWarnsOfUnacceptableCombinedMatrices)
{
    const QString a = Path(QStringLiteral("a.tsy"));
    const QString b = Path(QStringLiteral("b.tsy"));
    WriteJudged(a, {9, -9, 9}); // А over Б over В, yet В nine times А
    WriteJudged(b, {3, 5, 2});
    WhenMembersChosen({a, b});
    Trigger("mnGroupDecision");
    TfmGroupDecision* window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->lbRankingWarning->isVisibleTo(window));
    EXPECT_TRUE(window->lbRankingWarning->text().startsWith(
        QStringLiteral("Внимание: согласованность суждений недостаточна в 1 матрице из 4: цель «ВЫБОР»")))
        << window->lbRankingWarning->text().toStdString();
    const auto stands
        = [window](int row) { return window->twElements->model()->index(row, 3).data(Qt::ForegroundRole).isValid(); };
    EXPECT_TRUE(stands(0));
    EXPECT_FALSE(stands(1));
    // b judges consistently: with nearly all the weight on him the warning goes.
    TypeWeight(window, 1, QStringLiteral("1000000"));
    EXPECT_FALSE(window->lbRankingWarning->isVisibleTo(window));
    EXPECT_FALSE(stands(0));
    Dialogs.YesNoAnswers = {false};
    CloseGroup(window);
}

// "Настройки" > "Идеальный синтез" puts the group's ideal ranking beside the distributive
// one; the sensitivity window opens on the group's combined priorities.
TEST_F(GroupWindow, IdealSynthesisAndSensitivityOfTheGroup)
{
    const QString a = Path(QStringLiteral("a.tsy"));
    const QString b = Path(QStringLiteral("b.tsy"));
    WriteJudged(a, {3, 5, 2});
    WriteJudged(b, {-2, 4, 6});
    WhenMembersChosen({a, b});
    Trigger("mnGroupDecision");
    TfmGroupDecision* window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->twIdealRanking->isVisibleTo(window));
    Action("mnIdealSynthesis")->trigger();
    EXPECT_TRUE(window->twIdealRanking->isVisibleTo(window));
    // Each criterion's best alternative counts 1, the other its share of the best.
    const double rawX = GroupGoal[0] + GroupGoal[1] * 0.2 + GroupGoal[2];
    const double rawY = GroupGoal[0] * 0.2 + GroupGoal[1] + GroupGoal[2];
    ASSERT_GT(rawX, rawY);
    EXPECT_EQ(Cell(window->twIdealRanking, 0, 1), QStringLiteral("X"));
    EXPECT_EQ(Cell(window->twIdealRanking, 0, 2), Shown(rawX / (rawX + rawY)));
    EXPECT_EQ(Cell(window->twIdealRanking, 0, 3), Shown(rawX));
    Action("mnIdealSynthesis")->trigger();
    EXPECT_FALSE(window->twIdealRanking->isVisibleTo(window));

    bool shown = false;
    WhenModal<TfmSensitivity>([&shown](TfmSensitivity* sensitivity) {
        shown = true;
        for (std::uint32_t c = 0; c < 3; ++c) {
            EXPECT_NEAR(sensitivity->MovedWeight(c), GroupGoal[c], 1e-6) << c;
        }
        sensitivity->reject();
    });
    ASSERT_TRUE(Action("mnSensitivityAnalysis")->isEnabled());
    Trigger("mnSensitivityAnalysis");
    EXPECT_TRUE(shown);
    Dialogs.YesNoAnswers = {false};
    CloseGroup(window);
}

// A weight's cell shows the weight the figures use, as typed; a weight that is not one is
// refused where it is typed, with the reason, and changes nothing.
TEST_F(GroupWindow, WeightCellsShowTheWeightsTheFiguresUse)
{
    const QString a = Path(QStringLiteral("a.tsy"));
    const QString b = Path(QStringLiteral("b.tsy"));
    WriteJudged(a, {3, 5, 2});
    WriteJudged(b, {-2, 4, 6});
    WhenMembersChosen({a, b});
    Trigger("mnGroupDecision");
    TfmGroupDecision* window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);
    struct CCase {
        QString Typed;
        QString Shown; // the weight's cell after it
        double Weight; // what the group computes with
        bool Refused;
    };
    const std::vector<CCase> cases{
        {QStringLiteral("0.0001"), QStringLiteral("0.0001"), 0.0001, false},
        {QStringLiteral("2,0004"), QStringLiteral("2.0004"), 2.0004, false},
        {QStringLiteral("три"), QStringLiteral("2.0004"), 2.0004, true},
        {QStringLiteral("0"), QStringLiteral("2.0004"), 2.0004, true},
        {QStringLiteral("-1"), QStringLiteral("2.0004"), 2.0004, true},
        {QStringLiteral("1e9"), QStringLiteral("2.0004"), 2.0004, true},
        {QStringLiteral("1000000"), QStringLiteral("1000000"), 1e6, false},
    };
    for (const CCase& each : cases) {
        TypeWeight(window, 1, each.Typed);
        EXPECT_EQ(Cell(window->twExperts, 1, TfmGroupDecision::ExpertWeightColumn), each.Shown)
            << each.Typed.toStdString();
        EXPECT_EQ(window->Decision().Member(1).Weight, each.Weight) << each.Typed.toStdString();
        EXPECT_EQ(window->lbWeightProblem->isVisibleTo(window), each.Refused) << each.Typed.toStdString();
        // The share is the weight's part of the whole, as the group computes it.
        EXPECT_EQ(
            Cell(window->twExperts, 1, TfmGroupDecision::ExpertShareColumn), Shown(each.Weight / (1.0 + each.Weight)))
            << each.Typed.toStdString();
    }
    Dialogs.YesNoAnswers = {false};
    CloseGroup(window);
}

// An expert left out with his check box "учитывать" is in no figure, as an undo step;
// the group file keeps him left out and the weights not counted; Kendall's W stands
// beside the homogeneity of the final priorities.
TEST_F(GroupWindow, ExpertLeftOutSavedAndReopened)
{
    std::vector<QString> files;
    const std::vector<std::pair<QString, std::vector<int>>> experts{
        {QStringLiteral("a"), {3, 5, 2}}, {QStringLiteral("b"), {-2, 4, 6}}, {QStringLiteral("c"), {9, -9, 9}}};
    for (const auto& [name, goal] : experts) {
        files.push_back(Path(name + QStringLiteral(".tsy")));
        WriteJudged(files.back(), goal);
    }
    WhenMembersChosen({files[0], files[1], files[2]});
    Trigger("mnGroupDecision");
    TfmGroupDecision* window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);
    window->tcGroup->setCurrentIndex(2);
    window->twExperts->setFocus();
    window->twExperts->setCurrentIndex(window->twExperts->model()->index(2, TfmGroupDecision::ExpertIncludedColumn));
    QTest::keyClick(window->twExperts, Qt::Key_Space);
    EXPECT_FALSE(window->Decision().Included(2));
    EXPECT_EQ(window->twExperts->model()->index(2, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_TRUE(Action("mnUndo")->text().contains(QStringLiteral("исключение эксперта «c»")));
    // The group of a and b alone: the figures; c has no share.
    const CVector group = Final(GroupGoal);
    EXPECT_EQ(Cell(window->twRanking, 0, 2), Shown(group[0]));
    EXPECT_EQ(Cell(window->twExperts, 2, TfmGroupDecision::ExpertShareColumn), QStringLiteral("0"));
    // a puts X first, b puts Y first: no agreement on the order at all.
    EXPECT_EQ(window->lbKendall->text(),
        QStringLiteral("Согласие в порядке альтернатив (W Кендалла): 0 (очень слабое согласие)"));
    EXPECT_TRUE(window->lbFinalAgreement->text().startsWith(QStringLiteral("Однородность итоговых приоритетов")));

    window->cbUseWeights->click();
    const QString groupFile = Path(QStringLiteral("g.tsg"));
    Dialogs.FileAnswers = {groupFile};
    QTest::mouseClick(window->btSaveGroup, Qt::LeftButton);
    const CGroupReadOutcome read = ReadGroupFile(groupFile.toStdString());
    ASSERT_TRUE(read.Succeeded()) << read.Message;
    EXPECT_FALSE(read.Weighted);
    ASSERT_EQ(read.Members.size(), 3U);
    EXPECT_TRUE(read.Members[1].Included);
    EXPECT_FALSE(read.Members[2].Included);
    CloseGroup(window);
    Dialogs.FileAnswers = {groupFile};
    Trigger("mnOpenGroup");
    window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->cbUseWeights->isChecked());
    EXPECT_FALSE(window->Decision().Included(2));
    EXPECT_EQ(Cell(window->twRanking, 0, 2), Shown(group[0]));
    EXPECT_EQ(Informed(), 0U);
    CloseGroup(window);
}

// Names are the user's own text, placeholders and all: an element and a criterion whose
// names hold "%2" and "%3" keep them in the titles that name them.
TEST_F(GroupWindow, NamesHoldingPercentSignsShowAsTyped)
{
    const auto project = Criteria();
    SetName(*project, 0, 0, "ВЫБОР %2");
    SetName(*project, 0, 1, "А %3");
    std::vector<QString> files;
    const std::vector<std::pair<QString, std::vector<int>>> experts{
        {QStringLiteral("a"), {3, 5, 2}}, {QStringLiteral("b"), {-2, 4, 6}}};
    for (const auto& [name, goal] : experts) {
        files.push_back(Path(name + QStringLiteral(".tsy")));
        ASSERT_EQ(SaveProjectFile(*project, files.back().toStdString(), false), EWriteResult::Ok);
        Judge(files.back(), goal);
    }
    WhenMembersChosen({files[0], files[1]});
    Trigger("mnGroupDecision");
    TfmGroupDecision* window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);
    window->tcGroup->setCurrentIndex(1);
    Select(window->twElements, 0);
    EXPECT_TRUE(window->lbElementTitle->text().startsWith(QStringLiteral("«ВЫБОР %2» (уровень ")))
        << window->lbElementTitle->text().toStdString();
    window->twAggregated->setCurrentIndex(window->twAggregated->model()->index(0, 2));
    EXPECT_EQ(window->lbPairTitle->text(), QStringLiteral("Пара «А %3» и «Б»: её оценили 2 из 2 экспертов."));
    Dialogs.YesNoAnswers = {false};
    CloseGroup(window);
}
