// Comparisons left out in the frame: from the keyboard and from a cell's menu, the line
// under the table and the window growing by it, the completed values after "Применить",
// the marks on the boxes, the saved file's cells, the figures after reopening, and the
// results refused while the judgements given do not connect the elements.
#include "AppTestSupport.h"
#include "JudgeTestSupport.h"

#include "core/document/CProjectDocument.h"
#include "core/document/DocumentFile.h"
#include "core/storage/ProjectFile.h"
#include "gui/judgement/CExpertTable_Element.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/results/TfmAbsoluteMatrix.h"
#include "gui/view/CHierarchyElementBox.h"
#include "support/ModelEdits.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QLocale>
#include <QMenu>

using apptest::CAppTest;
using apptest::WhenModal;

namespace {

class AppIncomplete : public CAppTest {
protected:
    static QToolButton* Button(TUserProject* project, const char* name)
    {
        return project->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    static void Key(Qt::Key key)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key);
    }
    // Double-click on an element in expert mode opens its comparison window.
    static void Judge(TUserProject* project, std::uint32_t position, std::uint32_t level)
    {
        CHierarchyElementBox* box = project->ElementBox(position, level);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::mouseDClick(box, Qt::LeftButton);
    }
};

QString Dec(const char* text)
{
    return QString::fromUtf8(text).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// "Не сравнивать" chosen with the mouse from the cell's own menu.
void NotCompareByMenu(TfmExpertForm* form, CExpertTable_Element* cell)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), cell->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(cell, &event);
    ASSERT_TRUE(form->mnCell->isVisible());
    ASSERT_TRUE(form->mnNotCompare->isEnabled());
    QTest::mouseClick(form->mnCell, Qt::LeftButton, {}, form->mnCell->actionGeometry(form->mnNotCompare).center());
    EXPECT_FALSE(form->mnCell->isVisible());
}

} // namespace

TEST_F(AppIncomplete, SkippedByKeyAndMenuSavedAsZerosAndComputedAgainAfterReopening)
{
    TUserProject* project = NewProject(QStringLiteral("ВЫБОР"), QStringLiteral("3"), QStringLiteral("4"));
    ASSERT_NE(project, nullptr);
    QTest::mouseClick(Button(project, "btExpertMode"), Qt::LeftButton);

    // The goal: a-b 1, a-c 5, a-d 2, b-c 3, b-d 4 typed, c-d left out with Delete.
    WhenModal<TfmExpertForm>([](TfmExpertForm* form) {
        ASSERT_TRUE(WaitUntilActive(form));
        // Every comparison given: the window exactly as always.
        EXPECT_EQ(form->size(), QSize(385, 278));
        EXPECT_FALSE(form->lbJudgedPairs->isVisible());
        const int measuresTop = form->stOS->y();
        for (Qt::Key key : {Qt::Key_1, Qt::Key_5, Qt::Key_2, Qt::Key_3, Qt::Key_4}) {
            Key(key);
        }
        ASSERT_EQ(form->CurrentRow(), 2U);
        ASSERT_EQ(form->CurrentColumn(), 3U);
        Key(Qt::Key_Delete);
        EXPECT_EQ(form->Cells[2][3]->text(), QStringLiteral("—"));
        EXPECT_EQ(form->Cells[3][2]->text(), QStringLiteral("—"));
        EXPECT_EQ(form->WorkingJudgements()(2, 3).Code(), 0);
        EXPECT_EQ(form->WorkingJudgements()(3, 2).Code(), 0);
        // Not applied yet: no completed value, the line counts the working matrix.
        EXPECT_TRUE(form->Cells[2][3]->CompletedText().isEmpty());
        EXPECT_TRUE(form->lbJudgedPairs->isVisible());
        EXPECT_EQ(form->lbJudgedPairs->text(), QStringLiteral("Задано 5 из 6 сравнений"));
        // The window grows by the line; the width and the table stay.
        const int line = form->stOS->y() - measuresTop;
        EXPECT_GE(line, form->lbJudgedPairs->height());
        EXPECT_EQ(form->size(), QSize(385, 278 + line));
        EXPECT_EQ(form->Cells[3][3]->geometry(), QRect(138 + 96, 90 + 66, 30, 20));
        EXPECT_GT(form->lbJudgedPairs->y(), form->Cells[3][3]->geometry().bottom());
        judgetest::ExpectTidyLayout(form);

        QTest::mouseClick(form->btApply, Qt::LeftButton);
        const char* priorities[4] = {"0.3741", "0.3916", "0.0988", "0.1353"};
        for (std::uint32_t k = 0; k < 4; ++k) {
            EXPECT_EQ(form->PriorityLabels[k]->text(), Dec(priorities[k])) << k;
        }
        EXPECT_EQ(form->stOwnerValue->text(), Dec("4.0923"));
        EXPECT_EQ(form->stOS->text(), Dec("0.0342"));
        EXPECT_EQ(form->stOS->toolTip(), QStringLiteral("ОС (по дополненной матрице)"));
        // Beside the "—", greyed, what the completed matrix holds: 0.730297 and 1/0.730297.
        EXPECT_EQ(form->Cells[2][3]->CompletedText(), Dec("0.73"));
        EXPECT_EQ(form->Cells[3][2]->CompletedText(), Dec("1.36"));
        EXPECT_TRUE(form->Cells[0][1]->CompletedText().isEmpty());
        // The dash and the grey value never touch: their inks lie apart inside the cell,
        // the value in readable type, and the picture shows each where it is said to be.
        for (CExpertTable_Element* cell : {form->Cells[2][3], form->Cells[3][2]}) {
            const CExpertTable_Element::CCompletedPlaces places = cell->CompletedPlaces();
            const std::string name = cell->objectName().toStdString();
            EXPECT_FALSE(places.DashInk.adjusted(-1, -1, 1, 1).intersects(places.ValueInk)) << name;
            EXPECT_TRUE(cell->contentsRect().contains(places.DashInk) && cell->contentsRect().contains(places.ValueInk))
                << name;
            EXPECT_GE(places.ValueFont.pixelSize(), 9) << name;
            const QImage image = cell->grab().toImage();
            image.save(
                QDir::tempPath() + QStringLiteral("/tessaly-grabs/Cell_completed_%1.png").arg(cell->objectName()));
            const auto inked = [&image](const QRect& box, int darkest, int lightest) {
                for (int y = box.top(); y <= box.bottom(); ++y) {
                    for (int x = box.left(); x <= box.right(); ++x) {
                        const int grey = qGray(image.pixel(x, y));
                        if (grey >= darkest && grey <= lightest) {
                            return true;
                        }
                    }
                }
                return false;
            };
            EXPECT_TRUE(inked(places.DashInk, 0, 90)) << name;
            EXPECT_TRUE(inked(places.ValueInk, 100, 200)) << name;
            EXPECT_FALSE(inked(places.ValueInk, 0, 90)) << name;
        }
        EXPECT_EQ(form->lbJudgedPairs->text(), Dec("Задано 5 из 6 сравнений; ОС (по дополненной матрице): 0.0342"));
        judgetest::ExpectTidyLayout(form);

        // The research window: deviations from the least-squares priorities, "—" for the
        // pair left out, the completed matrix's CR and no geometric index.
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        auto* research = form->findChild<TfmAbsoluteMatrix*>();
        ASSERT_NE(research, nullptr);
        EXPECT_EQ(research->DeviationCells[2][3]->text(), QStringLiteral("—"));
        EXPECT_EQ(research->DeviationCells[3][2]->text(), QStringLiteral("—"));
        EXPECT_EQ(research->DeviationCells[0][2]->text(), Dec("1.21")); // |5 - w0 / w2|
        EXPECT_EQ(research->RowSums[2]->text(), Dec("0.14"));           // |1/5 - w2 / w0| + |1/3 - w2 / w1|
        EXPECT_EQ(research->lbRatioLimit->text(), Dec("ОС (по дополненной матрице): 0.0342 (допустимо до 0.08)"));
        EXPECT_TRUE(research->lbGeometricLimit->text().isEmpty() || !research->lbGeometricLimit->isVisible());
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    Judge(project, 0, 0);

    // Criterion 1 (position 0): the pair (1, 0) left out from the lower triangle's menu.
    WhenModal<TfmExpertForm>([](TfmExpertForm* form) {
        ASSERT_TRUE(WaitUntilActive(form));
        NotCompareByMenu(form, form->Cells[1][0]);
        EXPECT_EQ(form->Cells[0][1]->text(), QStringLiteral("—"));
        EXPECT_EQ(form->Cells[1][0]->text(), QStringLiteral("—"));
        EXPECT_EQ(form->lbJudgedPairs->text(), QStringLiteral("Задано 5 из 6 сравнений"));
        // The diagonal has nothing to leave out.
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), form->Cells[2][2]->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(form->Cells[2][2], &event);
        EXPECT_FALSE(form->mnNotCompare->isEnabled());
        form->mnCell->close();
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    Judge(project, 0, 1);

    // Both elements carry the mark of comparisons left out, not the inconsistency mark.
    using EMark = CHierarchyElementBox::EJudgementsMark;
    EXPECT_EQ(project->ElementBox(0, 0)->JudgementsMark(), EMark::Missing);
    EXPECT_EQ(project->ElementBox(0, 0)->JudgementsMarkText(),
        QStringLiteral("Не все сравнения заданы: задано 5 из 6 сравнений"));
    EXPECT_TRUE(project->ElementBox(0, 0)->Warning().isEmpty());
    EXPECT_EQ(project->ElementBox(0, 1)->JudgementsMark(), EMark::Missing);
    EXPECT_EQ(project->ElementBox(1, 1)->JudgementsMark(), EMark::None);
    QTest::mouseClick(Button(project, "btEditMode"), Qt::LeftButton);
    EXPECT_EQ(project->ElementBox(0, 0)->JudgementsMark(), EMark::None);

    // Saved: the four cells hold the code 0 and nothing else differs from the same project
    // with those pairs judged 1.
    const QString saved = Path(QStringLiteral("skipped.tsy"));
    Dialogs.YesNoAnswers = {true};
    Dialogs.FileAnswers = {saved};
    Click("btSaveProject");
    EXPECT_FALSE(project->Document().Modified());
    const QByteArray bytes = Bytes(saved);
    ASSERT_FALSE(bytes.isEmpty());
    CProjectDocument reopened;
    ASSERT_TRUE(ReadProjectDocument(reopened, saved.toStdString()).Succeeded());
    CProjectDocument judged;
    ASSERT_TRUE(ReadProjectDocument(judged, saved.toStdString()).Succeeded());
    for (const auto& [position, level, r, c] : std::vector<std::array<std::uint32_t, 4>>{{0, 0, 2, 3}, {0, 1, 0, 1}}) {
        EXPECT_EQ(reopened.Model().Element(position, level).Judgements(r, c).Code(), 0);
        EXPECT_EQ(reopened.Model().Element(position, level).Judgements(c, r).Code(), 0);
        SetPair(EditableModel(judged), position, level, r, c, 1);
    }
    const QString withOnes = Path(QStringLiteral("ones.tsy"));
    ASSERT_EQ(SaveProjectFile(judged.Model(), withOnes.toStdString(), false), EWriteResult::Ok);
    const QByteArray ones = Bytes(withOnes);
    ASSERT_EQ(bytes.size(), ones.size());
    std::vector<qsizetype> differing;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != ones[i]) {
            differing.push_back(i);
            EXPECT_EQ(bytes[i], '\0');
            EXPECT_EQ(ones[i], '\1');
            // A little-endian 32-bit 0 where the other file has 1.
            EXPECT_EQ(bytes.mid(i, 4), QByteArray(4, '\0'));
        }
    }
    EXPECT_EQ(differing.size(), 4U);

    // Reopened, the figures are computed again from the judgements given.
    const CProjectResults& results = reopened.Results();
    EXPECT_EQ(results.Basis(0, 0), EPrioritiesBasis::LeastSquares);
    const double w[4] = {0.374183, 0.391633, 0.098841, 0.135343};
    for (std::uint32_t k = 0; k < 4; ++k) {
        EXPECT_NEAR(results.LevelData(0, 0).Priority[k], w[k], 5e-7) << k;
    }
    EXPECT_NEAR(results.LevelData(0, 0).LambdaMax, 4.092346, 5e-7);
    EXPECT_NEAR(results.LevelData(0, 0).CR, 0.034202, 5e-7);

    // And the frame's own reopening shows the completed value at once.
    Click("btCloseProject");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(Frame().ProjectCount(), 0U);
    TUserProject* again = OpenProject(saved);
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(again->Document().Modified());
    QTest::mouseClick(Button(again, "btExpertMode"), Qt::LeftButton);
    EXPECT_EQ(again->ElementBox(0, 0)->JudgementsMark(), EMark::Missing);
    WhenModal<TfmExpertForm>([](TfmExpertForm* form) {
        ASSERT_TRUE(WaitUntilActive(form));
        EXPECT_EQ(form->Cells[2][3]->text(), QStringLiteral("—"));
        EXPECT_EQ(form->Cells[2][3]->CompletedText(), Dec("0.73"));
        EXPECT_EQ(form->stOS->text(), Dec("0.0342"));
        QTest::mouseClick(form->btCancel, Qt::LeftButton);
    });
    Judge(again, 0, 0);
    EXPECT_EQ(again->Model().Goal().Judgements(2, 3).Code(), 0);
}

TEST_F(AppIncomplete, JudgementsThatDoNotConnectTheElementsRefuseTheResults)
{
    TUserProject* project = NewProject(QStringLiteral("ВЫБОР"), QStringLiteral("3"), QStringLiteral("3"));
    ASSERT_NE(project, nullptr);
    QTest::mouseClick(Button(project, "btExpertMode"), Qt::LeftButton);
    const CUserProjectModel& model = project->Model();
    const std::string first = model.Element(0, 1).Name;
    const std::string second = model.Element(1, 1).Name;
    const std::string third = model.Element(2, 1).Name;

    // The goal: pairs (0, 1) and (0, 2) left out, the first with "0" (which moves on to
    // the second), the second with Backspace; only (1, 2) stays, so element 0 stands apart.
    WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        ASSERT_TRUE(WaitUntilActive(form));
        Key(Qt::Key_0);
        Key(Qt::Key_Backspace);
        const std::string groups = "группы {" + first + "} и {" + second + ", " + third + "}";
        EXPECT_EQ(form->lbJudgedPairs->text().toStdString(),
            "Задано 1 из 3 сравнений. Недостаточно: " + groups + " не сравнены");
        QTest::mouseClick(form->btApply, Qt::LeftButton);
        EXPECT_EQ(form->stOS->text(), QStringLiteral("—"));
        EXPECT_EQ(form->PriorityLabels[0]->text(), QStringLiteral("—"));
        EXPECT_TRUE(form->Cells[0][1]->CompletedText().isEmpty());
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    Judge(project, 0, 0);

    const QString refusal = QString::fromStdString("Недостаточно сравнений для «ВЫБОР»: группы {" + first + "} и {"
        + second + ", " + third + "} не сравнены между собой");
    EXPECT_EQ(project->ElementBox(0, 0)->JudgementsMark(), CHierarchyElementBox::EJudgementsMark::NotComputed);
    EXPECT_EQ(project->ElementBox(0, 0)->JudgementsMarkText(), refusal);

    // The results view is refused with the message naming the element and the groups;
    // the hierarchy stays, with its buttons.
    Dialogs.Records.clear();
    QToolButton* results = Button(project, "btResultsView");
    QTest::mouseClick(results, Qt::LeftButton);
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{refusal});
    EXPECT_EQ(Dialogs.Records.back().Caption, QStringLiteral("Message"));
    EXPECT_FALSE(results->isChecked());
    EXPECT_TRUE(Button(project, "btEditMode")->isEnabled());
    EXPECT_TRUE(project->ElementBox(0, 0)->isVisible());

    // One judgement between the groups mends it: the view opens with no message.
    WhenModal<TfmExpertForm>([](TfmExpertForm* form) {
        ASSERT_TRUE(WaitUntilActive(form));
        Key(Qt::Key_3); // the current cell is (0, 1)
        EXPECT_EQ(form->lbJudgedPairs->text(), QStringLiteral("Задано 2 из 3 сравнений"));
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    Judge(project, 0, 0);
    Dialogs.Records.clear();
    QTest::mouseClick(results, Qt::LeftButton);
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
    EXPECT_TRUE(results->isChecked());
    QTest::mouseClick(results, Qt::LeftButton);
}
