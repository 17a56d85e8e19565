// A whole group decision from the keyboard alone, as a facilitator and three experts make
// it: expert files prepared from the menu, each judged in the comparison window by keys
// and saved with Ctrl+S, the three combined in the members dialog; the group window's
// ranking, homogeneity, Kendall's W and its warning checked against a computation here.
#include "AppTestSupport.h"
#include "support/ModelEdits.h"

#include "core/model/TLoadSaveProject.h"
#include "core/storage/ProjectFile.h"
#include "gui/group/TfmExpertFiles.h"
#include "gui/group/TfmGroupDecision.h"
#include "gui/group/TfmGroupMembers.h"
#include "gui/judgement/TfmExpertForm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTableWidget>

#include <algorithm>
#include <array>
#include <cmath>

using apptest::CAppTest;
using apptest::WhenModal;

namespace {
using CVector = std::vector<double>;

// What every screen shows: truncated to 4 decimals, no trailing zeros.
QString Shown(double x)
{
    return QString::number(std::floor(x * 1e4 + 1e-9) / 1e4, 'g', 15);
}

double Entropy(const CVector& p)
{
    double h = 0.0;
    for (const double x : p) {
        h -= x * std::log(x);
    }
    return h;
}

// One expert's judgements as codes (negative: the second element preferred): the goal's
// upper triangle row by row, then each criterion's X against Y; and the keys typing them.
struct CExpert {
    QString Name;
    std::array<int, 3> Goal;
    std::array<int, 3> Criteria;
};

double Value(int code)
{
    return code > 0 ? code : 1.0 / -code;
}

QString Keys(int code)
{
    return code > 0 ? QString::number(code) : QStringLiteral("/") + QString::number(-code);
}

// The goal matrix of the pairs (0,1), (0,2), (1,2); priorities by row geometric means.
CVector GoalPriorities(const std::array<double, 3>& a)
{
    const double m[3][3] = {{1.0, a[0], a[1]}, {1.0 / a[0], 1.0, a[2]}, {1.0 / a[1], 1.0 / a[2], 1.0}};
    CVector w;
    double sum = 0.0;
    for (const auto& row : m) {
        w.push_back(std::cbrt(row[0] * row[1] * row[2]));
        sum += w.back();
    }
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

// The largest eigenvalue of that matrix, by power iteration.
double LambdaMax(const std::array<double, 3>& a)
{
    const double m[3][3] = {{1.0, a[0], a[1]}, {1.0 / a[0], 1.0, a[2]}, {1.0 / a[1], 1.0 / a[2], 1.0}};
    CVector v{1.0, 1.0, 1.0};
    double lambda = 0.0;
    for (int k = 0; k < 200; ++k) {
        CVector next(3, 0.0);
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                next[i] += m[i][j] * v[j];
            }
        }
        lambda = next[0] + next[1] + next[2];
        for (double& x : next) {
            x /= lambda;
        }
        v = next;
    }
    return lambda;
}

// Top-down synthesis: the goal's priorities over the criteria's shares of X and Y.
CVector Final(const CVector& goal, const std::array<double, 3>& criteria)
{
    CVector f(2, 0.0);
    for (std::size_t c = 0; c < 3; ++c) {
        f[0] += goal[c] * criteria[c] / (1.0 + criteria[c]);
        f[1] += goal[c] / (1.0 + criteria[c]);
    }
    return f;
}

class AppGroupKeyboard : public CAppTest {
protected:
    static QWidget* KeyTarget()
    {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            return popup;
        }
        if (QWidget* focus = QApplication::focusWidget()) {
            return focus;
        }
        return QApplication::activeWindow();
    }
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = KeyTarget();
        if (target == nullptr) {
            ADD_FAILURE() << "no window has the keyboard for key " << key;
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                modal->reject();
            }
            return;
        }
        QTest::keyClick(target, key, modifiers);
    }
    static void Type(const QString& text) { TypeText(KeyTarget(), text); }
    // A letter with modifiers, Cyrillic included, as the keyboard sends it.
    static void PressLetter(QChar letter, Qt::KeyboardModifiers modifiers)
    {
        QWidget* target = KeyTarget();
        ASSERT_NE(target, nullptr);
        const int key = letter.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(letter));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(letter));
        QApplication::sendEvent(KeyTarget(), &release);
    }
    static void Menu(QChar menu, const QString& item)
    {
        PressLetter(menu, Qt::AltModifier);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        Type(item);
    }
    // The offscreen platform does not hand the keyboard back when a dialog closes.
    static void SwitchTo(QWidget* window)
    {
        window->activateWindow();
        ASSERT_TRUE(WaitUntilActive(window));
    }
    // The element with the keyboard judged: Return opens its comparison window, the
    // keys typed, Ctrl+Return applies, Ctrl+W closes.
    static void JudgeFocused(const QStringList& keys)
    {
        WhenModal<TfmExpertForm>([keys](TfmExpertForm* form) {
            EXPECT_TRUE(WaitUntilActive(form));
            for (const QString& key : keys) {
                Type(key);
            }
            Press(Qt::Key_Return, Qt::ControlModifier);
            Press(Qt::Key_W, Qt::ControlModifier);
        });
        Press(Qt::Key_Return);
    }
};

} // namespace

TEST_F(AppGroupKeyboard, AWholeGroupDecisionFromTheKeyboard)
{
    // The facilitator's project: ВЫБОР over А, Б, В, each over X and Y, nothing judged.
    const QString facilitator = Path(QStringLiteral("выбор.tsy"));
    {
        CUserProjectModel project;
        ASSERT_TRUE(BuildWithCounts(project, {1, 3, 2}));
        SetName(project, 0, 0, "ВЫБОР");
        SetName(project, 0, 1, "А");
        SetName(project, 1, 1, "Б");
        SetName(project, 2, 1, "В");
        SetName(project, 0, 2, "X");
        SetName(project, 1, 2, "Y");
        ASSERT_EQ(SaveProjectFile(project, facilitator.toStdString(), false), EWriteResult::Ok);
    }
    Dialogs.FileAnswers = {facilitator};
    Menu(u'ф', QStringLiteral("о"));
    ASSERT_NE(Frame().ActiveProject(), nullptr);
    SwitchTo(&Frame());

    // Анна and Борис see А far above Б, Б far above В, yet В far above А; Вера judges
    // soundly. Under the criteria they disagree on X against Y.
    const std::vector<CExpert> experts{{QStringLiteral("Анна"), {9, -9, 9}, {5, -5, 1}},
        {QStringLiteral("Борис"), {9, -9, 9}, {3, -2, -3}}, {QStringLiteral("Вера"), {3, 5, 2}, {-4, 2, 7}}};

    // "Анализ" > "Подготовить файлы для экспертов...": the names typed, the folder typed.
    const QString folder = Path(QStringLiteral("эксперты"));
    ASSERT_TRUE(QDir().mkpath(folder));
    WhenModal<TfmExpertFiles>([&](TfmExpertFiles* dialog) {
        EXPECT_TRUE(WaitUntilActive(dialog));
        PressLetter(u'и', Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(dialog->edExpertNames));
        for (std::size_t k = 0; k < experts.size(); ++k) {
            Type(experts[k].Name);
            if (k + 1 < experts.size()) {
                Press(Qt::Key_Return);
            }
        }
        PressLetter(u'п', Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(dialog->edFolder));
        Press(Qt::Key_A, Qt::ControlModifier);
        Type(folder);
        Press(Qt::Key_Return);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog stayed open: " << dialog->lbNamesProblem->text().toStdString();
            dialog->reject();
        }
    });
    Menu(u'а', QStringLiteral("п"));

    // Each expert opens his file, judges every matrix by keys and saves with Ctrl+S.
    QStringList files;
    for (const CExpert& expert : experts) {
        files << QDir(folder).filePath(expert.Name + QStringLiteral(".tsy"));
        ASSERT_TRUE(QFile::exists(files.back())) << files.back().toStdString();
        SwitchTo(&Frame());
        Dialogs.FileAnswers = {files.back()};
        Menu(u'ф', QStringLiteral("о"));
        TUserProject* project = Frame().ActiveProject();
        ASSERT_NE(project, nullptr);
        SwitchTo(&Frame());
        ASSERT_EQ(QApplication::focusWidget(), project->ElementBox(0, 0));
        Press(Qt::Key_2, Qt::ControlModifier); // expert mode
        JudgeFocused({Keys(expert.Goal[0]), Keys(expert.Goal[1]), Keys(expert.Goal[2])});
        for (std::uint32_t c = 0; c < 3; ++c) {
            SwitchTo(&Frame());
            Press(Qt::Key_Tab);
            ASSERT_EQ(std::pair(project->CurrentPosition(), project->CurrentLevel()), std::pair(c, 1U));
            JudgeFocused({Keys(expert.Criteria[c])});
        }
        SwitchTo(&Frame());
        Dialogs.YesNoAnswers = {true}; // "Сохранить сделанные в проекте изменения?"
        Press(Qt::Key_S, Qt::ControlModifier);
        EXPECT_FALSE(project->Document().Modified()) << expert.Name.toStdString();
    }
    // What the files hold is what was typed.
    for (std::size_t k = 0; k < experts.size(); ++k) {
        const auto record = std::make_unique<TLoadSaveProject>();
        ASSERT_TRUE(ReadProjectFile(*record, files[static_cast<int>(k)].toStdString()).Succeeded());
        CUserProjectModel saved;
        ASSERT_TRUE(saved.BuildLoadedHierarchy(*record));
        const CJudgementMatrix& goal = saved.Goal().Judgements;
        EXPECT_EQ((std::array<int, 3>{goal(0, 1).Code(), goal(0, 2).Code(), goal(1, 2).Code()}), experts[k].Goal);
        for (std::uint32_t c = 0; c < 3; ++c) {
            EXPECT_EQ(saved.Element(c, 1).Judgements(0, 1).Code(), experts[k].Criteria[c]) << k << c;
        }
    }

    // "Анализ" > "Групповое решение...": the three files added by Alt+Д, then Return.
    WhenModal<TfmGroupMembers>([&](TfmGroupMembers* dialog) {
        EXPECT_TRUE(WaitUntilActive(dialog));
        for (const QString& file : files) {
            Dialogs.FileAnswers.push_back(file);
            PressLetter(u'д', Qt::AltModifier);
            // A mnemonic clicks the button the way a mouse does, a moment later.
            const int rows = dialog->twMembers->rowCount();
            EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->twMembers->rowCount() > rows; }));
        }
        Press(Qt::Key_Return);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "Return did not accept the members dialog; the keyboard is on "
                          << QApplication::focusWidget()->objectName().toStdString() << ", OK enabled "
                          << dialog->btOk->isEnabled() << ": " << dialog->lbMembersProblem->text().toStdString();
            dialog->reject();
        }
    });
    SwitchTo(&Frame());
    Menu(u'а', QStringLiteral("г"));
    TfmGroupDecision* window = Frame().ActiveGroup();
    ASSERT_NE(window, nullptr);

    // The group computed here: each pair the geometric mean of the three judgements (equal
    // weights), priorities by row geometric means, synthesised from the top.
    std::array<double, 3> goal{1.0, 1.0, 1.0};
    std::array<double, 3> criteria{1.0, 1.0, 1.0};
    std::vector<CVector> own;
    for (const CExpert& expert : experts) {
        std::array<double, 3> g{};
        std::array<double, 3> c{};
        for (std::size_t p = 0; p < 3; ++p) {
            g[p] = Value(expert.Goal[p]);
            c[p] = Value(expert.Criteria[p]);
            goal[p] *= std::cbrt(g[p]);
            criteria[p] *= std::cbrt(c[p]);
        }
        own.push_back(Final(GoalPriorities(g), c));
    }
    const CVector group = Final(GoalPriorities(goal), criteria);
    const std::size_t best = group[0] >= group[1] ? 0 : 1;
    const QTableView* ranking = window->twRanking;
    ASSERT_EQ(ranking->model()->rowCount(), 2);
    const QStringList names{QStringLiteral("X"), QStringLiteral("Y")};
    for (int row = 0; row < 2; ++row) {
        const std::size_t a = row == 0 ? best : 1 - best;
        EXPECT_EQ(ranking->model()->index(row, 1).data().toString(), names[static_cast<int>(a)]) << row;
        EXPECT_EQ(ranking->model()->index(row, 2).data().toString(), Shown(group[a])) << row;
    }

    // Homogeneity S* of the experts' final priorities (order 2, equal weights, M = 9).
    const CVector mean{(own[0][0] + own[1][0] + own[2][0]) / 3.0, (own[0][1] + own[1][1] + own[2][1]) / 3.0};
    const double hAlpha = (Entropy(own[0]) + Entropy(own[1]) + Entropy(own[2])) / 3.0;
    const double cor = 2.0 / std::exp(Entropy({0.9, 0.1}));
    const double sStar = (std::exp(-(Entropy(mean) - hAlpha)) - 1.0 / cor) / (1.0 - 1.0 / cor);
    EXPECT_TRUE(window->lbFinalAgreement->text().startsWith(
        QStringLiteral("Однородность итоговых приоритетов: S* %1 %")
            .arg(QString::number(std::floor(sStar * 1000.0) / 10.0, 'f', 1))))
        << window->lbFinalAgreement->text().toStdString();

    // Kendall's W of the experts' own places (equal priorities share the mean place).
    const double k = 3.0;
    const double n = 2.0;
    CVector rankSums(2, 0.0);
    double ties = 0.0;
    for (const CVector& f : own) {
        if (std::abs(f[0] - f[1]) <= 1e-12 * std::max(f[0], f[1])) { // Анна's X and Y: 1/2 each
            rankSums[0] += 1.5;
            rankSums[1] += 1.5;
            ties += 6.0; // one tie group of two: 2^3 - 2
        } else {
            rankSums[f[0] > f[1] ? 0 : 1] += 1.0;
            rankSums[f[0] > f[1] ? 1 : 0] += 2.0;
        }
    }
    const double meanSum = k * (n + 1.0) / 2.0;
    const double s
        = (rankSums[0] - meanSum) * (rankSums[0] - meanSum) + (rankSums[1] - meanSum) * (rankSums[1] - meanSum);
    const double w = 12.0 * s / (k * k * (n * n * n - n) - k * ties);
    ASSERT_GT(w, 0.0); // the experts do not all agree on the order, nor all disagree
    ASSERT_LT(w, 1.0);
    EXPECT_TRUE(window->lbKendall->text().startsWith(
        QStringLiteral("Согласие в порядке альтернатив (W Кендалла): %1 (").arg(Shown(w))))
        << window->lbKendall->text().toStdString();

    // The combined goal matrix is unacceptable (CR with the random index 0.58 of order 3);
    // the criteria's matrices of order 2 cannot be: the ranking carries the warning.
    const double cr = (LambdaMax(goal) - 3.0) / 2.0 / 0.58;
    ASSERT_GT(cr, 0.1);
    EXPECT_TRUE(window->lbRankingWarning->isVisibleTo(window));
    EXPECT_TRUE(window->lbRankingWarning->text().startsWith(
        QStringLiteral("Внимание: согласованность суждений недостаточна в 1 матрице из 4: цель «ВЫБОР»")))
        << window->lbRankingWarning->text().toStdString();

    // Ctrl+F4 closes the group window; the unsaved group asks first, and is let go.
    Dialogs.YesNoAnswers = {false};
    SwitchTo(&Frame());
    Press(Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Frame().GroupWindows().size(), 0U);
}
