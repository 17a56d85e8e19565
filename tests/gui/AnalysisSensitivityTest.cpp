#include "AnalysisTestSupport.h"
#include "AppTestSupport.h"
#include "JudgeTestSupport.h"

#include "core/results/Sensitivity.h"
#include "gui/results/CSensitivityBars.h"
#include "gui/results/TfmSensitivity.h"

#include <QComboBox>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <QTableWidget>

using namespace analysistest;
using apptest::CAppTest;

namespace {

class AnalysisSensitivity : public CAppTest {
protected:
    TUserProject* OpenExample(const char* name)
    {
        const QString copy = Path(QString::fromLatin1(name));
        EXPECT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/") + QString::fromLatin1(name), copy));
        return OpenProject(copy);
    }

    // The element's pop-up menu, opened by a right click as the user does.
    QMenu* RightClick(TUserProject* project, std::uint32_t position, std::uint32_t level)
    {
        CHierarchyElementBox* box = project->ElementBox(position, level);
        QTest::mouseClick(Frame().windowHandle(), Qt::RightButton, {}, box->mapTo(&Frame(), box->rect().center()));
        QApplication::processEvents();
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
};

// Drags a slider's handle by dx pixels with the mouse.
void Drag(QSlider* slider, int dx)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    const QPoint from
        = slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
    QTest::mousePress(slider, Qt::LeftButton, {}, from);
    for (int step = 1; step <= 4; ++step) {
        QTest::mouseMove(slider, from + QPoint(dx * step / 4, 0));
    }
    QTest::mouseRelease(slider, Qt::LeftButton, {}, from + QPoint(dx, 0));
}

// What the bars show, top to bottom, against the alternatives' values given in position order.
void ExpectBars(const TfmSensitivity* window, const CUserProjectModel& m, const Vector& values)
{
    std::vector<std::uint32_t> order(values.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return values[a] > values[b]; });
    ASSERT_EQ(window->Bars->RowCount(), values.size());
    for (std::uint32_t row = 0; row < order.size(); ++row) {
        EXPECT_EQ(window->Bars->RowName(row), Name(m, order[row], m.LevelCount() - 1)) << row;
        EXPECT_EQ(window->Bars->RowValueText(row), Cut4(values[order[row]])) << row;
    }
}

} // namespace

TEST_F(AnalysisSensitivity, OpensFromTheElementMenuAndItsSlidersMoveTheLevelAndTheBars)
{
    TUserProject* project = OpenExample("warehouse.tsy");
    ASSERT_NE(project, nullptr);
    const CUserProjectModel& m = project->Model();
    ASSERT_EQ(m.LevelCount(), 4U);
    std::vector<CJudgementMatrix> before;
    for (std::uint32_t k = 0; k < 3; ++k) {
        before.push_back(m.Element(k, 2).Judgements);
    }
    QTest::mouseClick(project->findChild<QToolButton*>(QStringLiteral("btExpertMode")), Qt::LeftButton);
    QMenu* menu = RightClick(project, 1, 2);
    ASSERT_NE(menu, nullptr);
    auto* item = menu->findChild<QAction*>(QStringLiteral("mnSensitivity"));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isEnabled());
    menu->hide();

    const std::uint32_t bottom = 3;
    bool checked = false;
    apptest::WhenModal<TfmSensitivity>([&](TfmSensitivity* window) {
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Анализ чувствительности"));
        EXPECT_EQ(window->ShownLevel(), 2U);
        EXPECT_EQ(window->cbLevel->count(), 2); // the middle levels 1 and 2
        EXPECT_EQ(window->cbLevel->currentText(), QStringLiteral("2"));
        EXPECT_EQ(window->cbElement->currentText(), QStringLiteral("2. ") + Name(m, 1, 2));

        // The critical change, worked out here over every middle element.
        const std::optional<CNearest> nearest = NearestLeaderChange(m);
        ASSERT_TRUE(nearest.has_value());
        const CPlaceChange& change = nearest->Change;
        const std::uint32_t overtaken = change.LeaderAfter == change.First ? change.Second : change.First;
        const QString critical = window->lbCritical->text();
        EXPECT_TRUE(critical.contains(QStringLiteral("«%1»").arg(Name(m, nearest->Position, nearest->Level))))
            << critical.toStdString();
        EXPECT_TRUE(critical.contains(QStringLiteral("с %1 до %2").arg(Cut4(nearest->From), Cut4(change.Weight))))
            << critical.toStdString();
        EXPECT_TRUE(critical.contains(
            Name(m, change.LeaderAfter, bottom) + QStringLiteral(" обгоняет ") + Name(m, overtaken, bottom)));

        // Every place change of every element of level 2, in the table beside the chart.
        for (std::uint32_t e = 0; e < 4; ++e) {
            window->cbElement->setCurrentIndex(static_cast<int>(e));
            const std::vector<CPlaceChange> changes = PlaceChanges(m, 2, e);
            ASSERT_EQ(window->tbCrossings->rowCount(), static_cast<int>(changes.size())) << e;
            for (std::size_t c = 0; c < changes.size(); ++c) {
                const int row = static_cast<int>(c);
                EXPECT_EQ(window->tbCrossings->item(row, 0)->text(), Cut4(changes[c].Weight));
                EXPECT_EQ(window->tbCrossings->item(row, 1)->text(),
                    Name(m, changes[c].First, bottom) + QStringLiteral(" и ") + Name(m, changes[c].Second, bottom));
                EXPECT_EQ(window->tbCrossings->item(row, 2)->text(), Name(m, changes[c].LeaderAfter, bottom));
            }
        }
        QTest::qWait(50); // the chart lays its axes out on a later turn of the loop
        judgetest::GrabToPng(window, QStringLiteral("TfmSensitivity-gradient"));

        // A drag moves the element, keeps the others' proportions and redraws the bars at once.
        window->tbViews->setCurrentIndex(1);
        const Vector present = Global(m, 2);
        QSlider* first = window->WeightSliders[0];
        const int start = first->value();
        Drag(first, 60);
        ASSERT_GT(first->value(), start + 100);
        const double x = static_cast<double>(first->value()) / TfmSensitivity::SliderSteps;
        const Vector moved = Moved(present, 0, x);
        for (std::uint32_t k = 0; k < 4; ++k) {
            EXPECT_EQ(window->WeightValues[k]->text(), Cut4(moved[k])) << k;
        }
        const Vector alternatives = Downward(m, 2, moved);
        std::array<double, MaxElementsPerLevel> core{};
        ASSERT_TRUE(
            AlternativesAt(AnalyseElement(SensitivityInputOf(m, project->Document().Results()), 2, 0), x, core.data()));
        for (std::uint32_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(window->MovedAlternative(i), alternatives[i], 1e-12);
            EXPECT_EQ(window->MovedAlternative(i), core[i]);
        }
        ExpectBars(window, m, alternatives);

        // A second element moves from where the first left the level.
        QSlider* third = window->WeightSliders[2];
        Drag(third, -40);
        const Vector again = Moved(moved, 2, static_cast<double>(third->value()) / TfmSensitivity::SliderSteps);
        EXPECT_EQ(window->WeightValues[0]->text(), Cut4(again[0]));
        EXPECT_EQ(window->WeightValues[3]->text(), Cut4(again[3]));
        ExpectBars(window, m, Downward(m, 2, again));
        QTest::qWait(50);
        judgetest::GrabToPng(window, QStringLiteral("TfmSensitivity-dynamic"));

        QTest::mouseClick(window->btReset, Qt::LeftButton);
        for (std::uint32_t k = 0; k < 4; ++k) {
            EXPECT_EQ(window->WeightValues[k]->text(), Cut4(present[k])) << k;
        }
        ExpectBars(window, m, Global(m, bottom));

        // Level 1 of the same window: its three elements.
        window->cbLevel->setCurrentIndex(0);
        EXPECT_EQ(window->cbElement->count(), 3);
        EXPECT_TRUE(window->WeightSliders[2]->isVisibleTo(window));
        EXPECT_FALSE(window->WeightSliders[3]->isVisibleTo(window));
        EXPECT_EQ(window->WeightValues[0]->text(), Cut4(Global(m, 1)[0]));
        checked = true;
        QTest::mouseClick(window->btClose, Qt::LeftButton);
    });
    item->trigger();
    EXPECT_TRUE(checked);
    // Nothing of the project changed.
    EXPECT_FALSE(project->Document().Modified());
    for (std::uint32_t k = 0; k < 3; ++k) {
        EXPECT_TRUE(m.Element(k, 2).Judgements == before[k]) << k;
    }
    Click("btCloseProject");
}
