#include "judgement/TfmExpertForm.h"

#include "app/CAppWindows.h"
#include "judgement/CExpertTable_Element.h"
#include "judgement/ExpertScaleTable.h"
#include "judgement/TfmExpertScale.h"
#include "model/CUserProjectModel.h"
#include "results/LocalPriorities.h"
#include "results/NumberFormat.h"
#include "results/TfmAbsoluteMatrix.h"
#include "results/WidgetStyle.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr int TableTop = 90;
constexpr int RowStep = 22;

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, bool bold)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    if (bold) {
        StyleBoldLabel(label);
    } else {
        label->adjustSize();
    }
    return label;
}

QLabel* MakeValueText(QWidget* parent, const char* name)
{
    auto* text = new QLabel(QStringLiteral("Null"), parent);
    text->setObjectName(QString::fromLatin1(name));
    StyleStaticText(text, false);
    text->resize(50, 18);
    return text;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int width)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->resize(width, 21);
    button->setAutoDefault(false);
    return button;
}
} // namespace

TfmExpertForm::TfmExpertForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("fmExpertForm"));
    setWindowTitle(QStringLiteral("Работа эксперта"));
    setModal(true);
    QFont formFont = font();
    formFont.setPixelSize(11);
    setFont(formFont);
    Working.FillOnes();

    bvMainObjectBevel = new QFrame(this);
    bvMainObjectBevel->setObjectName(QStringLiteral("bvMainObjectBevel"));
    bvMainObjectBevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bvMainObjectBevel->resize(244, 61);
    lbText_1 = MakeLabel(this, "lbText_1", "Производим попарные сравнения ", true);
    lbText_2 = MakeLabel(this, "lbText_2", "относительно объекта ", true);
    stMainObjectName = MakeValueText(this, "stMainObjectName");
    stMainObjectName->setText(QStringLiteral("Имя объекта"));
    stMainObjectName->resize(120, 20);

    lbPriority = MakeLabel(this, "lbPriority", "Приоритет", true);
    lbOwnerValue = MakeLabel(this, "lbOwnerValue", "СЗ:", true);
    lbIS = MakeLabel(this, "lbIS", "ИС:", true);
    lbOS = MakeLabel(this, "lbOS", "ОС:", true);
    for (QLabel* label : {lbPriority, lbOwnerValue, lbIS, lbOS}) {
        label->hide();
    }
    stOwnerValue = MakeValueText(this, "stOwnerValue");
    stIS = MakeValueText(this, "stIS");
    stOS = MakeValueText(this, "stOS");

    btApply = MakeButton(this, "btApply", "Применить", 70);
    btOk = MakeButton(this, "btOk", "Закрыть", 70);
    btCancel = MakeButton(this, "btCancel", "Отмена", 70);
    btResearch = MakeButton(this, "btResearch", "Исследовать", 80);
    connect(btApply, &QPushButton::clicked, this, &TfmExpertForm::btApplyClick);
    connect(btOk, &QPushButton::clicked, this, &TfmExpertForm::btOkClick);
    connect(btCancel, &QPushButton::clicked, this, &TfmExpertForm::btCancelClick);
    connect(btResearch, &QPushButton::clicked, this, &TfmExpertForm::btResearchClick);

    CreateTable();
    // The size of the smallest table until the first showing sizes the window.
    setFixedSize(325, 234);
}

TfmExpertForm::~TfmExpertForm() = default;

void TfmExpertForm::CreateTable()
{
    for (std::uint32_t r = 0; r < MaxElementsPerLevel; ++r) {
        const int top = TableTop + RowStep * static_cast<int>(r);
        auto* name = new QLabel(this);
        name->setObjectName(QStringLiteral("RowNameLabel_%1").arg(r));
        StyleStaticText(name, false);
        name->setGeometry(25, top, 110, 20);
        RowNameLabels[r] = name;

        auto* priority = new QLabel(this);
        priority->setObjectName(QStringLiteral("PriorityLabel_%1").arg(r));
        StyleStaticText(priority, false);
        priority->resize(80, 20);
        PriorityLabels[r] = priority;

        for (std::uint32_t c = 0; c < MaxElementsPerLevel; ++c) {
            auto* cell = new CExpertTable_Element(this);
            cell->setObjectName(QStringLiteral("Cell_%1_%2").arg(r).arg(c));
            StyleStaticText(cell, true);
            cell->setGeometry(138 + 32 * static_cast<int>(c), top, 30, 20);
            if (r == c) {
                QPalette palette = cell->palette();
                palette.setColor(QPalette::WindowText, ToQColor(clGray));
                cell->setPalette(palette);
            }
            cell->Row = r;
            cell->Column = c;
            cell->setText(QStringLiteral("1"));
            connect(cell, &CExpertTable_Element::Pressed, this, &TfmExpertForm::CellPress);
            connect(cell, &CExpertTable_Element::DoubleClicked, this, &TfmExpertForm::CellDoubleClick);
            Cells[r][c] = cell;
        }
    }
}

void TfmExpertForm::JudgeElement(CUserProjectModel& project, QWidget* owner)
{
    // Every double-click marks the project changed, whatever follows.
    project.Modified = true;
    const std::uint32_t level = project.CurrentLevel;
    const std::uint32_t position = project.CurrentPosition;
    if (project.LevelCount == 0 || level + 1 >= project.LevelCount || level + 1 >= MaxLevels
        || position >= MaxElementsPerLevel) {
        return;
    }
    const std::uint32_t n = project.ElementsInLevel(level + 1);
    if (n == 0) {
        return;
    }
    Project = &project;
    JudgedPosition = position;
    JudgedLevel = level;
    Owner = owner;

    CHierarchy_Element& judged = project.Element(position, level);
    SetOrder(n);
    LoadJudgements(judged.Judgements);
    for (std::uint32_t k = 0; k < n; ++k) {
        SetRowName(k, QString::fromStdString(project.Element(k, level + 1).Name));
    }
    SetObjectName(QString::fromStdString(judged.Name));
    ComputeLocalPriorities(project, position, level, n);
    ComputeConsistency(project, position, level, n);
    ShowMeasuresOfJudged();

    exec();

    // Whatever button closed the window, the judgements entered stay in the element.
    judged.Judgements.AssignFrom(Working);
    Project = nullptr;
}

void TfmExpertForm::SetOrder(std::uint32_t n)
{
    MatrixOrder = n > MaxElementsPerLevel ? MaxElementsPerLevel : n;
}

void TfmExpertForm::LoadJudgements(const TMatrix<int>& judgements)
{
    const std::uint32_t rows = judgements.RowCountInUse();
    const std::uint32_t cols = judgements.ColCountInUse();
    for (std::uint32_t r = 0; r < MatrixOrder && r < rows; ++r) {
        for (std::uint32_t c = 0; c < MatrixOrder && c < cols; ++c) {
            Working(r, c) = judgements(r, c);
            SetCellText(r, c);
        }
    }
}

void TfmExpertForm::SetCellText(std::uint32_t r, std::uint32_t c)
{
    Cells[r][c]->setText(QString::fromStdString(JudgementCellText(Working(r, c))));
}

void TfmExpertForm::SetRowName(std::uint32_t k, const QString& name)
{
    if (k < MaxElementsPerLevel) {
        RowNameLabels[k]->setText(name);
    }
}

void TfmExpertForm::SetObjectName(const QString& name)
{
    stMainObjectName->setText(name);
}

void TfmExpertForm::ShowLambdaMax(double x)
{
    stOwnerValue->setText(TruncatedText(x, 4));
}

void TfmExpertForm::ShowCI(double x)
{
    stIS->setText(TruncatedText(x, 4));
}

void TfmExpertForm::ShowCR(double x)
{
    stOS->setText(TruncatedText(x, 4));
}

void TfmExpertForm::ShowPriorities(std::uint32_t n, const double* priorities)
{
    for (std::uint32_t k = 0; k < n && k < MaxElementsPerLevel; ++k) {
        Shown[k] = priorities[k];
        PriorityLabels[k]->setText(TruncatedText(priorities[k], 4));
    }
}

void TfmExpertForm::ShowMeasuresOfJudged()
{
    const TDesicionLevelData& record = Project->LevelDataGrid[JudgedPosition][JudgedLevel];
    ShowLambdaMax(record.LambdaMax);
    ShowCI(record.CI);
    ShowCR(record.CR);
    ShowPriorities(MatrixOrder, record.Priority.data());
}

void TfmExpertForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TfmExpertForm::FormShow()
{
    const auto n = static_cast<int>(MatrixOrder == 0 ? 2 : MatrixOrder);
    for (int r = 0; r < n; ++r) {
        RowNameLabels[static_cast<std::size_t>(r)]->show();
        for (int c = 0; c < n; ++c) {
            Cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]->show();
        }
    }
    lbPriority->move(30 * n + 173, 75);
    for (int k = 0; k < n; ++k) {
        QLabel* label = PriorityLabels[static_cast<std::size_t>(k)];
        label->move(30 * n + 165, TableTop + RowStep * k);
        label->show();
    }
    const int y = RowNameLabels[static_cast<std::size_t>(n - 1)]->y() + 30;
    lbOwnerValue->move(25, y);
    stOwnerValue->move(50, y - 3);
    lbIS->move(25, y + 20);
    stIS->move(50, y + 17);
    lbOS->move(25, y + 40);
    stOS->move(50, y + 37);
    for (QWidget* widget : {static_cast<QWidget*>(lbPriority), static_cast<QWidget*>(lbOwnerValue),
             static_cast<QWidget*>(lbIS), static_cast<QWidget*>(lbOS), static_cast<QWidget*>(stOwnerValue),
             static_cast<QWidget*>(stIS), static_cast<QWidget*>(stOS), static_cast<QWidget*>(stMainObjectName)}) {
        widget->show();
    }
    update();

    const int width = PriorityLabels[0]->x() + 100;
    const int height = stOS->y() + 55;
    setFixedSize(width, height);

    btApply->move(stOwnerValue->x() + 80, stOwnerValue->y());
    btOk->move(stIS->x() + 80, stIS->y() + 2);
    btCancel->move(stOS->x() + 80, stOS->y() + 4);
    btResearch->move(PriorityLabels[0]->x() + 1, stIS->y() + 1);

    const int centre = width / 2;
    lbText_1->move(centre - lbText_1->width() / 2, 10);
    lbText_2->move(centre - lbText_2->width() / 2, 25);
    stMainObjectName->move(centre - stMainObjectName->width() / 2, lbText_2->y() + 17);
    bvMainObjectBevel->move(lbText_1->x() - 20, lbText_1->y() - 3);

    // Centred on the main window.
    const QWidget* main = Owner != nullptr ? Owner->window() : nullptr;
    if (main != nullptr && main != this) {
        const QRect frame = frameGeometry();
        const int dx = frame.width() - width;
        const int dy = frame.height() - height;
        const QPoint centreOfMain = main->frameGeometry().center();
        move(centreOfMain.x() - (width + dx) / 2, centreOfMain.y() - (height + dy) / 2);
    }
}

void TfmExpertForm::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    for (std::uint32_t k = 0; k < MaxElementsPerLevel; ++k) {
        const QLabel* name = RowNameLabels[k];
        if (name->isVisibleTo(this)) {
            DrawTableNumber(painter, name->x() - 15, name->y() + 4, static_cast<int>(k) + 1);
        }
        const QLabel* column = Cells[0][k];
        if (column->isVisibleTo(this)) {
            DrawTableNumber(painter, column->x() + 10, column->y() - 15, static_cast<int>(k) + 1);
        }
    }
}

void TfmExpertForm::FormClose()
{
    for (std::uint32_t r = 0; r < MaxElementsPerLevel; ++r) {
        RowNameLabels[r]->hide();
        PriorityLabels[r]->hide();
        for (std::uint32_t c = 0; c < MaxElementsPerLevel; ++c) {
            Cells[r][c]->hide();
        }
    }
    for (QLabel* label : {lbPriority, lbOwnerValue, lbIS, lbOS, stOwnerValue, stIS, stOS}) {
        label->hide();
    }
    btResearch->setEnabled(true);
}

void TfmExpertForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TfmExpertForm::CellPress(CExpertTable_Element* cell)
{
    CurrentCellRow = cell->Row;
    CurrentCellColumn = cell->Column;
    update();
}

void TfmExpertForm::CellDoubleClick(CExpertTable_Element* cell)
{
    CellPress(cell);
    const std::uint32_t r = CurrentCellRow;
    const std::uint32_t c = CurrentCellColumn;
    TfmExpertScale* scale = AppWindows().ExpertScale;
    if (r == c || r >= MatrixOrder || c >= MatrixOrder || scale == nullptr) {
        return;
    }
    const QString upper = Project != nullptr
        ? QString::fromStdString(Project->Element(JudgedPosition, JudgedLevel).Name)
        : stMainObjectName->text();
    scale->SetUpperName(upper);
    scale->SetObjectA(RowNameLabels[r]->text());
    scale->SetObjectB(RowNameLabels[c]->text());
    scale->SelectLine(ScaleValueToLine(Working(r, c)));
    scale->exec();
    if (!scale->Accepted()) {
        return;
    }
    const std::int32_t v = scale->ChosenValue();
    // The mirror cell holds the same judgement seen from the other side.
    Working(r, c) = v;
    Working(c, r) = v == 1 ? 1 : -v;
    SetCellText(r, c);
    SetCellText(c, r);
}

void TfmExpertForm::btApplyClick()
{
    if (Project == nullptr) {
        return;
    }
    const std::uint32_t n = Project->ElementsInLevel(JudgedLevel + 1);
    Project->Element(JudgedPosition, JudgedLevel).Judgements.AssignFrom(Working);
    ComputeLocalPriorities(*Project, JudgedPosition, JudgedLevel, n);
    ComputeConsistency(*Project, JudgedPosition, JudgedLevel, n);
    ShowMeasuresOfJudged();
    // An open research window follows the applied judgements.
    if (TfmAbsoluteMatrix* research = AppWindows().AbsoluteMatrix; research != nullptr) {
        research->FillDeviations(Working, Shown.data());
    }
}

void TfmExpertForm::btOkClick()
{
    if (ResearchIsOpen) {
        if (TfmAbsoluteMatrix* research = AppWindows().AbsoluteMatrix; research != nullptr) {
            research->close();
        }
    }
    ResearchIsOpen = false;
    accept();
}

void TfmExpertForm::btCancelClick()
{
    reject();
}

void TfmExpertForm::btResearchClick()
{
    TfmAbsoluteMatrix* research = AppWindows().AbsoluteMatrix;
    if (research == nullptr) {
        return;
    }
    btResearch->setEnabled(false);
    ResearchIsOpen = true;
    connect(research, &TfmAbsoluteMatrix::ClosedByUser, this, &TfmExpertForm::EnableResearch, Qt::UniqueConnection);
    research->SetMatrixOrder(MatrixOrder);
    research->SetRowNames(MatrixOrder, RowNameLabels);
    research->FillDeviations(Working, Shown.data());
    research->ShowBeside(this);
}

void TfmExpertForm::EnableResearch()
{
    btResearch->setEnabled(true);
}

void JudgeElement(CUserProjectModel& project, QWidget* owner)
{
    if (TfmExpertForm* form = AppWindows().ExpertForm; form != nullptr) {
        form->JudgeElement(project, owner);
    }
}
