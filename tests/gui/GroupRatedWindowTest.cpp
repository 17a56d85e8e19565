#include "AppTestSupport.h"
#include "support/EmployeesTree.h"

#include "core/storage/TreeFile.h"
#include "gui/group/TfmGroupDecision.h"
#include "gui/group/TfmGroupMembers.h"

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTableView>

#include <cmath>

// Three experts rate the employees differently, one cell by nobody, and open as a group in
// the members dialog: the group's scores, the experts' own and their mean as the window and
// the CSV give them, against the long way (each cell the geometric mean of the ideal values
// of those who rated it; the score the criteria's weights times the cells).

using apptest::CAppTest;
using apptest::WhenModal;

namespace {
using CRatings = std::vector<std::vector<int>>;
// Г's Опыт is rated by nobody; В's Качество by the first expert alone.
const std::vector<CRatings> Experts{
    {{0, 1, 1, 0}, {1, 0, 2, 1}, {2, 2, 0, 1}, {1, 1, -1, 2}},
    {{1, 1, 0, 0}, {0, 1, 2, 2}, {2, 3, 1, -1}, {1, 0, -1, 1}},
    {{0, 2, 1, 1}, {1, 0, 1, 0}, {4, 3, 2, -1}, {2, 1, -1, 2}},
};

// Group scores: each cell's ideal values of those who rated it combined geometrically.
std::vector<double> GroupScores()
{
    const std::vector<std::vector<double>> scales{RowGeometricMeans(5, FiveStepUpper),
        RowGeometricMeans(4, EducationUpper), RowGeometricMeans(3, ExperienceUpper)};
    const std::size_t scaleOf[] = {0, 1, 2, 0};
    const std::vector<double> w = RowGeometricMeans(4, EmployeeCriteriaUpper);
    std::vector<double> scores(4, 0.0);
    for (std::size_t a = 0; a < 4; ++a) {
        for (std::size_t c = 0; c < 4; ++c) {
            const std::vector<double>& p = scales[scaleOf[c]];
            double logs = 0.0;
            int raters = 0;
            for (const CRatings& expert : Experts) {
                if (expert[a][c] >= 0) {
                    logs += std::log(p[static_cast<std::size_t>(expert[a][c])] / p[0]);
                    ++raters;
                }
            }
            scores[a] += raters > 0 ? w[c] * std::exp(logs / raters) : 0.0;
        }
    }
    return scores;
}

QString Shown(double x)
{
    return QString::number(std::floor(x * 1e4 + 1e-9) / 1e4, 'g', 15);
}

// Places by score, the highest first.
std::vector<int> Places(const std::vector<double>& scores)
{
    std::vector<int> places(scores.size(), 1);
    for (std::size_t a = 0; a < scores.size(); ++a) {
        for (std::size_t b = 0; b < scores.size(); ++b) {
            places[a] += scores[b] > scores[a] || (scores[b] == scores[a] && b < a) ? 1 : 0;
        }
    }
    return places;
}

class GroupRatedWindow : public CAppTest { };
} // namespace

TEST_F(GroupRatedWindow, ScoresBesideTheExpertsOwnAndTheirMeanInTheWindowAndTheCsv)
{
    QStringList files;
    for (std::size_t k = 0; k < Experts.size(); ++k) {
        files << Path(QStringLiteral("эксперт%1.tsj").arg(k + 1));
        ASSERT_EQ(SaveTreeFile(EmployeesTree(Experts[k]), files.back().toStdString(), false), EWriteResult::Ok);
    }
    WhenModal<TfmGroupMembers>([&](TfmGroupMembers* dialog) {
        for (const QString& file : files) {
            Dialogs.FileAnswers.push_back(file);
            QTest::mouseClick(dialog->btAddMembers, Qt::LeftButton);
        }
        QTest::mouseClick(dialog->btOk, Qt::LeftButton);
    });
    Action("mnGroupDecision")->trigger();
    ASSERT_EQ(Frame().GroupWindows().size(), 1U);
    TfmGroupDecision* window = Frame().GroupWindows().front();
    window->SetSynthesisMode(ESynthesisMode::Ideal);
    EXPECT_FALSE(window->twIdealRanking->isVisibleTo(window));
    EXPECT_TRUE(window->lbRankingNotes->text().contains(QStringLiteral("идеальны по своей природе")));

    const std::vector<double> group = GroupScores();
    std::vector<std::vector<double>> own;
    std::vector<double> mean(4, 0.0);
    double total = 0.0;
    for (std::size_t a = 0; a < 4; ++a) {
        total += group[a];
    }
    for (const CRatings& expert : Experts) {
        own.push_back(EmployeeScores(expert));
        for (std::size_t a = 0; a < 4; ++a) {
            mean[a] += own.back()[a] / static_cast<double>(Experts.size());
        }
    }
    const std::vector<int> groupPlaces = Places(group);
    const std::vector<int> meanPlaces = Places(mean);

    // Place | name | group score | share | mean | three experts | note.
    const QAbstractItemModel* ranking = window->twRanking->model();
    ASSERT_EQ(ranking->rowCount(), 4);
    ASSERT_EQ(ranking->columnCount(), 9);
    const auto cell = [ranking](int row, int column) { return ranking->index(row, column).data().toString(); };
    QStringList csvRows;
    for (int r = 0; r < 4; ++r) {
        const QString name = cell(r, 1);
        const std::size_t a = static_cast<std::size_t>(name.at(0).unicode() - u'А');
        ASSERT_LT(a, 4U) << name.toStdString();
        EXPECT_EQ(cell(r, 0).toInt(), groupPlaces[a]);
        EXPECT_EQ(cell(r, 2), Shown(group[a]));
        EXPECT_EQ(cell(r, 3), Shown(group[a] / total));
        EXPECT_EQ(cell(r, 4), QStringLiteral("%1 (%2)").arg(Shown(mean[a])).arg(meanPlaces[a]));
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(cell(r, 5 + static_cast<int>(k)),
                QStringLiteral("%1 (%2)").arg(Shown(own[k][a])).arg(Places(own[k])[a]));
        }
        EXPECT_EQ(cell(r, 8), a == 3 ? QStringLiteral("не все оценки") : QString());
    }

    // The CSV's ranking holds the same figures unrounded, and no ideal ranking.
    Dialogs.FileAnswers.push_back(Path(QStringLiteral("группа")));
    Action("mnExportCsv")->trigger();
    QFile file(Path(QStringLiteral("группа.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("идеал"), Qt::CaseInsensitive));
    const qsizetype header = lines.indexOf(QRegularExpression(QStringLiteral(".*Оценка группы.*")));
    ASSERT_GE(header, 0);
    const QChar separator = lines[header].contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(',');
    for (int r = 0; r < 4; ++r) {
        const QStringList fields = lines[header + 1 + r].split(separator);
        ASSERT_EQ(fields.size(), 12);
        const std::size_t a = static_cast<std::size_t>(fields[1].at(0).unicode() - u'А');
        ASSERT_LT(a, 4U);
        const auto number
            = [&fields](int i) { return QString(fields[i]).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(); };
        EXPECT_NEAR(number(2), group[a], 1e-12);
        EXPECT_NEAR(number(3), group[a] / total, 1e-12);
        EXPECT_NEAR(number(4), mean[a], 1e-12);
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(number(5 + 2 * k), own[static_cast<std::size_t>(k)][a], 1e-12);
            EXPECT_EQ(fields[6 + 2 * k].toInt(), Places(own[static_cast<std::size_t>(k)])[a]);
        }
        EXPECT_EQ(fields[11], a == 3 ? QStringLiteral("не все оценки") : QString());
    }
}
