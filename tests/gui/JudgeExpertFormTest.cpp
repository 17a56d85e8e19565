#include "JudgeTestSupport.h"

#include "core/document/CProjectDocument.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/NumberFormat.h"
#include "support/ModelEdits.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <cmath>
#include <iostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace judgetest;

namespace {
// Expected screen text of a decimal written with '.', in the user's separator.
QString Dec(const char* text)
{
    return QString::fromLatin1(text).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

class ExpertFormTest : public ::testing::Test {
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
    TfmExpertForm* Form() { return Windows.ExpertForm.get(); }
    // Opens the comparison window for the current element and runs action in it.
    void Judge(const std::function<void(TfmExpertForm*)>& action)
    {
        WhenModal<TfmExpertForm>(action);
        Form()->JudgeElement(Document, JudgedPosition, JudgedLevel, &MainWindow);
    }
};

TEST_F(ExpertFormTest, FreshElementOpensWithOnesEqualPrioritiesAndZeroInconsistency)
{
    Document.MarkSaved();
    Judge([this](TfmExpertForm* form) {
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Работа эксперта"));
        EXPECT_EQ(form->stMainObjectName->text(), QStringLiteral("ВЫБОР"));
        for (std::uint32_t r = 0; r < MaxElementsPerLevel; ++r) {
            for (std::uint32_t c = 0; c < MaxElementsPerLevel; ++c) {
                EXPECT_EQ(form->Cells[r][c]->isVisible(), r < 3 && c < 3) << r << "," << c;
            }
            EXPECT_EQ(form->RowNameLabels[r]->isVisible(), r < 3);
            EXPECT_EQ(form->PriorityLabels[r]->isVisible(), r < 3);
        }
        for (std::uint32_t r = 0; r < 3; ++r) {
            EXPECT_EQ(form->RowNameLabels[r]->text(), QStringLiteral("ЭЛЕМЕНТ_%1").arg(r));
            EXPECT_EQ(form->PriorityLabels[r]->text(), Dec("0.3333"));
            for (std::uint32_t c = 0; c < 3; ++c) {
                EXPECT_EQ(form->Cells[r][c]->text(), QStringLiteral("1"));
            }
        }
        EXPECT_EQ(form->lbOwnerValue->text(), QStringLiteral("СЗ:"));
        EXPECT_EQ(form->stOwnerValue->text(), QStringLiteral("3"));
        EXPECT_EQ(form->lbIS->text(), QStringLiteral("ИС:"));
        EXPECT_EQ(form->stIS->text(), QStringLiteral("0"));
        EXPECT_EQ(form->lbOS->text(), QStringLiteral("ОС:"));
        EXPECT_EQ(form->stOS->text(), QStringLiteral("0"));
        // Centred on the main window.
        const QPoint offset = form->frameGeometry().center() - MainWindow.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2);
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    EXPECT_TRUE(Document.Modified());
    EXPECT_FALSE(Form()->isVisible());
    // The closing hides the table again.
    EXPECT_FALSE(Form()->Cells[0][0]->isVisibleTo(Form()));
    EXPECT_FALSE(Form()->stOwnerValue->isVisibleTo(Form()));
}

TEST_F(ExpertFormTest, NamesAreShownWholeInTheComparisonAndScaleWindows)
{
    SetName(Project, 0, 1, "ЖЖЖЖЖЖЖЖЖ");
    SetName(Project, 1, 1, "ШШШШШШШШШ");
    SetName(Project, 2, 1, "ЦЕНА");
    // The shipped goal fits the scale's 140-pixel field as it is; fourteen wide letters do not.
    for (const auto& [goal, smallerOnTheScale] :
        {std::pair{QStringLiteral("ПОСТАВЩИК ТРУБ"), false}, std::pair{QStringLiteral("ЖЖЖЖЖЖЖЖЖЖЖЖЖЖ"), true}}) {
        SetName(Project, 0, 0, goal.toStdString());
        Judge([goal = goal, smallerOnTheScale = smallerOnTheScale](TfmExpertForm* form) {
            EXPECT_EQ(form->stMainObjectName->size(), QSize(120, 20));
            ExpectWholeName(form->stMainObjectName, goal, true);
            ExpectWholeName(form->RowNameLabels[0], QStringLiteral("ЖЖЖЖЖЖЖЖЖ"), true);
            ExpectWholeName(form->RowNameLabels[1], QStringLiteral("ШШШШШШШШШ"), true);
            ExpectWholeName(form->RowNameLabels[2], QStringLiteral("ЦЕНА"), false);
            // The scale opened from a cell names the judged element whole, and the objects in full.
            WhenModal<TfmExpertScale>([goal, smallerOnTheScale](TfmExpertScale* scale) {
                ExpectWholeName(scale->stUpperLevel, goal, smallerOnTheScale);
                EXPECT_EQ(scale->edObjectA->text(), QStringLiteral("  ЖЖЖЖЖЖЖЖЖ"));
                EXPECT_EQ(scale->edObjectB->text(), QStringLiteral("  ШШШШШШШШШ"));
                QTest::mouseClick(scale->btCancel, Qt::LeftButton);
            });
            QTest::mouseDClick(form->Cells[0][1], Qt::LeftButton);
            GrabToPng(form, QStringLiteral("TfmExpertForm_long_names"));
            QTest::mouseClick(form->btOk, Qt::LeftButton);
        });
    }
}

TEST_F(ExpertFormTest, ScaleValuesGoIntoTheCellAndItsMirror)
{
    Judge([](TfmExpertForm* form) {
        // "A значительно важнее B" for [0][2].
        JudgeCell(form, 0, 2, 5);
        EXPECT_EQ(form->Cells[0][2]->text(), QStringLiteral("5"));
        EXPECT_EQ(form->Cells[2][0]->text(), QStringLiteral("1/5"));
        EXPECT_EQ(form->WorkingJudgements()(0, 2).Code(), 5);
        EXPECT_EQ(form->WorkingJudgements()(2, 0).Code(), -5);
        EXPECT_EQ(form->CurrentRow(), 0U);
        EXPECT_EQ(form->CurrentColumn(), 2U);

        // A B-side line for [1][0], accepted by double-click.
        JudgeCell(form, 1, 0, -3, true);
        EXPECT_EQ(form->Cells[1][0]->text(), QStringLiteral("1/3"));
        EXPECT_EQ(form->Cells[0][1]->text(), QStringLiteral("3"));
        EXPECT_EQ(form->WorkingJudgements()(1, 0).Code(), -3);
        EXPECT_EQ(form->WorkingJudgements()(0, 1).Code(), 3);

        // Equality writes 1 on both sides.
        JudgeCell(form, 2, 1, 1);
        EXPECT_EQ(form->Cells[2][1]->text(), QStringLiteral("1"));
        EXPECT_EQ(form->Cells[1][2]->text(), QStringLiteral("1"));

        // The scale opens prepared for the cell, and its cancel changes nothing.
        QString a;
        QString b;
        QString upper;
        int line = -1;
        WhenModal<TfmExpertScale>([&](TfmExpertScale* scale) {
            a = scale->edObjectA->text();
            b = scale->edObjectB->text();
            upper = scale->stUpperLevel->text();
            line = scale->lbExpertScale->currentRow();
            ChooseScaleLine(scale, 0, false);
            QTest::mouseClick(scale->btCancel, Qt::LeftButton);
        });
        QTest::mouseDClick(form->Cells[2][0], Qt::LeftButton);
        EXPECT_EQ(a, QStringLiteral("  ЭЛЕМЕНТ_2"));
        EXPECT_EQ(b, QStringLiteral("  ЭЛЕМЕНТ_0"));
        EXPECT_EQ(upper, QStringLiteral("ВЫБОР"));
        EXPECT_EQ(line, 14); // the stored -5
        EXPECT_EQ(form->Cells[2][0]->text(), QStringLiteral("1/5"));

        // A diagonal cell opens nothing.
        bool scaleOpened = false;
        QTimer::singleShot(0, [&scaleOpened] {
            scaleOpened = qobject_cast<TfmExpertScale*>(QApplication::activeModalWidget()) != nullptr;
        });
        QTest::mouseDClick(form->Cells[1][1], Qt::LeftButton);
        QTest::qWait(5);
        EXPECT_FALSE(scaleOpened);
        EXPECT_EQ(form->Cells[1][1]->text(), QStringLiteral("1"));
        EXPECT_EQ(form->WorkingJudgements()(1, 1).Code(), 1);

        // Until Apply the shown priorities are those the window opened with.
        EXPECT_EQ(form->PriorityLabels[0]->text(), Dec("0.3333"));
        QTest::mouseClick(form->btCancel, Qt::LeftButton);
    });
    // "Отмена" keeps the judgements; the window's figures were never applied, but the
    // project's results are those of the judgements it keeps: rows 15, 1/3, 1/5.
    const TMatrix<int> stored = CodesOf(Project.Goal().Judgements);
    EXPECT_EQ(stored(0, 2), 5);
    EXPECT_EQ(stored(2, 0), -5);
    EXPECT_EQ(stored(1, 0), -3);
    EXPECT_EQ(stored(0, 1), 3);
    const double means[3] = {std::cbrt(15.0), std::cbrt(1.0 / 3.0), std::cbrt(0.2)};
    EXPECT_NEAR(Document.Results().LevelData(0, 0).Priority[0], means[0] / (means[0] + means[1] + means[2]), 1e-15);

    // The next opening starts from the stored judgements and recomputes.
    Judge([](TfmExpertForm* form) {
        EXPECT_EQ(form->Cells[0][2]->text(), QStringLiteral("5"));
        EXPECT_EQ(form->Cells[1][0]->text(), QStringLiteral("1/3"));
        EXPECT_NE(form->PriorityLabels[0]->text(), Dec("0.3333"));
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
}

// The worked example: (1, 3, 5), (-3, 1, 3), (-5, -3, 1).
TEST_F(ExpertFormTest, ApplyShowsTruncatedPrioritiesAndMeasures)
{
    Judge([this](TfmExpertForm* form) {
        JudgeCell(form, 0, 1, 3);
        JudgeCell(form, 0, 2, 5);
        JudgeCell(form, 1, 2, 3);
        QTest::mouseClick(form->btApply, Qt::LeftButton);
        EXPECT_EQ(form->PriorityLabels[0]->text(), Dec("0.6369"));
        EXPECT_EQ(form->PriorityLabels[1]->text(), Dec("0.2582"));
        EXPECT_EQ(form->PriorityLabels[2]->text(), Dec("0.1047"));
        EXPECT_EQ(form->stOwnerValue->text(), Dec("3.0385"));
        EXPECT_EQ(form->stIS->text(), Dec("0.0192"));
        EXPECT_EQ(form->stOS->text(), Dec("0.0331"));
        // Apply stored the matrix and the results in the element at once.
        EXPECT_EQ(Project.Goal().Judgements(2, 1).Code(), -3);
        EXPECT_NEAR(Document.Results().LevelData(0, 0).Priority[1], 0.258285, 1e-6);
        EXPECT_NEAR(Document.Results().LevelData(0, 0).CR, 0.033199, 1e-6);
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
}

struct CSizeCase {
    std::uint32_t Elements;
    QSize Client;
};

TEST_F(ExpertFormTest, WindowSizeAndPlacementFollowTheOrder)
{
    for (const CSizeCase size : {CSizeCase{9, QSize(535, 388)}, CSizeCase{2, QSize(325, 234)}}) {
        Project.BuildNewHierarchy(size.Elements, 3, "ВЫБОР", "");
        JudgedPosition = 1;
        JudgedLevel = 1;
        const auto n = static_cast<int>(size.Elements);
        Judge([&](TfmExpertForm* form) {
            EXPECT_EQ(form->size(), size.Client);
            EXPECT_EQ(form->lbPriority->pos(), QPoint(30 * n + 173, 75));
            for (int k = 0; k < n; ++k) {
                EXPECT_EQ(form->PriorityLabels[static_cast<std::size_t>(k)]->geometry(),
                    QRect(30 * n + 165, 90 + 22 * k, 80, 20));
                EXPECT_EQ(
                    form->RowNameLabels[static_cast<std::size_t>(k)]->geometry(), QRect(25, 90 + 22 * k, 110, 20));
                EXPECT_EQ(form->Cells[static_cast<std::size_t>(k)][0]->geometry(), QRect(138, 90 + 22 * k, 30, 20));
            }
            const int y = 22 * n + 98;
            EXPECT_EQ(form->lbOwnerValue->pos(), QPoint(25, y));
            EXPECT_EQ(form->stOwnerValue->geometry(), QRect(50, y - 3, 50, 18));
            EXPECT_EQ(form->stIS->pos(), QPoint(50, y + 17));
            EXPECT_EQ(form->stOS->pos(), QPoint(50, y + 37));
            EXPECT_EQ(form->btApply->geometry(), QRect(130, y - 3, 70, 21));
            EXPECT_EQ(form->btOk->geometry(), QRect(130, y + 19, 70, 21));
            EXPECT_EQ(form->btCancel->geometry(), QRect(130, y + 41, 70, 21));
            EXPECT_EQ(form->btResearch->geometry(), QRect(30 * n + 166, y + 18, 80, 21));
            const int centre = form->width() / 2;
            EXPECT_EQ(form->lbText_1->x(), centre - form->lbText_1->width() / 2);
            EXPECT_EQ(form->lbText_2->pos(), QPoint(centre - form->lbText_2->width() / 2, 25));
            EXPECT_EQ(form->stMainObjectName->geometry(), QRect(centre - 60, 42, 120, 20));
            EXPECT_EQ(form->bvMainObjectBevel->geometry(), QRect(form->lbText_1->x() - 20, 7, 244, 61));
            EXPECT_EQ(form->stMainObjectName->text(), QStringLiteral("ЭЛЕМЕНТ_1"));

            // Nothing overlaps or is cut off, and the numbers are painted where the window puts them.
            ExpectTidyLayout(form);
            const QImage image = GrabToPng(form, QStringLiteral("TfmExpertForm_n%1").arg(n));
            for (int k = 0; k < 9; ++k) {
                const QRect rowNumber(10, 94 + 22 * k, 14, 13);
                const QRect columnNumber(148 + 32 * k, 75, 14, 13);
                EXPECT_EQ(AreaHasColour(image, rowNumber, Qt::black), k < n) << "row number " << k + 1;
                if (!columnNumber.intersects(form->lbPriority->geometry())) {
                    EXPECT_EQ(AreaHasColour(image, columnNumber, Qt::black), k < n) << "column number " << k + 1;
                }
            }
            QTest::mouseClick(form->btOk, Qt::LeftButton);
        });
    }
}

TEST_F(ExpertFormTest, ResearchDisablesItselfUntilTheWindowCloses)
{
    Judge([this](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        EXPECT_FALSE(form->btResearch->isEnabled());
        EXPECT_TRUE(form->ResearchOpen());
        EXPECT_TRUE(Windows.AbsoluteMatrix->isVisible());
        // "Закрыть" closes the research window with it.
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    EXPECT_TRUE(Form()->btResearch->isEnabled());
    EXPECT_FALSE(Form()->ResearchOpen());
    EXPECT_FALSE(Windows.AbsoluteMatrix->isVisible());

    // "Отмена" enables it again as well.
    Judge([](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        EXPECT_FALSE(form->btResearch->isEnabled());
        QTest::mouseClick(form->btCancel, Qt::LeftButton);
    });
    EXPECT_TRUE(Form()->btResearch->isEnabled());
    Windows.AbsoluteMatrix->close();
}

// Keys go where a user's would: to the widget that holds the keyboard.
void Press(int& presses, char ch)
{
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), ch);
    ++presses;
}

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// The shown text of a cell holding code.
QString CellText(int code)
{
    return code < 0 ? QStringLiteral("1/%1").arg(-code) : QString::number(code);
}

TEST_F(ExpertFormTest, AWholeNineByNineMatrixIsTypedInThirtyEightKeys)
{
    Project.BuildNewHierarchy(9, 3, "ВЫБОР", "");
    // The upper triangle in reading order: mostly the distance of the pair plus one,
    // with an equality and two judgements for the column element ("/3" and "-2").
    int want[9][9];
    std::string typing;
    for (int r = 0; r < 9; ++r) {
        want[r][r] = 1;
        for (int c = r + 1; c < 9; ++c) {
            int code = c - r + 1;
            if (r == 0 && c == 1) {
                code = 1;
            } else if (r == 2 && c == 5) {
                code = -3;
            } else if (r == 4 && c == 8) {
                code = -2;
            }
            want[r][c] = code;
            want[c][r] = code == 1 ? 1 : -code;
            typing += code < 0 ? (r == 2 ? "/" : "-") + std::to_string(-code) : std::to_string(code);
        }
    }
    int presses = 0;
    Judge([&](TfmExpertForm* form) {
        // The table holds the keyboard from the start, not a button.
        ASSERT_TRUE(WaitUntilActive(form));
        EXPECT_EQ(QApplication::focusWidget(), form);
        for (const char ch : typing) {
            Press(presses, ch);
        }
        for (std::uint32_t r = 0; r < 9; ++r) {
            for (std::uint32_t c = 0; c < 9; ++c) {
                EXPECT_EQ(form->WorkingJudgements()(r, c).Code(), want[r][c]) << r << "," << c;
                EXPECT_EQ(form->Cells[r][c]->text(), CellText(want[r][c])) << r << "," << c;
            }
        }
        // Typing changes only the working matrix; the priorities wait for Apply.
        EXPECT_EQ(form->PriorityLabels[0]->text(), Dec("0.1111"));
        QTest::mouseClick(form->btApply, Qt::LeftButton);
        // Geometric means of the rows, normalised, shown truncated to four decimals.
        double g[9];
        double sum = 0.0;
        for (int r = 0; r < 9; ++r) {
            double product = 1.0;
            for (int c = 0; c < 9; ++c) {
                product *= want[r][c] < 0 ? 1.0 / -want[r][c] : want[r][c];
            }
            g[r] = std::pow(product, 1.0 / 9.0);
            sum += g[r];
        }
        for (std::size_t r = 0; r < 9; ++r) {
            const double shown
                = form->PriorityLabels[r]->text().replace(QLocale().decimalPoint(), QStringLiteral(".")).toDouble();
            const double w = g[r] / sum;
            EXPECT_LE(shown, w + 1e-12) << r;
            EXPECT_GT(shown, w - 1e-4) << r;
        }
        // The frame on a reciprocal, as a person would look at it.
        QTest::mouseClick(form->Cells[2][5], Qt::LeftButton);
        GrabToPng(form, QStringLiteral("TfmExpertForm_typed"));
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    EXPECT_EQ(presses, 38);
    std::cout << "[ keys     ] a 9 x 9 matrix typed in " << presses << " key presses\n";
    for (std::uint32_t r = 0; r < 9; ++r) {
        for (std::uint32_t c = 0; c < 9; ++c) {
            EXPECT_EQ(Project.Goal().Judgements(r, c).Code(), want[r][c]);
        }
    }
}

TEST_F(ExpertFormTest, TheKeysMoveTheFrameAndWorkTheScale)
{
    Project.BuildNewHierarchy(4, 3, "ВЫБОР", "");
    Judge([this](TfmExpertForm* form) {
        const auto at = [form] { return std::pair{form->CurrentRow(), form->CurrentColumn()}; };
        ASSERT_TRUE(WaitUntilActive(form));
        // Row 1, column 2 is current, and the only cell framed.
        EXPECT_EQ(at(), std::pair(0U, 1U));
        for (std::uint32_t r = 0; r < 9; ++r) {
            for (std::uint32_t c = 0; c < 9; ++c) {
                EXPECT_EQ(form->Cells[r][c]->IsCurrent(), r == 0 && c == 1) << r << "," << c;
            }
        }
        const QImage image = GrabToPng(form, QStringLiteral("TfmExpertForm_keyboard"));
        const QColor frame = form->Cells[0][1]->palette().color(QPalette::Highlight);
        EXPECT_TRUE(AreaHasColour(image, form->Cells[0][1]->geometry(), frame));
        EXPECT_FALSE(AreaHasColour(image, form->Cells[0][2]->geometry(), frame));
        ExpectTidyLayout(form);

        // Arrows step over the diagonal and stop at the edge; Tab and Shift+Tab walk the upper triangle.
        for (const auto& [key, modifiers, row, column] : {std::tuple{Qt::Key_Right, Qt::KeyboardModifiers{}, 0U, 2U},
                 {Qt::Key_Down, {}, 1U, 2U}, {Qt::Key_Down, {}, 3U, 2U}, {Qt::Key_Down, {}, 3U, 2U},
                 {Qt::Key_Left, {}, 3U, 1U}, {Qt::Key_Up, {}, 2U, 1U}, {Qt::Key_Tab, {}, 2U, 3U},
                 {Qt::Key_Tab, {}, 0U, 1U}, {Qt::Key_Backtab, Qt::ShiftModifier, 2U, 3U}}) {
            PressKey(key, modifiers);
            EXPECT_EQ(at(), std::pair(row, column)) << key;
            EXPECT_TRUE(form->Cells[row][column]->IsCurrent());
        }
        EXPECT_FALSE(form->Cells[0][1]->IsCurrent());

        // A click makes a cell current; "-4" judges it for the column element and moves on.
        QTest::mouseClick(form->Cells[1][0], Qt::LeftButton);
        EXPECT_EQ(at(), std::pair(1U, 0U));
        int presses = 0;
        Press(presses, '-');
        Press(presses, '4');
        EXPECT_EQ(form->Cells[1][0]->text(), QStringLiteral("1/4"));
        EXPECT_EQ(form->Cells[0][1]->text(), QStringLiteral("4"));
        EXPECT_EQ(at(), std::pair(1U, 2U));

        // Enter: the scale for the current cell, on its line; Up and Down skip the empty
        // lines and Return accepts.
        std::vector<int> lines;
        WhenModal<TfmExpertScale>([&lines](TfmExpertScale* scale) {
            EXPECT_TRUE(WaitUntilActive(scale));
            EXPECT_EQ(QApplication::focusWidget(), scale->lbExpertScale);
            EXPECT_EQ(scale->edObjectA->text(), QStringLiteral("  ЭЛЕМЕНТ_1"));
            EXPECT_EQ(scale->edObjectB->text(), QStringLiteral("  ЭЛЕМЕНТ_2"));
            lines.push_back(scale->lbExpertScale->currentRow());
            for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}) {
                PressKey(key);
                lines.push_back(scale->lbExpertScale->currentRow());
            }
            PressKey(Qt::Key_Return);
        });
        PressKey(Qt::Key_Return);
        // The keyboard comes back to the table.
        ASSERT_TRUE(WaitUntilActive(form));
        EXPECT_EQ(QApplication::focusWidget(), form);
        EXPECT_EQ(lines, (std::vector<int>{9, 7, 6, 7, 9, 11}));
        EXPECT_EQ(form->WorkingJudgements()(1, 2).Code(), -2);
        EXPECT_EQ(form->Cells[2][1]->text(), QStringLiteral("2"));
        EXPECT_EQ(at(), std::pair(1U, 2U)); // the scale leaves the cell where it was

        // Space opens it too; Return on an empty line does nothing, Escape cancels.
        bool stayedOpen = false;
        int preselected = -1;
        WhenModal<TfmExpertScale>([&](TfmExpertScale* scale) {
            EXPECT_TRUE(WaitUntilActive(scale));
            preselected = scale->lbExpertScale->currentRow();
            QListWidget* list = scale->lbExpertScale;
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(10)).center());
            PressKey(Qt::Key_Return);
            stayedOpen = scale->isVisible();
            PressKey(Qt::Key_Escape);
        });
        PressKey(Qt::Key_Space);
        EXPECT_EQ(preselected, 11);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(form->WorkingJudgements()(1, 2).Code(), -2);
        ASSERT_TRUE(WaitUntilActive(form));
        // Escape closes the window as "Отмена" does.
        PressKey(Qt::Key_Escape);
        if (form->isVisible()) {
            ADD_FAILURE() << "Escape left the window open";
            form->reject();
        }
    });
    EXPECT_FALSE(Form()->isVisible());
    EXPECT_EQ(Project.Goal().Judgements(1, 0).Code(), -4);
    EXPECT_EQ(Project.Goal().Judgements(2, 1).Code(), 2);
}

TEST_F(ExpertFormTest, ZerosTypedInAWholeMatrixMoveOnAndClearingDropsAPendingSlash)
{
    Project.BuildNewHierarchy(5, 3, "ВЫБОР", "");
    // The ten upper cells in reading order, three of them left out with "0".
    const std::vector<int> codes{2, 0, 3, 4, -5, 0, 7, -2, 0, 9};
    const std::string typing = "2034/507-209";
    Judge([&](TfmExpertForm* form) {
        ASSERT_TRUE(WaitUntilActive(form));
        int presses = 0;
        for (const char ch : typing) {
            Press(presses, ch);
        }
        std::size_t k = 0;
        for (std::uint32_t r = 0; r < 5; ++r) {
            EXPECT_EQ(form->Cells[r][r]->text(), QStringLiteral("1"));
            for (std::uint32_t c = r + 1; c < 5; ++c, ++k) {
                const int code = codes[k];
                const QString upper = code == 0 ? QStringLiteral("—") : CellText(code);
                const QString lower = code == 0 ? QStringLiteral("—") : CellText(code == 1 ? 1 : -code);
                EXPECT_EQ(form->WorkingJudgements()(r, c).Code(), code) << r << "," << c;
                EXPECT_EQ(form->Cells[r][c]->text(), upper) << r << "," << c;
                EXPECT_EQ(form->Cells[c][r]->text(), lower) << c << "," << r;
            }
        }
        EXPECT_EQ(std::pair(form->CurrentRow(), form->CurrentColumn()), std::pair(0U, 1U));

        // Delete and Backspace clear the current cell and stay; after "/" (shown in the
        // cell it waits for), a clearing key or "0" drops it: the next "6" judges 6.
        for (const Qt::Key clear : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_0}) {
            QTest::mouseClick(form->Cells[0][1], Qt::LeftButton);
            Press(presses, '/');
            EXPECT_EQ(form->Cells[0][1]->text(), QStringLiteral("1/")) << clear;
            PressKey(clear);
            EXPECT_EQ(form->Cells[0][1]->text(), QStringLiteral("—")) << clear;
            const auto at = std::pair(form->CurrentRow(), form->CurrentColumn());
            EXPECT_EQ(at, clear == Qt::Key_0 ? std::pair(0U, 2U) : std::pair(0U, 1U)) << clear;
            QTest::mouseClick(form->Cells[0][2], Qt::LeftButton);
            Press(presses, '6');
            EXPECT_EQ(form->WorkingJudgements()(0, 2).Code(), 6) << clear;
            EXPECT_EQ(form->Cells[0][2]->text(), QStringLiteral("6")) << clear;
        }
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
}

TEST_F(ExpertFormTest, BottomLevelOpensNothingAndChangesNothing)
{
    JudgedPosition = 1;
    JudgedLevel = 2;
    Document.MarkSaved();
    Form()->JudgeElement(Document, JudgedPosition, JudgedLevel, &MainWindow);
    EXPECT_FALSE(Document.Modified());
    EXPECT_FALSE(Form()->isVisible());
}
} // namespace
