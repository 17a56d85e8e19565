#include "results/TfmAbsoluteMatrix.h"

#include "results/CAbsouteMatrixTable_Element.h"
#include "results/Deviations.h"
#include "results/WidgetStyle.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextCursor>

namespace {
constexpr int HeaderLeft = 25;
constexpr int TableTop = 30;
constexpr int RowStep = 22;
constexpr Qt::WindowFlags ResearchWindowFlags
    = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;

int SumLeft(std::uint32_t n)
{
    return static_cast<int>(n) * 40 + 170;
}
} // namespace

TfmAbsoluteMatrix::TfmAbsoluteMatrix(QWidget* parent)
    : QWidget(parent, ResearchWindowFlags)
{
    setObjectName(QStringLiteral("fmAbsoluteMatrix"));
    setWindowTitle(QStringLiteral("Улучшение согласованности исходных данных"));
    QFont formFont = font();
    formFont.setPixelSize(11);
    setFont(formFont);
    setFixedSize(496, 331);

    lbTrInfo = new QLabel(QStringLiteral("Список нарушений условия транзитивности"), this);
    lbTrInfo->setObjectName(QStringLiteral("lbTrInfo"));
    lbTrInfo->adjustSize();
    lbSummName = new QLabel(QStringLiteral("Сумма"), this);
    lbSummName->setObjectName(QStringLiteral("lbSummName"));
    StyleBoldLabel(lbSummName);
    lbSummName->hide();
    mmUserTransInfo = new QPlainTextEdit(this);
    mmUserTransInfo->setObjectName(QStringLiteral("mmUserTransInfo"));
    mmUserTransInfo->setReadOnly(true);
    mmUserTransInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    mmUserTransInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmUserTransInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmUserTransInfo->resize(321, 113);
    btClose = new QPushButton(QStringLiteral("Закрыть"), this);
    btClose->setObjectName(QStringLiteral("btClose"));
    btClose->resize(75, 21);
    btClose->setAutoDefault(false);
    connect(btClose, &QPushButton::clicked, this, &TfmAbsoluteMatrix::btCloseClick);

    for (std::uint32_t i = 0; i < MaxElementsPerLevel; ++i) {
        const int top = TableTop + RowStep * static_cast<int>(i);
        auto* header = new QLabel(this);
        header->setObjectName(QStringLiteral("RowHeader_%1").arg(i));
        StyleStaticText(header, false);
        header->setGeometry(HeaderLeft, top, 110, 20);
        RowHeaders[i] = header;
        for (std::uint32_t j = 0; j < MaxElementsPerLevel; ++j) {
            auto* cell = new CAbsouteMatrixTable_Element(this);
            cell->setObjectName(QStringLiteral("Deviation_%1_%2").arg(i).arg(j));
            StyleStaticText(cell, true);
            cell->setGeometry(140 + 42 * static_cast<int>(j), top, 40, 20);
            if (i == j) {
                QPalette palette = cell->palette();
                palette.setColor(QPalette::WindowText, ToQColor(clGray));
                cell->setPalette(palette);
            }
            DeviationCells[i][j] = cell;
        }
        auto* sum = new QLabel(this);
        sum->setObjectName(QStringLiteral("RowSum_%1").arg(i));
        StyleStaticText(sum, false);
        sum->resize(55, 20);
        RowSums[i] = sum;
    }
}

TfmAbsoluteMatrix::~TfmAbsoluteMatrix() = default;

void TfmAbsoluteMatrix::SetMatrixOrder(std::uint32_t n)
{
    Order = n > MaxElementsPerLevel ? MaxElementsPerLevel : n;
}

void TfmAbsoluteMatrix::SetRowNames(std::uint32_t n, const std::array<QLabel*, MaxElementsPerLevel>& names)
{
    for (std::uint32_t i = 0; i < n && i < MaxElementsPerLevel; ++i) {
        RowHeaders[i]->setText(names[i] != nullptr ? names[i]->text() : QString());
    }
}

void TfmAbsoluteMatrix::FillDeviations(const TMatrix<int>& judgements, const double* priorities)
{
    if (Order == 0) {
        return;
    }
    const CDeviationTable table = ComputeDeviations(judgements, Order, priorities);
    for (std::uint32_t i = 0; i < table.Order; ++i) {
        for (std::uint32_t j = 0; j < table.Order; ++j) {
            DeviationCells[i][j]->setText(TruncatedText(table.Deviation[i][j], 2));
        }
        RowSums[i]->setText(TruncatedText(table.RowSum[i], 2));
    }
    BuildTransitivityReport(judgements);
}

void TfmAbsoluteMatrix::BuildTransitivityReport(const TMatrix<int>& judgements)
{
    const CTransitivityReport report = ::BuildTransitivityReport(judgements, Order);
    mmUserTransInfo->clear();
    QFont memoFont = mmUserTransInfo->font();
    // The platform's sans-serif runs wider than the type this memo was sized for;
    // its condensed face keeps the whole "none" line inside the memo.
    memoFont.setStretch(QFont::Condensed);
    if (report.None) {
        memoFont.setPointSize(8);
        memoFont.setBold(false);
        mmUserTransInfo->setFont(memoFont);
        mmUserTransInfo->appendPlainText(QString::fromUtf8(NoTransitivityViolationText));
        ShowMemoFromStart();
        return;
    }
    memoFont.setPointSize(10);
    memoFont.setBold(true);
    mmUserTransInfo->setFont(memoFont);
    for (const std::string& line : report.Lines) {
        mmUserTransInfo->appendPlainText(QString::fromStdString(line));
    }
    ShowMemoFromStart();
}

void TfmAbsoluteMatrix::ShowMemoFromStart()
{
    mmUserTransInfo->moveCursor(QTextCursor::Start);
    mmUserTransInfo->horizontalScrollBar()->setValue(0);
    mmUserTransInfo->verticalScrollBar()->setValue(0);
}

void TfmAbsoluteMatrix::ShowBeside(QWidget* comparisonWindow)
{
    if (comparisonWindow != nullptr && parentWidget() != comparisonWindow) {
        // A child window of the modal comparison window is not blocked by it.
        setParent(comparisonWindow, ResearchWindowFlags);
    }
    FormShow();
    if (comparisonWindow != nullptr) {
        const QRect beside = comparisonWindow->frameGeometry();
        QPoint at(beside.right() + 8, beside.top());
        if (const QScreen* screen = comparisonWindow->screen(); screen != nullptr) {
            const QRect available = screen->availableGeometry();
            if (at.x() + frameGeometry().width() > available.right()) {
                at.setX(beside.left() - frameGeometry().width() - 8);
            }
            at.setX(std::max(at.x(), available.left()));
        }
        move(at);
    }
    show();
    raise();
    activateWindow();
}

void TfmAbsoluteMatrix::showEvent(QShowEvent* event)
{
    FormShow();
    QWidget::showEvent(event);
}

void TfmAbsoluteMatrix::FormShow()
{
    const std::uint32_t n = Order;
    if (n == 0) {
        return;
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        RowHeaders[i]->show();
        RowSums[i]->move(SumLeft(n), RowHeaders[0]->y() + RowStep * static_cast<int>(i));
        RowSums[i]->show();
        for (std::uint32_t j = 0; j < n; ++j) {
            DeviationCells[i][j]->show();
        }
    }
    lbSummName->show();
    update();
    const QLabel* last = RowHeaders[n - 1];
    lbTrInfo->move(last->x(), last->y() + 30);
    mmUserTransInfo->move(last->x(), last->y() + 50);
    btClose->move(mmUserTransInfo->x(), mmUserTransInfo->y() + mmUserTransInfo->height() + 15);
    lbSummName->move(static_cast<int>(n) * 40 + 177, RowHeaders[0]->y() - 15);
    const int memoRight = mmUserTransInfo->x() + mmUserTransInfo->width();
    const int sumRight = RowSums[0]->x() + RowSums[0]->width();
    const int width = memoRight > sumRight + 20 ? memoRight + 30 : sumRight + 20;
    setFixedSize(width, btClose->y() + 60);
}

void TfmAbsoluteMatrix::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    for (std::uint32_t i = 0; i < MaxElementsPerLevel && RowHeaders[i]->isVisibleTo(this); ++i) {
        DrawTableNumber(painter, RowHeaders[i]->x() - 15, RowHeaders[i]->y() + 4, static_cast<int>(i) + 1);
    }
    const int half = DeviationCells[0][0]->width() / 2;
    for (std::uint32_t j = 0; j < MaxElementsPerLevel && DeviationCells[0][j]->isVisibleTo(this); ++j) {
        const QLabel* cell = DeviationCells[0][j];
        DrawTableNumber(painter, cell->x() + half - 5, cell->y() - 15, static_cast<int>(j) + 1);
    }
}

void TfmAbsoluteMatrix::FormClose()
{
    for (std::uint32_t i = 0; i < MaxElementsPerLevel; ++i) {
        RowHeaders[i]->hide();
        RowSums[i]->hide();
        for (std::uint32_t j = 0; j < MaxElementsPerLevel; ++j) {
            DeviationCells[i][j]->hide();
        }
    }
    lbSummName->hide();
}

void TfmAbsoluteMatrix::closeEvent(QCloseEvent* event)
{
    // A later opening with a smaller order shows no stale cells.
    FormClose();
    event->accept();
}

void TfmAbsoluteMatrix::btCloseClick()
{
    close();
    emit ClosedByUser();
}
