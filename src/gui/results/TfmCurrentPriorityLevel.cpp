#include "gui/results/TfmCurrentPriorityLevel.h"

#include "core/model/CUserProjectModel.h"
#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"
#include "gui/results/DialogButtons.h"
#include "gui/results/PieFilling.h"
#include "gui/widgets/WidgetStyle.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFrame>
#include <QLabel>
#include <QPieSeries>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace {
// A bold caption at its place; the text already in the interface's language.
QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text, const QPoint& at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    StyleBoldLabel(label);
    label->move(at);
    return label;
}
} // namespace

TfmCurrentPriorityLevel::TfmCurrentPriorityLevel(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("fmCurrentPriorityLevel"));
    setWindowTitle(tr("Приоритеты текущего уровня"));
    setModal(true);
    QFont formFont = font();
    formFont.setPixelSize(11);
    setFont(formFont);
    setFixedSize(631, 383);

    Bevel2 = MakeBevel(this, "Bevel2", QRect(4, 5, 218, 341));
    Bevel1 = MakeBevel(this, "Bevel1", QRect(224, 5, 404, 341));
    //: The level's number follows in a label of its own
    Label1 = MakeCaption(this, "Label1", tr("Номер текущего уровня - "), QPoint(28, 18));
    // The platform's bold face is wider than the one the window was drawn for:
    // the number keeps its place unless the caption before it would run into it.
    lbLevelNum = MakeCaption(
        this, "lbLevelNum", QStringLiteral("1"), QPoint(std::max(185, Label1->geometry().right() + 4), 18));
    lbNameObject = MakeCaption(this, "lbNameObject", tr("Наименование"), QPoint(22, 64));
    lbPriorityValue = MakeCaption(this, "lbPriorityValue", tr("Приоритет"), QPoint(144, 64));

    Series1 = new QPieSeries();
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setPieSize(PieSize);
    chPriorityChart = MakePieChartView(this, Series1, 5);
    // Smaller than that when the slice labels need the room to show whole.
    connect(chPriorityChart->chart(), &QChart::plotAreaChanged, this,
        [this] { ShrinkPieToItsLabels(chPriorityChart, Series1, PieSize); });
    connect(Series1, &QPieSeries::hovered, this,
        [this](QPieSlice* slice, bool over) { chPriorityChart->setToolTip(over ? SliceName(slice) : QString()); });
    chPriorityChart->setObjectName(QStringLiteral("chPriorityChart"));
    chPriorityChart->setGeometry(228, 8, 397, 329);

    btPreviouseData = MakeStepButton(this, "btPreviouseData", tr("Предыдущий уровень"), Qt::LeftArrow);
    btPreviouseData->setGeometry(408, 351, 25, 21);
    btNextData = MakeStepButton(this, "btNextData", tr("Следующий уровень"), Qt::RightArrow);
    btNextData->setGeometry(435, 351, 25, 21);
    connect(btPreviouseData, &QToolButton::clicked, this, &TfmCurrentPriorityLevel::btPreviouseDataClick);
    connect(btNextData, &QToolButton::clicked, this, &TfmCurrentPriorityLevel::btNextDataClick);
    btClose = new QPushButton(tr("Закрыть"), this);
    btClose->setObjectName(QStringLiteral("btClose"));
    btClose->setGeometry(85, 353, 65, 21);
    btClose->setAutoDefault(false);
    connect(btClose, &QPushButton::clicked, this, &TfmCurrentPriorityLevel::btCloseClick);

    for (std::uint32_t i = 0; i < MaxElementsPerLevel; ++i) {
        const int offset = 20 + 23 * static_cast<int>(i);
        auto* name = new QLabel(this);
        name->setObjectName(QStringLiteral("NameCell_%1").arg(i));
        StyleStaticText(name, false);
        name->setGeometry(10, lbNameObject->y() + offset, 110, 20);
        NameCells[i] = name;
        auto* value = new QLabel(this);
        value->setObjectName(QStringLiteral("ValueCell_%1").arg(i));
        StyleStaticText(value, false);
        value->setGeometry(lbPriorityValue->x() - 10, lbPriorityValue->y() + offset, 80, 20);
        ValueCells[i] = value;
    }
}

TfmCurrentPriorityLevel::~TfmCurrentPriorityLevel() = default;

void TfmCurrentPriorityLevel::SetLevelRange(std::uint32_t level, std::uint32_t count)
{
    LevelNumber = level;
    LevelCount = count;
}

void TfmCurrentPriorityLevel::ShowLevelPriorities(
    const CUserProjectModel& project, const CProjectResults& results, std::uint32_t level, ESynthesisMode mode)
{
    Project = &project;
    Results = &results;
    Mode = mode;
    std::uint32_t shown = level == 0 ? 1U : level;
    if (shown >= project.LevelCount()) {
        shown = project.LevelCount() == 0 ? 0U : project.LevelCount() - 1;
    }
    if (shown == 0 || shown >= MaxLevels) {
        return;
    }
    // Only the alternatives differ between the two syntheses.
    const bool ideal = mode == ESynthesisMode::Ideal && shown + 1 == project.LevelCount();
    setWindowTitle(QString::fromStdString(WithSynthesisMode(
        tr("Приоритеты текущего уровня").toStdString(), ideal ? ESynthesisMode::Ideal : ESynthesisMode::Distributive)));
    ShowResults(LevelResults(project, results, shown, mode));
}

void TfmCurrentPriorityLevel::FillLevelPriorities(
    std::uint32_t m, const std::vector<double>& values, const std::vector<std::string>& names)
{
    CResultList list;
    list.Count = std::min(
        {m, MaxElementsPerLevel, static_cast<std::uint32_t>(values.size()), static_cast<std::uint32_t>(names.size())});
    for (std::uint32_t i = 0; i < list.Count; ++i) {
        list.Rows[i].Name = names[i];
        list.Rows[i].Value = values[i];
        list.Rows[i].Position = i;
    }
    OrderResults(list);
    ShowResults(list);
}

void TfmCurrentPriorityLevel::ShowResults(const CResultList& list)
{
    for (std::uint32_t i = 0; i < MaxElementsPerLevel; ++i) {
        NameCells[i]->hide();
        ValueCells[i]->hide();
    }
    for (std::uint32_t i = 0; i < list.Count; ++i) {
        SetFittedText(NameCells[i], QString::fromStdString(list.Rows[i].Name));
        ValueCells[i]->setText(TruncatedText(list.Rows[i].Value, 4));
        NameCells[i]->show();
        ValueCells[i]->show();
    }
    lbLevelNum->setText(QString::number(LevelNumber));
    lbLevelNum->adjustSize();
    FillPie(Series1, list);
    for (QPieSlice* slice : Series1->slices()) {
        slice->setLabelArmLengthFactor(0.08);
    }
    ShrinkPieToItsLabels(chPriorityChart, Series1, PieSize);
}

void TfmCurrentPriorityLevel::btPreviouseDataClick()
{
    LevelNumber = LevelNumber - 1;
    if (LevelNumber == 0) {
        LevelNumber = 1;
        return;
    }
    if (Project != nullptr && Results != nullptr) {
        ShowLevelPriorities(*Project, *Results, LevelNumber, Mode);
    }
}

void TfmCurrentPriorityLevel::btNextDataClick()
{
    LevelNumber = LevelNumber + 1;
    if (LevelNumber >= LevelCount) {
        LevelNumber = LevelCount == 0 ? 0U : LevelCount - 1;
        return;
    }
    if (Project != nullptr && Results != nullptr) {
        ShowLevelPriorities(*Project, *Results, LevelNumber, Mode);
    }
}

void TfmCurrentPriorityLevel::btCloseClick()
{
    accept();
}

void TfmCurrentPriorityLevel::showEvent(QShowEvent* event)
{
    // Centred on its owner: the project's frame.
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : QApplication::activeWindow();
    if (owner != nullptr && owner != this) {
        const QRect frame = frameGeometry();
        move(owner->frameGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    QDialog::showEvent(event);
}
