#include "JudgeTestSupport.h"
#include "support/ModelEdits.h"

#include "core/document/CProjectDocument.h"
#include "core/model/CUserProjectModel.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace judgetest;

namespace {
QString Dec(const QString& text)
{
    QString copy = text;
    return copy.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// What a deviation cell must show, computed here from the judgements and the
// priorities: |a_ij - w_i / w_j|, truncated to two decimals.
QString ExpectedText(double d)
{
    const double truncated = std::floor(d * 100.0) / 100.0;
    return Dec(QString::number(truncated, 'g', 15));
}

double Weight(int code)
{
    return code < 0 ? 1.0 / -code : code;
}

// A measure as the windows show it: truncated to four decimals.
QString Shown4(double x)
{
    return Dec(QString::number(std::floor(x * 1e4 + 1e-9) / 1e4, 'g', 15));
}

// CR and the geometric index of a full matrix of codes, computed here from the
// definitions: normalised row geometric means, the mean of (A w)_i / w_i, the random index.
struct CMeasured {
    std::vector<double> W;
    double CR = 0.0;
    double Gci = 0.0;
};
CMeasured Measure(const std::vector<std::vector<int>>& codes)
{
    const std::size_t n = codes.size();
    const double randomIndex[10] = {0, 0, 1.0, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45};
    CMeasured m;
    double total = 0.0;
    for (const auto& row : codes) {
        double product = 1.0;
        for (int code : row) {
            product *= Weight(code);
        }
        m.W.push_back(std::pow(product, 1.0 / static_cast<double>(n)));
        total += m.W.back();
    }
    for (double& w : m.W) {
        w /= total;
    }
    double lambda = 0.0;
    double squares = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        double aw = 0.0;
        for (std::size_t j = 0; j < n; ++j) {
            aw += Weight(codes[i][j]) * m.W[j];
            if (j > i) {
                const double l = std::log(Weight(codes[i][j]) * m.W[j] / m.W[i]);
                squares += l * l;
            }
        }
        lambda += aw / m.W[i] / static_cast<double>(n);
    }
    const auto size = static_cast<double>(n);
    m.CR = (lambda - size) / (size - 1.0) / randomIndex[n];
    m.Gci = 2.0 / ((size - 1.0) * (size - 2.0)) * squares;
    return m;
}

// The matrix with the pair (r, c) set to code and its mirror.
std::vector<std::vector<int>> WithPair(std::vector<std::vector<int>> codes, std::size_t r, std::size_t c, int code)
{
    codes[r][c] = code;
    codes[c][r] = code == 1 ? 1 : -code;
    return codes;
}

// The lowest bottom among the visible controls of the section under the memo.
int SectionBottom(const TfmAbsoluteMatrix* r)
{
    int bottom = 0;
    for (const QWidget* control : std::initializer_list<const QWidget*>{r->lbVerdict, r->lbRatioLimit,
             r->lbGeometricLimit, r->lbAccepted, r->lbSuggestions, r->AcceptButtons[0], r->AcceptButtons[1],
             r->AcceptButtons[2], r->SuggestionLines[0], r->SuggestionLines[1], r->SuggestionLines[2]}) {
        bottom = control->isVisibleTo(r) ? std::max(bottom, control->geometry().bottom() + 1) : bottom;
    }
    return bottom;
}

class AbsoluteMatrixTest : public ::testing::Test {
protected:
    CJudgeWindows Windows;
    CProjectDocument Document;
    CUserProjectModel& Project = EditableModel(Document);
    // The element judged.
    std::uint32_t JudgedPosition = 0;
    std::uint32_t JudgedLevel = 0;
    QWidget MainWindow;

    void SetUp() override
    {
        MainWindow.resize(1024, 700);
        Project.BuildNewHierarchy(3, 3, "ВЫБОР", "");
        JudgedPosition = 0;
        JudgedLevel = 0;
    }
    void SetGoalMatrix(const std::array<std::array<int, 3>, 3>& rows)
    {
        for (std::uint32_t i = 0; i < 3; ++i) {
            for (std::uint32_t j = 0; j < 3; ++j) {
                SetCell(Project, 0, 0, i, j, rows[i][j]);
            }
        }
    }
    TfmAbsoluteMatrix* Research() { return Windows.AbsoluteMatrix.get(); }

    // Every deviation and row sum against the computation made here, from the working
    // matrix and its own priorities.
    void ExpectDeviations(const TfmExpertForm* form, std::uint32_t n = 3)
    {
        TfmAbsoluteMatrix* research = Research();
        const TMatrix<int> a = CodesOf(form->WorkingJudgements());
        std::vector<std::vector<int>> codes(n, std::vector<int>(n));
        for (std::uint32_t i = 0; i < n; ++i) {
            for (std::uint32_t j = 0; j < n; ++j) {
                codes[i][j] = a(i, j);
            }
        }
        const std::vector<double> w = Measure(codes).W;
        for (std::uint32_t i = 0; i < n; ++i) {
            double sum = 0.0;
            for (std::uint32_t j = 0; j < n; ++j) {
                const double d = i == j ? 0.0 : std::fabs(Weight(a(i, j)) - w[i] / w[j]);
                sum += d;
                EXPECT_EQ(research->DeviationCells[i][j]->text(), ExpectedText(d)) << i << "," << j;
                EXPECT_TRUE(research->DeviationCells[i][j]->isVisible());
            }
            EXPECT_EQ(research->RowSums[i]->text(), ExpectedText(sum)) << i;
        }
    }
};

TEST_F(AbsoluteMatrixTest, ConsistentMatrixHasNoDeviationAndNoViolation)
{
    SetGoalMatrix({{{1, 2, 4}, {-2, 1, 2}, {-4, -2, 1}}});
    WhenModal<TfmExpertForm>([this](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        TfmAbsoluteMatrix* research = Research();
        ASSERT_TRUE(research->isVisible());
        EXPECT_EQ(research->windowTitle(), QStringLiteral("Улучшение согласованности исходных данных"));
        EXPECT_TRUE(research->isWindow());
        EXPECT_EQ(research->MatrixOrder(), 3U);
        EXPECT_NEAR(form->ShownPriorities()[0], 4.0 / 7.0, 1e-12);
        for (std::uint32_t i = 0; i < 3; ++i) {
            EXPECT_EQ(research->RowHeaders[i]->text(), QStringLiteral("ЭЛЕМЕНТ_%1").arg(i));
            EXPECT_EQ(research->RowSums[i]->text(), QStringLiteral("0"));
            for (std::uint32_t j = 0; j < 3; ++j) {
                EXPECT_EQ(research->DeviationCells[i][j]->text(), QStringLiteral("0"));
            }
            // The diagonal is grey.
            EXPECT_EQ(research->DeviationCells[i][i]->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));
        }
        EXPECT_NE(research->DeviationCells[0][1]->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));
        ExpectDeviations(form);
        EXPECT_EQ(research->mmUserTransInfo->toPlainText(),
            QStringLiteral("Информация о нарушении транзитивности -- отсутствует!"));
        EXPECT_EQ(research->mmUserTransInfo->font().pointSize(), 8);
        EXPECT_FALSE(research->mmUserTransInfo->font().bold());
        // The whole line is readable without scrolling.
        const QFontMetrics metrics(research->mmUserTransInfo->font());
        EXPECT_LT(metrics.horizontalAdvance(research->mmUserTransInfo->toPlainText()) + 8,
            research->mmUserTransInfo->viewport()->width());
        EXPECT_EQ(research->mmUserTransInfo->horizontalScrollBar()->value(), 0);

        // Placement for three elements.
        EXPECT_TRUE(research->lbSummName->isVisible());
        EXPECT_EQ(research->lbSummName->pos(), QPoint(3 * 40 + 177, 15));
        EXPECT_EQ(research->RowSums[2]->geometry(), QRect(290, 74, 55, 20));
        EXPECT_EQ(research->DeviationCells[2][1]->geometry(), QRect(182, 74, 40, 20));
        EXPECT_EQ(research->RowHeaders[1]->geometry(), QRect(25, 52, 110, 20));
        EXPECT_EQ(research->lbTrInfo->pos(), QPoint(25, 104));
        EXPECT_EQ(research->mmUserTransInfo->geometry(), QRect(25, 124, 321, 113));
        // The verdict between the memo and "Закрыть", which stands 15 pixels below it.
        EXPECT_EQ(research->lbVerdict->text(), QStringLiteral("Согласованность суждений приемлема"));
        EXPECT_EQ(
            research->lbRatioLimit->text(), QStringLiteral("ОС: 0 (допустимо до %1)").arg(Dec(QStringLiteral("0.05"))));
        EXPECT_EQ(research->lbSuggestions->text(), QStringLiteral("Предложений по изменению суждений нет"));
        EXPECT_FALSE(research->AcceptButtons[0]->isVisible());
        EXPECT_GT(research->lbVerdict->y(), 124 + 113);
        EXPECT_EQ(research->btClose->geometry(), QRect(25, SectionBottom(research) + 15, 75, 21));
        // The sum column reaches further right than the memo: width = sum right + 20.
        EXPECT_EQ(research->size(), QSize(365, research->btClose->y() + 60));
        ExpectTidyLayout(research);
        const QImage image = GrabToPng(research, QStringLiteral("TfmAbsoluteMatrix_consistent"));
        // Row numbers left of the headers, column numbers above the cells.
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(AreaHasColour(image, QRect(10, 34 + 22 * k, 14, 13), Qt::black), k < 3) << k;
            EXPECT_EQ(AreaHasColour(image, QRect(155 + 42 * k, 15, 14, 13), Qt::black), k < 3) << k;
        }
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    Windows.ExpertForm->JudgeElement(Document, JudgedPosition, JudgedLevel, &MainWindow);
    EXPECT_FALSE(Research()->isVisible());
    // Closing hid the table, so a smaller table later shows nothing stale.
    EXPECT_FALSE(Research()->DeviationCells[2][2]->isVisibleTo(Research()));
    EXPECT_FALSE(Research()->lbSummName->isVisibleTo(Research()));
}

TEST_F(AbsoluteMatrixTest, IntransitiveMatrixListsItsCycleOnceInBold)
{
    SetGoalMatrix({{{1, 3, -3}, {-3, 1, 3}, {3, -3, 1}}});
    WhenModal<TfmExpertForm>([this](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        TfmAbsoluteMatrix* research = Research();
        EXPECT_EQ(research->DeviationCells[0][1]->text(), QStringLiteral("2"));
        EXPECT_EQ(research->DeviationCells[0][2]->text(), Dec(QStringLiteral("0.66")));
        EXPECT_EQ(research->RowSums[0]->text(), Dec(QStringLiteral("2.66")));
        ExpectDeviations(form);
        EXPECT_EQ(research->mmUserTransInfo->toPlainText(), QStringLiteral("1>2>3>1"));
        EXPECT_EQ(research->mmUserTransInfo->font().pointSize(), 10);
        EXPECT_TRUE(research->mmUserTransInfo->font().bold());
        GrabToPng(research, QStringLiteral("TfmAbsoluteMatrix_intransitive"));

        // Breaking the cycle with an equality refreshes the open window at once, before
        // "Применить"; applying changes nothing more there.
        JudgeCell(form, 2, 0, 1);
        ExpectDeviations(form);
        EXPECT_EQ(research->mmUserTransInfo->toPlainText(),
            QStringLiteral("Информация о нарушении транзитивности -- отсутствует!"));
        EXPECT_EQ(research->mmUserTransInfo->font().pointSize(), 8);
        QTest::mouseClick(form->btApply, Qt::LeftButton);
        ExpectDeviations(form);
        EXPECT_EQ(research->mmUserTransInfo->toPlainText(),
            QStringLiteral("Информация о нарушении транзитивности -- отсутствует!"));
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    Windows.ExpertForm->JudgeElement(Document, JudgedPosition, JudgedLevel, &MainWindow);
}

// The research window is not blocked by the modal comparison window: its real
// "Закрыть" takes a click delivered through the window system, as a window that
// is not the comparison window's own is refused.
TEST_F(AbsoluteMatrixTest, StaysUsableBesideTheModalComparisonWindow)
{
    QPushButton outsider(QStringLiteral("outside"));
    outsider.resize(100, 30);
    outsider.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&outsider));
    int outsiderClicks = 0;
    // The comparison window centred on a small main window leaves room beside it
    // on the offscreen platform's 800-pixel screen.
    MainWindow.setGeometry(0, 0, 400, 300);
    QObject::connect(&outsider, &QPushButton::clicked, [&outsiderClicks] { ++outsiderClicks; });

    WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        TfmAbsoluteMatrix* research = Research();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(research));
        // Beside the comparison window, not over it.
        EXPECT_FALSE(research->frameGeometry().intersects(form->frameGeometry()));

        QTest::mouseClick(outsider.windowHandle(), Qt::LeftButton, {}, QPoint(50, 15));
        EXPECT_EQ(outsiderClicks, 0) << "the test's clicks do not go through modality";

        const QPoint onClose = research->btClose->mapTo(research, research->btClose->rect().center());
        QTest::mouseClick(research->windowHandle(), Qt::LeftButton, {}, onClose);
        EXPECT_FALSE(research->isVisible());
        EXPECT_TRUE(form->btResearch->isEnabled());

        // Opened again, it stays open after "Отмена" of the comparison window.
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        QTest::mouseClick(form->btCancel, Qt::LeftButton);
    });
    Windows.ExpertForm->JudgeElement(Document, JudgedPosition, JudgedLevel, &MainWindow);
    EXPECT_TRUE(Research()->isVisible());
    EXPECT_TRUE(Windows.ExpertForm->btResearch->isEnabled());
    QTest::mouseClick(Research()->btClose, Qt::LeftButton);
    EXPECT_FALSE(Research()->isVisible());
}

TEST_F(AbsoluteMatrixTest, NineElementsFitTheWindow)
{
    Project.BuildNewHierarchy(9, 3, "ВЫБОР", "");
    JudgedPosition = 0;
    JudgedLevel = 0;
    for (std::uint32_t i = 0; i < 9; ++i) {
        for (std::uint32_t j = 0; j < 9; ++j) {
            const int distance = static_cast<int>(j) - static_cast<int>(i);
            SetCell(Project, 0, 0, i, j, distance > 0 ? 1 + distance : (distance < 0 ? distance - 1 : 1));
        }
    }
    WhenModal<TfmExpertForm>([this](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        TfmAbsoluteMatrix* research = Research();
        // No room beside the comparison window on this 800-pixel screen even for the
        // narrowest table (56-pixel names, cells 32 apart, sums 44 wide): that one.
        EXPECT_EQ(research->RowSums[0]->geometry(), QRect(86 + 9 * 32 + 6, 30, 44, 20));
        EXPECT_EQ(research->DeviationCells[0][8]->geometry(), QRect(86 + 8 * 32, 30, 30, 20));
        EXPECT_EQ(research->size(), QSize(380 + 44 + 20, research->btClose->y() + 60));
        ExpectTidyLayout(research);
        // Wider together than the screen: inside it, over the comparison window's
        // priorities rather than its measures.
        EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(research->frameGeometry()));
        EXPECT_GT(research->frameGeometry().left(), form->stOS->mapToGlobal(form->stOS->rect().topRight()).x());
        GrabToPng(research, QStringLiteral("TfmAbsoluteMatrix_n9"));
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    Windows.ExpertForm->JudgeElement(Document, JudgedPosition, JudgedLevel, &MainWindow);
    // A later smaller table shows only its own cells.
    Project.BuildNewHierarchy(2, 3, "ВЫБОР", "");
    JudgedPosition = 0;
    JudgedLevel = 0;
    WhenModal<TfmExpertForm>([this](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        EXPECT_FALSE(Research()->DeviationCells[2][2]->isVisible());
        EXPECT_FALSE(Research()->RowSums[2]->isVisible());
        EXPECT_EQ(Research()->mmUserTransInfo->toPlainText(),
            QStringLiteral("Информация о нарушении транзитивности -- отсутствует!"));
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    Windows.ExpertForm->JudgeElement(Document, JudgedPosition, JudgedLevel, &MainWindow);
}

// The three suggestions of a 5 x 5 matrix, one accepted in the real window: the
// comparison window's cells change at once, the element and the measures only on
// "Применить", which then shows the CR the suggestion promised.
TEST_F(AbsoluteMatrixTest, AcceptedSuggestionIsEnteredAndAppliedWithTheCrItPromised)
{
    const std::vector<std::vector<int>> codes{
        {1, 2, -6, 4, 3}, {-2, 1, -4, 9, 2}, {6, 4, 1, -2, 5}, {-4, -9, 2, 1, -3}, {-3, -2, -5, 3, 1}};
    Project.BuildNewHierarchy(5, 3, "ВЫБОР", "");
    for (std::uint32_t i = 0; i < 5; ++i) {
        for (std::uint32_t j = 0; j < 5; ++j) {
            SetCell(Project, 0, 0, i, j, codes[i][j]);
        }
    }
    const CMeasured now = Measure(codes);
    // The other judgements put ЭЛЕМЕНТ_2 about 23 times ahead: the 1/2 turned round to 9.
    const CMeasured first = Measure(WithPair(codes, 2, 3, 9));
    EXPECT_NEAR(first.CR, 0.086173, 1e-6); // within the limit of 0.1 in one step
    WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        TfmAbsoluteMatrix* research = Research();
        EXPECT_EQ(research->lbVerdict->text(),
            QStringLiteral("Согласованность суждений недостаточна: суждения стоит пересмотреть"));
        EXPECT_EQ(research->lbRatioLimit->text(),
            QStringLiteral("ОС: %1 (допустимо до %2)").arg(Shown4(now.CR), Dec(QStringLiteral("0.1"))));
        EXPECT_EQ(research->lbGeometricLimit->text(),
            QStringLiteral("Геометрический индекс: %1 (допустимо до %2)")
                .arg(Shown4(now.Gci), Dec(QStringLiteral("0.37"))));
        EXPECT_EQ(research->SuggestionLines[0]->text(),
            QStringLiteral("3. ЭЛЕМЕНТ_2 и 4. ЭЛЕМЕНТ_3: 1/2 → 9, остальные суждения говорят: «ЭЛЕМЕНТ_2» важнее "
                           "примерно в 9 раз — возможно, "
                           "суждение введено наоборот; ОС станет %1")
                .arg(Shown4(first.CR)));
        EXPECT_EQ(research->SuggestionLines[1]->text(),
            QStringLiteral("1. ЭЛЕМЕНТ_0 и 3. ЭЛЕМЕНТ_2: 1/6 → 2, суждение наоборот: теперь «ЭЛЕМЕНТ_0» важнее в 2 "
                           "раза; ОС станет %1")
                .arg(Shown4(Measure(WithPair(codes, 0, 2, 2)).CR)));
        EXPECT_EQ(research->btClose->y(), SectionBottom(research) + 15);
        ExpectTidyLayout(research);
        GrabToPng(research, QStringLiteral("TfmAbsoluteMatrix_suggestions"));

        // Accepted from the active research window, the keyboard goes back to the table:
        // a digit judges the current cell (the opening's 1, 2, which holds 2 already, so
        // only the move to the next cell shows), Space opens nothing on the research window.
        research->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(research));
        QTest::mouseClick(research->AcceptButtons[0], Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form; }));
        ASSERT_EQ(std::pair(form->CurrentRow(), form->CurrentColumn()), std::pair(0U, 1U));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
        EXPECT_EQ(std::pair(form->CurrentRow(), form->CurrentColumn()), std::pair(0U, 2U));
        EXPECT_EQ(form->WorkingJudgements()(0, 1).Code(), 2);

        EXPECT_EQ(form->WorkingJudgements()(2, 3).Code(), 9);
        EXPECT_EQ(form->WorkingJudgements()(3, 2).Code(), -9);
        EXPECT_EQ(form->Cells[2][3]->text(), QStringLiteral("9"));
        EXPECT_EQ(form->Cells[3][2]->text(), QStringLiteral("1/9"));
        // The research window shows the matrix as it now stands: acceptable, nothing more
        // to suggest, and what was accepted.
        const QString ratioAfter
            = QStringLiteral("ОС: %1 (допустимо до %2)").arg(Shown4(first.CR), Dec(QStringLiteral("0.1")));
        EXPECT_EQ(research->lbVerdict->text(), QStringLiteral("Согласованность суждений приемлема"));
        EXPECT_EQ(research->lbRatioLimit->text(), ratioAfter);
        EXPECT_FALSE(research->AcceptButtons[0]->isVisible());
        EXPECT_EQ(research->lbAccepted->text(), QStringLiteral("Принято: 3 и 4: 1/2 → 9"));
        ExpectDeviations(form, 5);
        // Nothing applied yet.
        EXPECT_EQ(Project.Goal().Judgements(2, 3).Code(), -2);
        EXPECT_EQ(form->stOS->text(), Shown4(now.CR));

        QTest::mouseClick(form->btApply, Qt::LeftButton);
        EXPECT_EQ(Project.Goal().Judgements(2, 3).Code(), 9);
        EXPECT_EQ(Project.Goal().Judgements(3, 2).Code(), -9);
        EXPECT_EQ(form->stOS->text(), Shown4(first.CR));
        for (std::uint32_t i = 0; i < 5; ++i) {
            EXPECT_NEAR(Document.Results().LevelData(0, 0).Priority[i], first.W[i], 1e-12);
        }
        EXPECT_EQ(research->lbRatioLimit->text(), ratioAfter);
        EXPECT_EQ(research->lbVerdict->text(), QStringLiteral("Согласованность суждений приемлема"));
        EXPECT_FALSE(research->AcceptButtons[0]->isVisible()); // acceptable: nothing to suggest
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    Windows.ExpertForm->JudgeElement(Document, JudgedPosition, JudgedLevel, &MainWindow);
}

// Left open by "Отмена", the research window keeps showing which suggestion was taken,
// but offers nothing more once the judging has ended; the accepted change went into the
// element with the rest of the judging.
TEST_F(AbsoluteMatrixTest, AfterTheJudgingEndsNothingMoreCanBeAccepted)
{
    const std::vector<std::vector<int>> codes{
        {1, 2, -6, 4, 3}, {-2, 1, -4, 9, 2}, {6, 4, 1, -2, 5}, {-4, -9, 2, 1, -3}, {-3, -2, -5, 3, 1}};
    Project.BuildNewHierarchy(5, 3, "ВЫБОР", "");
    for (std::uint32_t i = 0; i < 5; ++i) {
        for (std::uint32_t j = 0; j < 5; ++j) {
            SetCell(Project, 0, 0, i, j, codes[i][j]);
        }
    }
    SetName(Project, 2, 1, "ЦЕНА");
    WhenModal<TfmExpertForm>([this](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        TfmAbsoluteMatrix* research = Research();
        // The names come from the judging, whole in the tooltip.
        EXPECT_EQ(research->RowHeaders[2]->text(), QStringLiteral("ЦЕНА"));
        EXPECT_TRUE(research->SuggestionLines[0]->text().startsWith(QStringLiteral("3. ЦЕНА и 4. ЭЛЕМЕНТ_3: 1/2 → 9")));
        EXPECT_TRUE(research->SuggestionLines[0]->toolTip().startsWith(
            QStringLiteral("«ЦЕНА» по сравнению с «ЭЛЕМЕНТ_3»: сейчас 1/2, предлагается 9")));
        // The second suggestion does not reach the limit: a new list follows it.
        QTest::mouseClick(research->AcceptButtons[1], Qt::LeftButton);
        EXPECT_EQ(form->WorkingJudgements()(0, 2).Code(), 2);
        EXPECT_TRUE(research->AcceptButtons[0]->isVisible());
        EXPECT_TRUE(research->AcceptButtons[0]->isEnabled());
        QTest::mouseClick(form->btCancel, Qt::LeftButton);
    });
    Windows.ExpertForm->JudgeElement(Document, JudgedPosition, JudgedLevel, &MainWindow);
    TfmAbsoluteMatrix* research = Research();
    ASSERT_TRUE(research->isVisible());
    EXPECT_EQ(research->lbAccepted->text(), QStringLiteral("Принято: 1 и 3: 1/6 → 2"));
    int shown = 0;
    for (std::uint32_t k = 0; k < 3; ++k) {
        shown += research->AcceptButtons[k]->isVisible() ? 1 : 0;
        EXPECT_FALSE(research->AcceptButtons[k]->isEnabled()) << k;
    }
    EXPECT_GT(shown, 0);
    // The lines keep their names once the judging has ended, greyed out like their buttons.
    for (std::uint32_t k = 0; k < 3; ++k) {
        if (research->SuggestionLines[k]->isVisible()) {
            EXPECT_TRUE(research->SuggestionLines[k]->text().contains(QStringLiteral("ЭЛЕМЕНТ_"))) << k;
            EXPECT_FALSE(research->SuggestionLines[k]->text().contains(QStringLiteral("«»"))) << k;
            EXPECT_FALSE(research->SuggestionLines[k]->isEnabled()) << k;
        }
    }
    // They look disabled too: the caption in the style's grey for a disabled button, no
    // pixel of it in the black of an enabled one.
    const QImage image = GrabToPng(research, QStringLiteral("TfmAbsoluteMatrix_after_cancel"));
    QTest::qWait(300);
    research->screen()
        ->grabWindow(research->winId())
        .save(QStringLiteral("/tmp/tessaly-grabs/SCREEN_after_cancel.png")); // SCRATCH
    const QPushButton* button = research->AcceptButtons[0];
    const QRect caption = button->geometry().adjusted(8, 5, -8, -5);
    EXPECT_FALSE(AreaHasColour(image, caption, button->palette().color(QPalette::Active, QPalette::ButtonText)));
    EXPECT_TRUE(AreaHasColour(image, caption, button->palette().color(QPalette::Disabled, QPalette::ButtonText)));
    EXPECT_EQ(Project.Goal().Judgements(0, 2).Code(), 2);
    EXPECT_EQ(Project.Goal().Judgements(2, 0).Code(), -2);
    QTest::mouseClick(research->btClose, Qt::LeftButton);
}

// With the comparison window centred on a main window as wide as the screen, neither
// side has room for the research window as things stand: it must still not cover the
// comparison window, nor leave the screen at the bottom.
TEST_F(AbsoluteMatrixTest, OpensBesideTheComparisonWindowInsideTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    MainWindow.setGeometry(screen.x(), screen.y() + screen.height() / 2, screen.width(), screen.height() / 2);
    WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        TfmAbsoluteMatrix* research = Research();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(research));
        EXPECT_FALSE(research->frameGeometry().intersects(form->frameGeometry()));
        EXPECT_TRUE(screen.contains(research->frameGeometry())) << research->frameGeometry().y();
        EXPECT_TRUE(screen.contains(form->frameGeometry()));
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    Windows.ExpertForm->JudgeElement(Document, JudgedPosition, JudgedLevel, &MainWindow);
}

// Left open by "Отмена", the research window follows the next element judged: its
// order, its names, no cell of the larger table before, and "Применить" fills it
// with that element's figures.
TEST_F(AbsoluteMatrixTest, LeftOpenItFollowsTheNextElementWithoutStaleCells)
{
    ASSERT_TRUE(BuildWithCounts(Project, {1, 3, 2}));
    for (std::uint32_t k = 0; k < 2; ++k) {
        SetName(Project, k, 2, "НИЖНИЙ_" + std::to_string(k));
    }
    SetPair(Project, 0, 1, 0, 1, 4);
    WhenModal<TfmExpertForm>([this](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        QTest::mouseClick(form->btCancel, Qt::LeftButton);
    });
    Windows.ExpertForm->JudgeElement(Document, 0, 0, &MainWindow);
    ASSERT_TRUE(Research()->isVisible());

    auto expectSecondElement = [this](const char* when) {
        TfmAbsoluteMatrix* research = Research();
        EXPECT_EQ(research->MatrixOrder(), 2U) << when;
        EXPECT_EQ(research->RowHeaders[1]->text(), QStringLiteral("НИЖНИЙ_1")) << when;
        for (std::uint32_t k = 0; k < 3; ++k) {
            EXPECT_FALSE(research->DeviationCells[2][k]->isVisible()) << when << k;
            EXPECT_FALSE(research->DeviationCells[k][2]->isVisible()) << when << k;
        }
        EXPECT_FALSE(research->RowHeaders[2]->isVisible()) << when;
        EXPECT_FALSE(research->RowSums[2]->isVisible()) << when;
        EXPECT_EQ(research->width(), 346 + 30) << when; // the memo's right edge sets it for two
    };
    WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        expectSecondElement("on opening");
        JudgeCell(form, 0, 1, 9);
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        expectSecondElement("after Исследовать");
        // 9 against the working matrix's own priorities 0.9 and 0.1 (not the 0.8 and 0.2
        // shown until "Применить").
        EXPECT_EQ(Research()->DeviationCells[0][1]->text(), QStringLiteral("0"));
        QTest::mouseClick(form->btApply, Qt::LeftButton);
        expectSecondElement("after Применить");
        EXPECT_EQ(Research()->DeviationCells[0][1]->text(), QStringLiteral("0"));
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    Windows.ExpertForm->JudgeElement(Document, 0, 1, &MainWindow);
    EXPECT_FALSE(Research()->isVisible());
}
} // namespace

namespace {
// A cell's text as a code: "8" is 8, "1/8" is -8.
int CodeOfText(const QString& text)
{
    return text.startsWith(QStringLiteral("1/")) ? -text.mid(2).toInt() : text.toInt();
}

// What a suggestion line says: its pair (0-based), the proposed code and "ОС станет".
struct CShownSuggestion {
    std::size_t Row = 0;
    std::size_t Column = 0;
    int Proposed = 0;
    QString CrAfter;
};
CShownSuggestion ReadSuggestion(const QString& line)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d)\\. \\S+ и (\\d)\\. \\S+: (\\S+) → (\\S+), .*; ОС станет (\\S+)$"));
    const QRegularExpressionMatch match = pattern.match(line);
    EXPECT_TRUE(match.hasMatch()) << line.toStdString();
    return {match.captured(1).toUInt() - 1U, match.captured(2).toUInt() - 1U, CodeOfText(match.captured(4)),
        match.captured(5)};
}
} // namespace

// The cycle A > B 5, C > A 3, B > C 5: accepting the first suggestion through the real
// windows turns A against B round to 1/9 (the other two judgements say B is 15 times A), and before "Применить" the
// research window already shows that matrix: no triad, acceptable with its CR and geometric index, nothing more to
// suggest. Every figure is computed here from the working matrix.
TEST_F(AbsoluteMatrixTest, TheCycleBecomesAcceptableInOneAcceptanceAndNothingStaleStays)
{
    const std::vector<std::vector<int>> cycle{{1, 5, -3}, {-5, 1, 5}, {3, -5, 1}};
    SetGoalMatrix({{{1, 5, -3}, {-5, 1, 5}, {3, -5, 1}}});
    SetName(Project, 0, 1, "A");
    SetName(Project, 1, 1, "B");
    SetName(Project, 2, 1, "C");
    const CMeasured now = Measure(cycle);
    const CMeasured after = Measure(WithPair(cycle, 0, 1, -9));
    EXPECT_NEAR(now.CR, 2.115767, 1e-6);
    EXPECT_NEAR(after.CR, 0.025055, 1e-6);
    WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        TfmAbsoluteMatrix* research = Research();
        EXPECT_EQ(research->mmUserTransInfo->toPlainText(), QStringLiteral("1>2>3>1"));
        EXPECT_EQ(research->SuggestionLines[0]->text(),
            QStringLiteral("1. A и 2. B: 5 → 1/9, остальные суждения говорят: "
                           "«B» важнее примерно в 9 раз — возможно, суждение введено наоборот; ОС станет %1")
                .arg(Shown4(after.CR)));
        GrabToPng(research, QStringLiteral("TfmAbsoluteMatrix_cycle_before"));

        QTest::mouseClick(research->AcceptButtons[0], Qt::LeftButton);
        EXPECT_EQ(form->Cells[0][1]->text(), QStringLiteral("1/9"));
        EXPECT_EQ(form->Cells[1][0]->text(), QStringLiteral("9"));
        ExpectDeviations(form);
        EXPECT_EQ(research->mmUserTransInfo->toPlainText(),
            QStringLiteral("Информация о нарушении транзитивности -- отсутствует!"));
        EXPECT_EQ(research->lbVerdict->text(), QStringLiteral("Согласованность суждений приемлема"));
        EXPECT_EQ(research->lbRatioLimit->text(),
            QStringLiteral("ОС: %1 (допустимо до %2)").arg(Shown4(after.CR), Dec(QStringLiteral("0.05"))));
        EXPECT_EQ(research->lbGeometricLimit->text(),
            QStringLiteral("Геометрический индекс: %1 (допустимо до %2)")
                .arg(Shown4(after.Gci), Dec(QStringLiteral("0.31"))));
        EXPECT_EQ(research->lbSuggestions->text(), QStringLiteral("Предложений по изменению суждений нет"));
        for (std::uint32_t k = 0; k < 3; ++k) {
            EXPECT_FALSE(research->AcceptButtons[k]->isVisible()) << k;
            EXPECT_FALSE(research->SuggestionLines[k]->isVisible()) << k;
        }
        EXPECT_EQ(research->lbAccepted->text(), QStringLiteral("Принято: 1 и 2: 5 → 1/9"));
        EXPECT_EQ(research->btClose->y(), SectionBottom(research) + 15);
        ExpectTidyLayout(research);
        GrabToPng(research, QStringLiteral("TfmAbsoluteMatrix_cycle_accepted"));
        // The comparison window's own figures wait for "Применить".
        EXPECT_EQ(form->stOS->text(), Shown4(now.CR));
        EXPECT_EQ(form->PriorityLabels[0]->text(), Shown4(now.W[0]));
        QTest::mouseClick(form->btApply, Qt::LeftButton);
        EXPECT_EQ(form->stOS->text(), Shown4(after.CR));
        EXPECT_EQ(form->PriorityLabels[0]->text(), Shown4(after.W[0]));
        EXPECT_EQ(research->lbRatioLimit->text(),
            QStringLiteral("ОС: %1 (допустимо до %2)").arg(Shown4(after.CR), Dec(QStringLiteral("0.05"))));
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    Windows.ExpertForm->JudgeElement(Document, JudgedPosition, JudgedLevel, &MainWindow);
    EXPECT_EQ(Project.Goal().Judgements(0, 1).Code(), -9);
}

// Every figure of the research window against the working matrix, computed here, after
// each kind of change while it is open: an accepted suggestion that leaves the matrix
// still not acceptable (so a new list stands there), a typed digit, a line of the scale.
// Each "ОС станет" is the CR of the working matrix with that one change.
TEST_F(AbsoluteMatrixTest, EveryFigureDescribesTheWorkingMatrixAfterEachChange)
{
    Project.BuildNewHierarchy(4, 3, "ВЫБОР", "");
    const std::vector<std::vector<int>> codes{{1, 3, -3, 5}, {-3, 1, 5, -2}, {3, -5, 1, 7}, {-5, 2, -7, 1}};
    for (std::uint32_t i = 0; i < 4; ++i) {
        for (std::uint32_t j = 0; j < 4; ++j) {
            SetCell(Project, 0, 0, i, j, codes[i][j]);
        }
    }
    WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        TfmAbsoluteMatrix* research = Research();
        auto working = [form] {
            std::vector<std::vector<int>> a(4, std::vector<int>(4));
            for (std::uint32_t i = 0; i < 4; ++i) {
                for (std::uint32_t j = 0; j < 4; ++j) {
                    a[i][j] = form->WorkingJudgements()(i, j).Code();
                }
            }
            return a;
        };
        auto expectCurrent = [&](const char* when) {
            SCOPED_TRACE(when);
            const std::vector<std::vector<int>> a = working();
            const CMeasured m = Measure(a);
            ExpectDeviations(form, 4);
            EXPECT_EQ(research->lbRatioLimit->text(),
                QStringLiteral("ОС: %1 (допустимо до %2)").arg(Shown4(m.CR), Dec(QStringLiteral("0.08"))));
            EXPECT_EQ(research->lbGeometricLimit->text(),
                QStringLiteral("Геометрический индекс: %1 (допустимо до %2)")
                    .arg(Shown4(m.Gci), Dec(QStringLiteral("0.35"))));
            int lines = 0;
            for (std::uint32_t k = 0; k < 3; ++k) {
                if (!research->SuggestionLines[k]->isVisible()) {
                    continue;
                }
                ++lines;
                const CShownSuggestion shown = ReadSuggestion(research->SuggestionLines[k]->text());
                EXPECT_EQ(shown.CrAfter, Shown4(Measure(WithPair(a, shown.Row, shown.Column, shown.Proposed)).CR))
                    << research->SuggestionLines[k]->text().toStdString();
                EXPECT_TRUE(research->AcceptButtons[k]->isEnabled());
            }
            EXPECT_EQ(lines > 0, m.CR > 0.08);
            ExpectTidyLayout(research);
        };
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        expectCurrent("opened");
        // The worked example's second suggestion, (2, 4) 1/2 -> 8, leaves a CR of 0.52.
        const CShownSuggestion second = ReadSuggestion(research->SuggestionLines[1]->text());
        ASSERT_TRUE(second.Row == 1 && second.Column == 3 && second.Proposed == 8);
        QTest::mouseClick(research->AcceptButtons[1], Qt::LeftButton);
        EXPECT_EQ(form->WorkingJudgements()(1, 3).Code(), 8);
        expectCurrent("accepted");
        // A digit typed on the current cell (1, 2 after the opening): 3 -> 7.
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form; }));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
        EXPECT_EQ(form->WorkingJudgements()(0, 1).Code(), 7);
        expectCurrent("typed");
        // A line of the scale: 3 against 4 equal.
        JudgeCell(form, 2, 3, 1);
        expectCurrent("scale");
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    Windows.ExpertForm->JudgeElement(Document, JudgedPosition, JudgedLevel, &MainWindow);
}
