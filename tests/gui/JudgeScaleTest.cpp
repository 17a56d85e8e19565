#include "JudgeTestSupport.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <map>

using namespace judgetest;

namespace {
struct CControlPlace {
    const char* Name;
    QRect Geometry;
};

TEST(ExpertScale, EveryControlAtItsPlaceWithTheFixedTexts)
{
    TfmExpertScale scale;
    EXPECT_EQ(scale.windowTitle(), QStringLiteral(" Качественная шкала"));
    EXPECT_EQ(scale.size(), QSize(372, 432));
    const CControlPlace places[] = {
        {"Bevel4", QRect(9, 5, 354, 122)},
        {"Bevel1", QRect(21, 13, 150, 22)},
        {"edObjectA", QRect(176, 13, 176, 21)},
        {"Bevel2", QRect(21, 40, 150, 22)},
        {"edObjectB", QRect(176, 41, 176, 21)},
        {"Bevel3", QRect(46, 71, 281, 20)},
        {"stUpperLevel", QRect(117, 98, 140, 20)},
        {"Bevel5", QRect(9, 134, 354, 282)},
        {"lbExpertScale", QRect(21, 143, 330, 254)},
        {"btOk", QRect(211, 406, 65, 21)},
        {"btCancel", QRect(278, 406, 65, 21)},
    };
    for (const CControlPlace& place : places) {
        const auto* control = scale.findChild<QWidget*>(QString::fromLatin1(place.Name));
        ASSERT_NE(control, nullptr) << place.Name;
        EXPECT_EQ(control->geometry(), place.Geometry) << place.Name;
    }
    EXPECT_EQ(scale.Label1->pos(), QPoint(24, 18));
    EXPECT_EQ(scale.Label2->pos(), QPoint(78, 45));
    EXPECT_EQ(scale.Label3->pos(), QPoint(65, 74));
    EXPECT_EQ(scale.Label1->text(), QStringLiteral(" Сравниваем объект  A"));
    EXPECT_EQ(scale.Label2->text(), QStringLiteral("с объектом  B"));
    EXPECT_EQ(scale.Label3->text(), QStringLiteral("Относительно объекта верхнего уровня"));
    EXPECT_TRUE(scale.Label1->font().bold());
    EXPECT_EQ(scale.btOk->text(), QStringLiteral("Да"));
    EXPECT_EQ(scale.btCancel->text(), QStringLiteral("Отмена"));
    EXPECT_TRUE(scale.edObjectA->isReadOnly());
    EXPECT_TRUE(scale.edObjectB->isReadOnly());

    const QFont font = scale.lbExpertScale->font();
    EXPECT_EQ(font.pixelSize(), 12);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.underline());
    ASSERT_EQ(scale.lbExpertScale->count(), ExpertScaleLineCount);
    for (int line = 0; line < ExpertScaleLineCount; ++line) {
        EXPECT_EQ(scale.lbExpertScale->item(line)->text(),
            QString::fromUtf8(ExpertScaleLines[static_cast<std::size_t>(line)].Text));
    }
    // A fresh scale offers equality.
    EXPECT_EQ(scale.lbExpertScale->currentRow(), 9);
    EXPECT_FALSE(scale.Accepted());
}

TEST(ExpertScale, LinesAreThirteenPixelsAndDrawnInTheirColours)
{
    TfmExpertScale scale;
    scale.SelectLine(9);
    scale.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&scale));
    QListWidget* list = scale.lbExpertScale;
    for (int line = 0; line < ExpertScaleLineCount; ++line) {
        EXPECT_EQ(list->visualItemRect(list->item(line)).height(), 13) << line;
    }
    // All nineteen lines fit the list without scrolling.
    EXPECT_LE(list->visualItemRect(list->item(18)).bottom(), list->viewport()->height());

    const QImage image = GrabToPng(&scale, QStringLiteral("TfmExpertScale"));
    ExpectTidyLayout(&scale);
    const QPoint origin = list->viewport()->mapTo(&scale, QPoint(0, 0));
    auto lineArea = [&](int line) { return list->visualItemRect(list->item(line)).translated(origin); };
    const std::pair<int, TColor> expected[] = {{0, clRed}, {1, clSilver}, {2, clPurple}, {3, clSilver}, {4, clBlue},
        {6, clGreen}, {9, clBlack}, {12, clGreen}, {14, clBlue}, {16, clPurple}, {17, clSilver}, {18, clRed}};
    for (const auto& [line, colour] : expected) {
        const QColor qcolour(ColorRed(colour), ColorGreen(colour), ColorBlue(colour));
        EXPECT_TRUE(AreaHasColour(image, lineArea(line), qcolour)) << "line " << line;
    }
    // Silver lines carry no red, the red lines no silver.
    EXPECT_FALSE(AreaHasColour(image, lineArea(1), QColor(255, 0, 0)));
    EXPECT_FALSE(AreaHasColour(image, lineArea(0), QColor(0xC0, 0xC0, 0xC0)));
    scale.hide();
}

// The selected line stays readable: its own colour on a light background, marked by a frame.
TEST(ExpertScale, TheSelectedLineKeepsItsColourOnALightBackground)
{
    // Relative luminance and contrast ratio, as the accessibility guidelines define them.
    const auto luminance = [](const QColor& colour) {
        const auto channel
            = [](double value) { return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
    };
    const auto contrast = [&](const QColor& a, const QColor& b) {
        const double la = luminance(a);
        const double lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    TfmExpertScale scale;
    scale.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&scale));
    QListWidget* list = scale.lbExpertScale;
    const QPoint origin = list->viewport()->mapTo(&scale, QPoint(0, 0));
    for (const auto& [line, colour] :
        {std::pair{1, clSilver}, std::pair{4, clBlue}, std::pair{16, clPurple}, std::pair{18, clRed}}) {
        scale.SelectLine(line);
        const QImage image = GrabToPng(&scale, QStringLiteral("TfmExpertScale_selected_%1").arg(line));
        const QRect area = list->visualItemRect(list->item(line)).translated(origin);
        std::map<QRgb, int> counts;
        for (int y = area.top() + 1; y < area.bottom(); ++y) {
            for (int x = area.left() + 1; x < area.right(); ++x) {
                ++counts[image.pixel(x, y)];
            }
        }
        const QColor background(std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first);
        const QColor text(ColorRed(colour), ColorGreen(colour), ColorBlue(colour));
        EXPECT_TRUE(AreaHasColour(image, area, text)) << "line " << line;
        EXPECT_GE(luminance(background), 0.85) << "line " << line << " on " << background.name().toStdString();
        EXPECT_GE(contrast(text, background), 0.9 * contrast(text, Qt::white)) << "line " << line;
        // Marked apart from its neighbour, which shows the plain background at the same place.
        const QRect neighbour = list->visualItemRect(list->item(line - 1)).translated(origin);
        EXPECT_NE(image.pixel(area.left(), area.center().y()), image.pixel(neighbour.left(), neighbour.center().y()))
            << "line " << line;
    }
    scale.hide();
}

// Value to line to value is the identity for every value the scale offers, through "Да".
TEST(ExpertScale, PreselectsTheStoredValueAndReturnsItOnYes)
{
    TfmExpertScale scale;
    for (const std::int32_t value : {9, 8, 7, 6, 5, 4, 3, 2, 1, -2, -3, -4, -5, -6, -7, -8, -9}) {
        scale.SelectLine(ScaleValueToLine(value));
        int shownLine = -1;
        WhenModal<TfmExpertScale>([&shownLine](TfmExpertScale* open) {
            shownLine = open->lbExpertScale->currentRow();
            QTest::mouseClick(open->btOk, Qt::LeftButton);
        });
        scale.exec();
        EXPECT_EQ(shownLine, ScaleValueToLine(value)) << value;
        EXPECT_TRUE(scale.Accepted()) << value;
        EXPECT_EQ(scale.ChosenValue(), value);
    }
    EXPECT_EQ(ScaleValueToLine(-5), 14);
    EXPECT_EQ(ScaleValueToLine(1), 9);
    EXPECT_EQ(ScaleValueToLine(0), 0);
}

TEST(ExpertScale, DoubleClickAcceptsTheLineUnderTheMouse)
{
    TfmExpertScale scale;
    WhenModal<TfmExpertScale>([](TfmExpertScale* open) { ChooseScaleLine(open, 14, true); });
    scale.exec();
    EXPECT_TRUE(scale.Accepted());
    EXPECT_EQ(scale.ChosenLine(), 14);
    EXPECT_EQ(scale.ChosenValue(), -5);
}

TEST(ExpertScale, EmptyLinesCannotBeAcceptedAndCancelReturnsNotAccepted)
{
    TfmExpertScale scale;
    scale.SelectLine(4);
    WhenModal<TfmExpertScale>([](TfmExpertScale* open) { QTest::mouseClick(open->btOk, Qt::LeftButton); });
    scale.exec();
    ASSERT_TRUE(scale.Accepted());

    bool stayedOpenOnYes = false;
    bool stayedOpenOnDoubleClick = false;
    bool stillAccepted = false;
    WhenModal<TfmExpertScale>([&](TfmExpertScale* open) {
        QListWidget* list = open->lbExpertScale;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(8)).center());
        QTest::mouseClick(open->btOk, Qt::LeftButton);
        stayedOpenOnYes = open->isVisible() && list->currentRow() == 8;
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(10)).center());
        stayedOpenOnDoubleClick = open->isVisible() && list->currentRow() == 10;
        stillAccepted = open->Accepted() && open->ChosenValue() == 5;
        QTest::mouseClick(open->btCancel, Qt::LeftButton);
    });
    scale.exec();
    EXPECT_TRUE(stayedOpenOnYes);
    EXPECT_TRUE(stayedOpenOnDoubleClick);
    EXPECT_TRUE(stillAccepted);
    EXPECT_FALSE(scale.Accepted());

    // "Отмена" after choosing a real line is still no judgement.
    WhenModal<TfmExpertScale>([](TfmExpertScale* open) {
        QListWidget* list = open->lbExpertScale;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        QTest::mouseClick(open->btCancel, Qt::LeftButton);
    });
    scale.exec();
    EXPECT_FALSE(scale.Accepted());
}

TEST(ExpertScale, NamesShownInCapitalsAfterTwoSpaces)
{
    TfmExpertScale scale;
    scale.SetObjectA(QStringLiteral("Цена"));
    scale.SetObjectB(QStringLiteral("качество"));
    scale.SetUpperName(QStringLiteral("ПОКУПКА"));
    EXPECT_EQ(scale.edObjectA->text(), QStringLiteral("  ЦЕНА"));
    EXPECT_EQ(scale.edObjectB->text(), QStringLiteral("  КАЧЕСТВО"));
    EXPECT_EQ(scale.stUpperLevel->text(), QStringLiteral("ПОКУПКА"));
}
} // namespace
