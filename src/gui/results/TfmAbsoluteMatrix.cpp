#include "gui/results/TfmAbsoluteMatrix.h"

#include "core/judgement/CJudgingSession.h"
#include "core/results/Deviations.h"
#include "core/results/ReportContent.h"
#include "gui/results/CAbsouteMatrixTable_Element.h"
#include "gui/widgets/WidgetStyle.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextCursor>

#include <algorithm>

namespace {
constexpr int HeaderLeft = 25;
constexpr int TableTop = 30;
constexpr int RowStep = 22;
// The verdict and suggestions under the memo.
constexpr int SectionGap = 12;
constexpr int AcceptWidth = 75;
constexpr int AcceptHeight = 21;
constexpr int SuggestionStep = 25;
// Between the comparison window and this one.
constexpr int WindowGap = 8;
constexpr Qt::WindowFlags ResearchWindowFlags
    = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;

int SumLeft(std::uint32_t n)
{
    return static_cast<int>(n) * 40 + 170;
}

QLabel* MakeSectionLabel(QWidget* parent, const char* name, bool bold)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    if (bold) {
        StyleBoldLabel(label);
    }
    label->hide();
    return label;
}

// Frame positions of the comparison window and of this one, both inside the screen.
struct CBesidePlaces {
    QPoint Comparison;
    QPoint Research;
};

// On the side with room, the right one when both have it; when neither has, the
// comparison window moves aside as far as needed and the screen allows, the shorter
// way. Should the two together be wider than the screen, the comparison window keeps
// to the left edge and this window to the right one, so that it covers the far side
// of the comparison window (its priorities), not its measures and buttons.
CBesidePlaces PlaceBeside(const QRect& comparison, const QSize& research, const QRect& screen)
{
    const int need = research.width() + WindowGap;
    const int roomRight = screen.right() - comparison.right();
    const int roomLeft = comparison.left() - screen.left();
    bool right = true;
    if (need > roomRight) {
        const bool pairFits = comparison.width() + need <= screen.width();
        right = need > roomLeft && (!pairFits || roomRight >= roomLeft);
    }
    CBesidePlaces places{comparison.topLeft(), {}};
    if (right) {
        const int shift = need > roomRight ? std::min(need - roomRight, std::max(roomLeft, 0)) : 0;
        places.Comparison.rx() -= shift;
        const int x = places.Comparison.x() + comparison.width() + WindowGap;
        places.Research.setX(std::min(x, screen.right() + 1 - research.width()));
    } else {
        const int shift = need > roomLeft ? std::min(need - roomLeft, std::max(roomRight, 0)) : 0;
        places.Comparison.rx() += shift;
        places.Research.setX(places.Comparison.x() - WindowGap - research.width());
    }
    places.Research.setX(std::max(places.Research.x(), screen.left()));
    const int y = std::min(comparison.top(), screen.bottom() + 1 - research.height());
    places.Research.setY(std::max(y, screen.top()));
    return places;
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
    lbTrInfo->setBuddy(mmUserTransInfo); // the memo's name for a screen reader
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

    lbVerdict = MakeSectionLabel(this, "lbVerdict", true);
    lbVerdict->setWordWrap(true);
    lbRatioLimit = MakeSectionLabel(this, "lbRatioLimit", false);
    lbGeometricLimit = MakeSectionLabel(this, "lbGeometricLimit", false);
    lbSuggestions = MakeSectionLabel(this, "lbSuggestions", true);
    for (std::uint32_t k = 0; k < MaxSuggestions; ++k) {
        auto* accept = new QPushButton(QStringLiteral("Принять"), this);
        accept->setObjectName(QStringLiteral("btAcceptSuggestion_%1").arg(k));
        accept->resize(AcceptWidth, AcceptHeight);
        accept->setAutoDefault(false);
        accept->hide();
        connect(accept, &QPushButton::clicked, this, [this, k] { AcceptSuggestionClick(k); });
        AcceptButtons[k] = accept;
        SuggestionLines[k] = MakeSectionLabel(this, "", false);
        SuggestionLines[k]->setObjectName(QStringLiteral("lbSuggestion_%1").arg(k));
    }
}

TfmAbsoluteMatrix::~TfmAbsoluteMatrix() = default;

void TfmAbsoluteMatrix::SetMatrixOrder(std::uint32_t n)
{
    // Left open, the window still shows the previous order's table.
    FormClose();
    Order = n > MaxElementsPerLevel ? MaxElementsPerLevel : n;
}

void TfmAbsoluteMatrix::SetRowNames(const CJudgingSession& session)
{
    for (std::uint32_t i = 0; i < session.Order() && i < MaxElementsPerLevel; ++i) {
        RowHeaders[i]->setText(QString::fromStdString(session.ComparedName(i)));
    }
}

void TfmAbsoluteMatrix::FillDeviations(const CJudgementMatrix& judgements, const double* priorities)
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

void TfmAbsoluteMatrix::BuildTransitivityReport(const CJudgementMatrix& judgements)
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

void TfmAbsoluteMatrix::ShowGuidance(const CJudgingSession& session)
{
    const CConsistencyGuidance& guidance = session.Suggestions().Offered();
    const CConsistencyText text = ConsistencyText(guidance, DecimalSeparator());
    const auto showLine = [](QLabel* label, const std::string& line) {
        if (!line.empty()) {
            label->setText(QString::fromStdString(line));
        }
        label->setVisible(!line.empty());
    };
    showLine(lbVerdict, text.Verdict);
    showLine(lbRatioLimit, text.RatioLimit);
    showLine(lbGeometricLimit, text.GeometricLimit);
    showLine(lbSuggestions, text.SuggestionsHeading);
    const bool measured = !text.SuggestionsHeading.empty();
    for (std::uint32_t k = 0; k < MaxSuggestions; ++k) {
        const bool shown = measured && k < guidance.SuggestionCount;
        if (shown) {
            const CSuggestion& suggestion = guidance.Suggestions[k];
            SuggestionLines[k]->setText(SuggestionText(suggestion, session));
            SuggestionLines[k]->setToolTip(QString::fromStdString(SuggestionDescription(suggestion,
                session.ComparedName(suggestion.Row), session.ComparedName(suggestion.Column), DecimalSeparator())));
        }
        SuggestionLines[k]->setVisible(shown);
        AcceptButtons[k]->setVisible(shown);
    }
    ShowAcceptState(session);
    if (isVisible()) {
        FormShow();
    }
}

QString TfmAbsoluteMatrix::SuggestionText(const CSuggestion& suggestion, const CJudgingSession& session) const
{
    // Long names are shortened to the width of the row headers; the tooltip has them whole.
    const QFontMetrics metrics(SuggestionLines[0]->font());
    const int nameWidth = RowHeaders[0]->width();
    auto shortened = [&](std::uint32_t row) {
        return metrics.elidedText(QString::fromStdString(session.ComparedName(row)), Qt::ElideRight, nameWidth)
            .toStdString();
    };
    return QString::fromStdString(
        ::SuggestionText(suggestion, shortened(suggestion.Row), shortened(suggestion.Column), DecimalSeparator()));
}

void TfmAbsoluteMatrix::ShowAcceptState(const CJudgingSession& session)
{
    for (std::uint32_t k = 0; k < MaxSuggestions; ++k) {
        const bool accepted = session.Suggestions().IsAccepted(k);
        AcceptButtons[k]->setText(accepted ? QStringLiteral("Принято") : QStringLiteral("Принять"));
        // Every button reads the same; a screen reader hears which change it accepts.
        const QString change = SuggestionLines[k]->toolTip();
        AcceptButtons[k]->setAccessibleName(
            change.isEmpty() ? QString() : AcceptButtons[k]->text() + QStringLiteral(": ") + change);
        AcceptButtons[k]->setEnabled(session.CanAcceptSuggestion(k));
    }
}

void TfmAbsoluteMatrix::AcceptSuggestionClick(std::uint32_t index)
{
    // The judging accepts it and has this window show so, disabling the button before the
    // comparison window takes the keyboard back.
    emit SuggestionAccepted(index);
}

void TfmAbsoluteMatrix::ShowBeside(QWidget* comparisonWindow)
{
    if (comparisonWindow != nullptr && parentWidget() != comparisonWindow) {
        // A child window of the modal comparison window is not blocked by it.
        setParent(comparisonWindow, ResearchWindowFlags);
    }
    FormShow();
    if (comparisonWindow != nullptr && comparisonWindow->screen() != nullptr) {
        const QRect comparison = comparisonWindow->frameGeometry();
        // Before its first showing this window has no frame yet: take the comparison
        // window's, the same kind of window.
        const QSize frame = comparison.size() - comparisonWindow->size();
        const CBesidePlaces places
            = PlaceBeside(comparison, size() + frame, comparisonWindow->screen()->availableGeometry());
        if (places.Comparison != comparison.topLeft()) {
            comparisonWindow->move(places.Comparison);
        }
        move(places.Research);
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
    lbSummName->move(static_cast<int>(n) * 40 + 177, RowHeaders[0]->y() - 15);
    const int memoRight = mmUserTransInfo->x() + mmUserTransInfo->width();
    const int sumRight = RowSums[0]->x() + RowSums[0]->width();
    const int tableWidth = memoRight > sumRight + 20 ? memoRight + 30 : sumRight + 20;
    // The section under the memo takes the width the table leaves (with the memo's
    // margin) and widens the window only for a suggestion line that needs more.
    const int memoBottom = mmUserTransInfo->y() + mmUserTransInfo->height();
    const QRect section = PlaceGuidance(memoBottom + SectionGap, tableWidth - mmUserTransInfo->x() - 30);
    const int above = section.height() > 0 ? section.y() + section.height() : memoBottom;
    btClose->move(mmUserTransInfo->x(), above + 15);
    const int width = std::max(tableWidth, section.x() + section.width() + 30);
    setFixedSize(width, btClose->y() + 60);
}

QRect TfmAbsoluteMatrix::PlaceGuidance(int top, int width)
{
    const int lineLeft = HeaderLeft + AcceptWidth + 8;
    for (std::uint32_t k = 0; k < MaxSuggestions; ++k) {
        if (SuggestionLines[k]->isVisibleTo(this)) {
            SuggestionLines[k]->adjustSize();
            width = std::max(width, lineLeft - HeaderLeft + SuggestionLines[k]->width());
        }
    }
    int y = top;
    int bottom = top;
    auto place = [&](QWidget* control, int x, int at, int gapBelow) {
        control->move(x, at);
        bottom = std::max(bottom, control->y() + control->height());
        y = at + control->height() + gapBelow;
    };
    if (lbVerdict->isVisibleTo(this)) {
        lbVerdict->resize(width, lbVerdict->heightForWidth(width));
        place(lbVerdict, HeaderLeft, y, 4);
    }
    for (QLabel* label : {lbRatioLimit, lbGeometricLimit}) {
        if (label->isVisibleTo(this)) {
            label->adjustSize();
            place(label, HeaderLeft, y, 2);
        }
    }
    if (lbSuggestions->isVisibleTo(this)) {
        lbSuggestions->adjustSize();
        place(lbSuggestions, HeaderLeft, y + 6, 4);
    }
    for (std::uint32_t k = 0; k < MaxSuggestions; ++k) {
        if (AcceptButtons[k]->isVisibleTo(this)) {
            QLabel* line = SuggestionLines[k];
            line->move(lineLeft, y + (AcceptHeight - line->height()) / 2);
            place(AcceptButtons[k], HeaderLeft, y, SuggestionStep - AcceptHeight);
        }
    }
    return {HeaderLeft, top, width, bottom - top};
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
