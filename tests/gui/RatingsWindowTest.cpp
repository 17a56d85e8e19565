// The "Оценки" window of a rated tree: ratings typed from the keyboard, the scores and
// places shown against the published figures of four employees, undo, sorting and the
// filter, a CSV file imported (refused whole for a name the project lacks) and exported.
#include "CScriptedUserDialogs.h"
#include "GuiTestHelpers.h"
#include "support/EmployeesTree.h"

#include "core/document/RatingsCsv.h"
#include "core/document/StepNames.h"
#include "gui/judgement/CRatingTableModel.h"
#include "gui/judgement/TfmRatings.h"
#include "gui/view/TTreeProject.h"

#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QUndoStack>

#include <memory>

namespace {
// The four employees, named as people, nobody rated yet.
CHierarchy Employees()
{
    CHierarchy tree = EmployeesTree(std::vector<std::vector<int>>(4, std::vector<int>(4, -1)));
    const char* names[] = {"Сотрудник А", "Сотрудник Б", "Сотрудник В", "Сотрудник Г"};
    for (std::uint32_t a = 0; a < 4; ++a) {
        EXPECT_EQ(tree.SetAlternativeText(a, names[a], ""), "");
    }
    return tree;
}

class RatingsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetUserDialogs(&Dialogs);
        Tree = std::make_unique<TTreeProject>([](CProjectDocument&, QWidget&) { return true; });
        Tree->Document().BuildTree(Employees());
        Tree->ShowLoadedTree();
        Tree->show();
    }
    void TearDown() override
    {
        Tree.reset();
        SetUserDialogs(nullptr);
    }
    // Enter on the outline's criterion opens the window at its column.
    TfmRatings* OpenAt(std::uint32_t node)
    {
        Tree->SelectNode(node);
        QTest::keyClick(Tree->Outline(), Qt::Key_Return);
        TfmRatings* window = Tree->RatingsWindow();
        EXPECT_NE(window, nullptr);
        return window;
    }
    [[nodiscard]] QString Shown(int row, int column) const
    {
        const QTableView* table = Tree->RatingsWindow()->Table();
        return table->model()->index(row, column).data().toString();
    }
    [[nodiscard]] double Score(int row) const
    {
        QString text = Shown(row, 5).section(QLatin1Char(' '), 0, 0);
        return text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    }
    [[nodiscard]] int Row(const QString& name) const
    {
        const QAbstractItemModel* model = Tree->RatingsWindow()->Table()->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            if (model->index(r, 0).data().toString() == name) {
                return r;
            }
        }
        return -1;
    }

    CScriptedUserDialogs Dialogs;
    std::unique_ptr<TTreeProject> Tree;
};

// Published scores of the four employees once rated (А 0, 1, 1, 0; Б 1, 0, 2, 1;
// В 2, 2, 0, 1; Г 1, 1, 1, 2, 0 the best intensity).
const double Published[] = {0.774387, 0.647126, 0.436859, 0.506497};
} // namespace

TEST_F(RatingsWindow, RatingsTypedShowTheScoresUndoSortAndFilter)
{
    TfmRatings* window = OpenAt(1);
    ASSERT_NE(window, nullptr);
    QTableView* table = window->Table();
    ASSERT_EQ(table->model()->columnCount(), 8);
    EXPECT_EQ(table->currentIndex().column(), 1);
    EXPECT_EQ(table->currentIndex().row(), 0);

    // Row by row with the arrows: a digit rates and keeps the cursor.
    const int ratings[4][4] = {{0, 1, 1, 0}, {1, 0, 2, 1}, {2, 2, 0, 1}, {1, 1, 1, 2}};
    for (int a = 0; a < 4; ++a) {
        for (int c = 0; c < 4; ++c) {
            QTest::keyClick(table, static_cast<Qt::Key>(Qt::Key_1 + ratings[a][c]));
            QTest::keyClick(table, c < 3 ? Qt::Key_Right : Qt::Key_Down);
        }
        for (int c = 0; c < 3; ++c) {
            QTest::keyClick(table, Qt::Key_Left);
        }
    }
    EXPECT_EQ(Tree->UndoSteps().count(), 16);
    EXPECT_EQ(Tree->UndoSteps().undoText(), QString::fromStdString(RatingStepName("Сотрудник Г", "Качество")));
    const QString places[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("3")};
    for (int a = 0; a < 4; ++a) {
        EXPECT_NEAR(Score(a), Published[a], 1.5e-6) << a;
        EXPECT_EQ(Shown(a, 7), places[a]) << a;
    }
    EXPECT_EQ(table->model()->index(0, 1).data(Qt::AccessibleTextRole).toString(),
        QStringLiteral("Сотрудник А, Надёжность: Отлично"));

    // Delete on Г's Опыт: not rated, marked; undone, the published score again.
    table->setCurrentIndex(table->model()->index(3, 3));
    QTest::keyClick(table, Qt::Key_Delete);
    EXPECT_NEAR(Score(3), 0.461237, 1.5e-6);
    EXPECT_TRUE(Shown(3, 5).endsWith(QStringLiteral("(не все оценки)")));
    EXPECT_EQ(table->model()->index(3, 3).data(Qt::AccessibleTextRole).toString(),
        QStringLiteral("Сотрудник Г, Опыт: не оценено"));
    Tree->UndoSteps().undo();
    EXPECT_NEAR(Score(3), Published[3], 1.5e-6);
    EXPECT_EQ(Shown(3, 3), QStringLiteral("Средний"));

    // Enter offers the scale: its third intensity, chosen by its number.
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->actions().size(), 5); // three sizes, a separator, not rated
        QTest::keyClick(menu, Qt::Key_3);
    });
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(Shown(3, 3), QStringLiteral("Малый"));
    Tree->UndoSteps().undo();

    // The score's header twice: the highest first; the filter by a part of the name.
    QHeaderView* header = table->horizontalHeader();
    const QPoint scoreHeader(header->sectionViewportPosition(5) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, scoreHeader);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, scoreHeader);
    QStringList order;
    for (int r = 0; r < 4; ++r) {
        order << Shown(r, 0);
    }
    EXPECT_EQ(order,
        (QStringList{QStringLiteral("Сотрудник А"), QStringLiteral("Сотрудник Б"), QStringLiteral("Сотрудник Г"),
            QStringLiteral("Сотрудник В")}));
    TypeText(window->findChild<QLineEdit*>(QStringLiteral("edFilter")), QStringLiteral("к в"));
    ASSERT_EQ(table->model()->rowCount(), 1);
    EXPECT_EQ(Shown(0, 0), QStringLiteral("Сотрудник В"));
    EXPECT_NEAR(Score(0), Published[2], 1.5e-6);

    // The window is one per project and follows every step of it, undone ones included.
    EXPECT_EQ(OpenAt(3), window);
    EXPECT_EQ(table->currentIndex().column(), 3);
    Tree->UndoSteps().setIndex(0);
    EXPECT_EQ(Shown(0, 1), QString());
    EXPECT_NEAR(Score(0), 0.0, 1e-12);
}

TEST_F(RatingsWindow, ImportsAWholeCsvOrNothingAndExportsOneThatReadsBack)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto write = [&folder](const QString& name, const QByteArray& text) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    };
    TfmRatings* window = OpenAt(1);
    ASSERT_NE(window, nullptr);
    auto* import = window->findChild<QPushButton*>(QStringLiteral("btImport"));
    auto* exportButton = window->findChild<QPushButton*>(QStringLiteral("btExport"));

    Dialogs.FileAnswers = {write(QStringLiteral("bad.csv"),
        QByteArrayLiteral("Альтернатива,Надёжность,Опыт\nСотрудник А,Отлично,Большой\nСотрудник Ж,Плохо,Огромный\n"))};
    QTest::mouseClick(import, Qt::LeftButton);
    ASSERT_EQ(Dialogs.Records.size(), 2U); // the file chosen, the message
    EXPECT_EQ(Dialogs.Records[1].Informative,
        QStringLiteral("Строка 3, столбец 1: нет альтернативы «Сотрудник Ж».\n"
                       "Строка 3, столбец 3: в шкале критерия нет интенсивности «Огромный»."));
    EXPECT_EQ(Tree->UndoSteps().count(), 0);
    EXPECT_EQ(Shown(0, 1), QString());

    // The table in another order and case, ';' and a byte-order mark: one step.
    Dialogs.FileAnswers = {write(QStringLiteral("good.csv"),
        QByteArrayLiteral("\xEF\xBB\xBF"
                          "альтернатива;КАЧЕСТВО;Опыт;Образование;Надёжность\r\n"
                          "Сотрудник Г;средне;средний;магистр;выше среднего\r\n"
                          "сотрудник в;Выше среднего;Большой;Бакалавр;Средне\r\n"
                          "Сотрудник Б;Выше среднего;Малый;Доктор;Выше среднего\r\n"
                          "Сотрудник А;Отлично;Средний;Магистр;Отлично\r\n"))};
    QTest::mouseClick(import, Qt::LeftButton);
    EXPECT_EQ(Tree->UndoSteps().count(), 1);
    EXPECT_EQ(Tree->UndoSteps().undoText(), QString::fromStdString(ImportRatingsStepName()));
    for (int a = 0; a < 4; ++a) {
        EXPECT_NEAR(Score(a), Published[a], 1.5e-6) << a;
    }

    const QString exported = folder.filePath(QStringLiteral("out"));
    Dialogs.FileAnswers = {exported};
    QTest::mouseClick(exportButton, Qt::LeftButton);
    QFile file(exported + QStringLiteral(".csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    CHierarchy fresh = Employees();
    const CRatingsCsvReading reading = ReadRatingsCsv(fresh, bytes.toStdString());
    ASSERT_TRUE(reading.Problems.empty());
    for (const CRatingCell& cell : reading.Cells) {
        ASSERT_EQ(fresh.SetRating(cell.Node, cell.Alternative, cell.Intensity), "");
    }
    EXPECT_EQ(fresh, Tree->Document().Tree());
    EXPECT_TRUE(bytes.contains("Сотрудник А,Отлично,Магистр,Средний,Отлично,0.774")
        || bytes.contains("Сотрудник А;Отлично;Магистр;Средний;Отлично;0,774"));

    Tree->UndoSteps().undo();
    EXPECT_EQ(Shown(0, 1), QString());
}
