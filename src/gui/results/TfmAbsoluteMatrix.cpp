#include "gui/results/TfmAbsoluteMatrix.h"

#include "core/judgement/CJudgingSession.h"
#include "core/judgement/CSuggestionOffer.h"
#include "core/results/Deviations.h"
#include "core/results/ReportContent.h"
#include "gui/results/CAbsouteMatrixTable_Element.h"
#include "gui/results/CDeviationGrid.h"
#include "gui/widgets/ElidedName.h"
#include "gui/widgets/WidgetStyle.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
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

// The table's columns: name headers, deviation cells one step apart, row sums. The
// first is the described one; the narrower ones are for a screen with no room for it
// beside the comparison window, the cells' type shrinking where a figure needs it.
struct CTableShape {
    int HeaderWidth = 110;
    int CellStep = 42;
    int SumWidth = 55;
};
constexpr std::array<CTableShape, 4> TableShapes{{{110, 42, 55}, {80, 36, 50}, {64, 34, 46}, {56, 32, 44}}};
constexpr int CellGap = 2;
// The window's frame and title where the platform has not shown them yet.
constexpr int FrameAllowanceWidth = 16;
constexpr int FrameAllowanceHeight = 40;
// The text of a shortened name keeps off the sunken frame.
constexpr int NamePadding = 6;
// A figure keeps this far off the cell's frame on each side, as every fitted field does.
constexpr int FigurePadding = 2;

int CellsLeft(const CTableShape& shape)
{
    return HeaderLeft + shape.HeaderWidth + 5;
}

int SumLeft(const CTableShape& shape, std::uint32_t n)
{
    const int order = static_cast<int>(n);
    // The described table puts the sums at n * 40 + 170, a little apart from the cells.
    return shape.CellStep == TableShapes[0].CellStep ? order * 40 + 170 : CellsLeft(shape) + order * shape.CellStep + 6;
}

QLabel* MakeSectionLabel(QWidget* parent, const char* name, bool bold)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    if (bold) {
        StyleBoldLabel(label);
    }
    // Every line wraps to the window's width rather than widening it.
    label->setWordWrap(true);
    label->hide();
    return label;
}

// A window of its own for a reader, its opening announced by its title.
QAccessibleInterface* ResearchWindowAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("TfmAbsoluteMatrix")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
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
    setWindowTitle(tr("Улучшение согласованности исходных данных"));
    QFont formFont = font();
    formFont.setPixelSize(11);
    setFont(formFont);
    setFixedSize(496, 331);
    static const bool installed = [] {
        QAccessible::installFactory(ResearchWindowAccessible);
        return true;
    }();
    (void)installed;

    // First, so that the controls under it lie above it.
    DeviationTable = new CDeviationGrid(this);
    DeviationTable->move(0, 0);
    lbTrInfo = new QLabel(tr("Список нарушений условия транзитивности"), this);
    lbTrInfo->setObjectName(QStringLiteral("lbTrInfo"));
    lbTrInfo->adjustSize();
    lbSummName = new QLabel(tr("Сумма"), DeviationTable);
    DeviationTable->SumsHeader = lbSummName;
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
    btClose = new QPushButton(tr("Закрыть"), this);
    btClose->setObjectName(QStringLiteral("btClose"));
    btClose->resize(75, 21);
    btClose->setAutoDefault(false);
    connect(btClose, &QPushButton::clicked, this, &TfmAbsoluteMatrix::btCloseClick);

    for (std::uint32_t i = 0; i < MaxElementsPerLevel; ++i) {
        const int top = TableTop + RowStep * static_cast<int>(i);
        auto* header = new QLabel(DeviationTable);
        header->setObjectName(QStringLiteral("RowHeader_%1").arg(i));
        StyleStaticText(header, false);
        header->setGeometry(HeaderLeft, top, 110, 20);
        RowHeaders[i] = header;
        DeviationTable->RowHeaders[i] = header;
        for (std::uint32_t j = 0; j < MaxElementsPerLevel; ++j) {
            auto* cell = new CAbsouteMatrixTable_Element(DeviationTable);
            cell->setObjectName(QStringLiteral("Deviation_%1_%2").arg(i).arg(j));
            StyleStaticText(cell, true);
            cell->setGeometry(140 + 42 * static_cast<int>(j), top, 40, 20);
            if (i == j) {
                QPalette palette = cell->palette();
                palette.setColor(QPalette::WindowText, ToQColor(clGray));
                cell->setPalette(palette);
            }
            DeviationCells[i][j] = cell;
            DeviationTable->Cells[i][j] = cell;
            CellFont = cell->font();
        }
        auto* sum = new QLabel(DeviationTable);
        sum->setObjectName(QStringLiteral("RowSum_%1").arg(i));
        StyleStaticText(sum, false);
        sum->resize(55, 20);
        RowSums[i] = sum;
        DeviationTable->RowSums[i] = sum;
    }

    lbVerdict = MakeSectionLabel(this, "lbVerdict", true);
    lbRatioLimit = MakeSectionLabel(this, "lbRatioLimit", false);
    lbGeometricLimit = MakeSectionLabel(this, "lbGeometricLimit", false);
    lbAccepted = MakeSectionLabel(this, "lbAccepted", false);
    lbSuggestions = MakeSectionLabel(this, "lbSuggestions", true);
    for (std::uint32_t k = 0; k < MaxSuggestions; ++k) {
        auto* accept = new QPushButton(tr("Принять"), this);
        accept->setObjectName(QStringLiteral("btAcceptSuggestion_%1").arg(k));
        accept->resize(AcceptWidth, AcceptHeight);
        accept->setAutoDefault(false);
        // Disabled, the caption is plainly grey whatever the platform's theme makes of it.
        QPalette greyed = accept->palette();
        greyed.setColor(QPalette::Disabled, QPalette::ButtonText, ToQColor(clGray));
        accept->setPalette(greyed);
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
    Order = n > MaxMatrixOrder ? MaxMatrixOrder : n;
    if (Wide()) {
        MakeWideTable();
    }
}

bool TfmAbsoluteMatrix::Wide() const
{
    return Order > MaxElementsPerLevel;
}

CDeviationGrid* TfmAbsoluteMatrix::Grid() const
{
    return Wide() ? WideDeviationTable : DeviationTable;
}

void TfmAbsoluteMatrix::MakeWideTable()
{
    if (WideDeviationTable != nullptr) {
        return;
    }
    sbDeviations = new QScrollArea(this);
    sbDeviations->setObjectName(QStringLiteral("sbDeviations"));
    sbDeviations->setFrameShape(QFrame::NoFrame);
    sbDeviations->hide();
    auto* table = new CDeviationGrid;
    table->setObjectName(QStringLiteral("WideDeviationTable"));
    table->PaintsNumbers = true;
    auto* sums = new QLabel(tr("Сумма"), table);
    sums->setObjectName(QStringLiteral("lbWideSummName"));
    StyleBoldLabel(sums);
    table->SumsHeader = sums;
    for (std::uint32_t i = 0; i < MaxMatrixOrder; ++i) {
        auto* header = new QLabel(table);
        header->setObjectName(QStringLiteral("WideRowHeader_%1").arg(i));
        StyleStaticText(header, false);
        table->RowHeaders[i] = header;
        for (std::uint32_t j = 0; j < MaxMatrixOrder; ++j) {
            auto* cell = new CAbsouteMatrixTable_Element(table);
            cell->setObjectName(QStringLiteral("WideDeviation_%1_%2").arg(i).arg(j));
            StyleStaticText(cell, true);
            if (i == j) {
                QPalette palette = cell->palette();
                palette.setColor(QPalette::WindowText, ToQColor(clGray));
                cell->setPalette(palette);
            }
            table->Cells[i][j] = cell;
        }
        auto* sum = new QLabel(table);
        sum->setObjectName(QStringLiteral("WideRowSum_%1").arg(i));
        StyleStaticText(sum, false);
        table->RowSums[i] = sum;
    }
    sbDeviations->setWidget(table);
    WideDeviationTable = table;
}

void TfmAbsoluteMatrix::SetRowNames(const CJudgingSession& session)
{
    for (std::uint32_t i = 0; i < session.Order() && i < MaxMatrixOrder; ++i) {
        Names[i] = session.ComparedName(i);
        // The wide table's names are fitted to their column when it is placed.
        if (i < MaxElementsPerLevel && !Wide()) {
            SetFittedText(RowHeaders[i], QString::fromStdString(Names[i]));
        }
    }
}

void TfmAbsoluteMatrix::SetWidthLimit(int width)
{
    WidthLimit = width > 0 ? width : 0;
}

void TfmAbsoluteMatrix::ShowWorking(const CJudgingSession& session)
{
    if (Order == 0 || session.Order() != Order) {
        return;
    }
    if (Wide()) {
        const std::array<double, MaxMatrixOrder> priorities = session.WideWorkingPriorities();
        FillDeviations(session.Working(), priorities.data());
    } else {
        const std::array<double, MaxElementsPerLevel> priorities = session.WorkingPriorities();
        FillDeviations(session.Working(), priorities.data());
    }
    ShowGuidance(session);
}

void TfmAbsoluteMatrix::FillDeviations(const CJudgementMatrix& judgements, const double* priorities)
{
    if (Order == 0) {
        return;
    }
    CDeviationGrid* grid = Grid();
    const QFontMetrics metrics(CellFont);
    const auto figure = [this, &metrics](QLabel* cell, const QString& text) {
        // Most figures fit the cell's own type, measured here once for the table; the rest
        // are fitted smaller as every field is.
        const int room = cell->contentsRect().width() - 2 * cell->margin() - 2 * FigurePadding;
        if (std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width()) > room) {
            SetFittedText(cell, text);
            return;
        }
        if (cell->font() != CellFont) {
            cell->setFont(CellFont);
        }
        if (!cell->toolTip().isEmpty()) {
            cell->setToolTip(QString());
        }
        cell->setText(text);
    };
    const auto fill = [grid, priorities, &figure](const auto& table) {
        // Judgements that do not connect the elements leave no priorities to deviate from.
        bool none = true;
        for (std::uint32_t i = 0; i < table.Order; ++i) {
            none = none && priorities[i] == 0.0;
        }
        const QString notJudged = QString::fromUtf8(NotJudgedCellText);
        for (std::uint32_t i = 0; i < table.Order; ++i) {
            for (std::uint32_t j = 0; j < table.Order; ++j) {
                // A narrow cell shows a wide figure in smaller type, never cut.
                figure(grid->Cells[i][j],
                    table.Missing[i][j] || (none && i != j) ? notJudged : TruncatedText(table.Deviation[i][j], 2));
            }
            SetFittedText(grid->RowSums[i], none ? notJudged : TruncatedText(table.RowSum[i], 2));
        }
    };
    if (Wide()) {
        fill(ComputeWideDeviations(judgements, Order, priorities));
    } else {
        fill(ComputeDeviations(judgements, Order, priorities));
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
        mmUserTransInfo->appendPlainText(QString::fromStdString(Tr(NoTransitivityViolationText)));
        ShowMemoFromStart();
        return;
    }
    memoFont.setPointSize(10);
    memoFont.setBold(true);
    mmUserTransInfo->setFont(memoFont);
    // One text, not a paragraph at a time: twenty elements can have hundreds of triads.
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(report.Lines.size()));
    for (const std::string& line : report.Lines) {
        lines.append(QString::fromStdString(line));
    }
    mmUserTransInfo->setPlainText(lines.join(QLatin1Char('\n')));
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
    std::string accepted;
    const CSuggestionOffer& offer = session.Suggestions();
    for (std::uint32_t k = 0; k < offer.ChangeCount(); ++k) {
        const CAcceptedChange& change = offer.Change(k);
        if (session.ChangedByAccepting(change.Row, change.Column)) {
            accepted += (accepted.empty() ? Tr(AcceptedChangesHeading) + " " : std::string("; "))
                + AcceptedChangeText(change.Row, change.Column, change.Before, change.Written, DecimalSeparator());
        }
    }
    showLine(lbAccepted, accepted);
    const bool measured = !text.SuggestionsHeading.empty();
    for (std::uint32_t k = 0; k < MaxSuggestions; ++k) {
        const bool shown = measured && k < guidance.SuggestionCount;
        if (shown) {
            const CSuggestion& suggestion = guidance.Suggestions[k];
            SuggestionLines[k]->setText(SuggestionText(suggestion));
            SuggestionLines[k]->setToolTip(QString::fromStdString(SuggestionDescription(
                suggestion, Names[suggestion.Row], Names[suggestion.Column], DecimalSeparator())));
        }
        SuggestionLines[k]->setVisible(shown);
        AcceptButtons[k]->setVisible(shown);
    }
    ShowAcceptState(session);
    if (isVisible()) {
        FormShow();
    }
}

QString TfmAbsoluteMatrix::SuggestionText(const CSuggestion& suggestion) const
{
    // Long names are shortened to the width of the described row headers; the tooltip
    // has them whole.
    const QFontMetrics metrics(SuggestionLines[0]->font());
    const int nameWidth = TableShapes.front().HeaderWidth;
    auto shortened = [&](std::uint32_t row) {
        return metrics.elidedText(QString::fromStdString(Names[row]), Qt::ElideRight, nameWidth).toStdString();
    };
    return QString::fromStdString(
        ::SuggestionText(suggestion, shortened(suggestion.Row), shortened(suggestion.Column), DecimalSeparator()));
}

void TfmAbsoluteMatrix::ShowAcceptState(const CJudgingSession& session)
{
    for (std::uint32_t k = 0; k < MaxSuggestions; ++k) {
        const bool accepted = session.Suggestions().IsAccepted(k);
        AcceptButtons[k]->setText(accepted ? tr("Принято") : tr("Принять"));
        // Every button reads the same; a screen reader hears which change it accepts.
        const QString change = SuggestionLines[k]->toolTip();
        AcceptButtons[k]->setAccessibleName(change.isEmpty() ? QString()
                : accepted                                   ? tr("Принято: %1").arg(change)
                                                             : tr("Принять: %1").arg(change));
        const bool can = session.CanAcceptSuggestion(k);
        AcceptButtons[k]->setEnabled(can);
        // A change that can no longer be accepted reads greyed out beside its button.
        SuggestionLines[k]->setEnabled(can);
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
    if (comparisonWindow != nullptr && comparisonWindow->screen() != nullptr) {
        const QRect comparison = comparisonWindow->frameGeometry();
        const QRect screen = comparisonWindow->screen()->availableGeometry();
        const QSize frame = comparison.size() - comparisonWindow->size();
        // As wide as the screen leaves beside the comparison window, or narrower.
        SetWidthLimit(screen.width() - comparison.width() - WindowGap - frame.width());
    }
    FormShow();
    KeepBeside();
    show();
    TakeKeyboard();
}

void TfmAbsoluteMatrix::KeepBeside()
{
    QWidget* comparisonWindow = parentWidget();
    if (comparisonWindow == nullptr || comparisonWindow->screen() == nullptr) {
        return;
    }
    const QRect comparison = comparisonWindow->frameGeometry();
    const QRect screen = comparisonWindow->screen()->availableGeometry();
    // Before its first showing this window has no frame yet: take the comparison
    // window's, the same kind of window.
    const QSize frame = isVisible() ? frameGeometry().size() - size() : comparison.size() - comparisonWindow->size();
    const CBesidePlaces places = PlaceBeside(comparison, size() + frame, screen);
    if (places.Comparison != comparison.topLeft()) {
        comparisonWindow->move(places.Comparison);
    }
    move(places.Research);
}

void TfmAbsoluteMatrix::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A verdict and suggestions arriving with the live refresh make it taller: it stays
    // whole on the screen, beside the comparison window as on opening.
    if (isVisible()) {
        KeepBeside();
    }
}

void TfmAbsoluteMatrix::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        btCloseClick();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfmAbsoluteMatrix::TakeKeyboard()
{
    raise();
    activateWindow();
    QWidget* choice = btClose;
    for (QPushButton* accept : AcceptButtons) {
        if (accept->isVisibleTo(this) && accept->isEnabled()) {
            choice = accept;
            break;
        }
    }
    choice->setFocus(Qt::OtherFocusReason);
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
    if (Wide()) {
        FormShowWide();
        return;
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        RowHeaders[i]->show();
        RowSums[i]->show();
        for (std::uint32_t j = 0; j < n; ++j) {
            DeviationCells[i][j]->show();
        }
    }
    lbSummName->show();
    update();
    const int tableWidth = PlaceTable();
    const QLabel* last = RowHeaders[n - 1];
    DeviationTable->SetOrder(n);
    DeviationTable->setGeometry(0, 0, tableWidth, last->y() + last->height());
    lbTrInfo->move(last->x(), last->y() + 30);
    mmUserTransInfo->move(last->x(), last->y() + 50);
    // The section under the memo wraps its lines to the width the table leaves (with the
    // memo's margin), so its text never widens the window.
    const int memoBottom = mmUserTransInfo->y() + mmUserTransInfo->height();
    const int above = PlaceGuidance(memoBottom + SectionGap, tableWidth - mmUserTransInfo->x() - 30);
    btClose->move(mmUserTransInfo->x(), above + 15);
    setFixedSize(tableWidth, btClose->y() + 60);
}

int TfmAbsoluteMatrix::PlaceTable()
{
    const std::uint32_t n = Order;
    // The memo stands under the headers, at their left.
    const int memoRight = HeaderLeft + mmUserTransInfo->width();
    auto widthOf = [&](const CTableShape& shape) {
        const int sumRight = SumLeft(shape, n) + shape.SumWidth;
        return memoRight > sumRight + 20 ? memoRight + 30 : sumRight + 20;
    };
    const CTableShape* shape = &TableShapes.back();
    for (const CTableShape& candidate : TableShapes) {
        if (WidthLimit == 0 || widthOf(candidate) <= WidthLimit) {
            shape = &candidate;
            break;
        }
    }
    for (std::uint32_t i = 0; i < MaxElementsPerLevel; ++i) {
        const int top = TableTop + RowStep * static_cast<int>(i);
        if (RowHeaders[i]->width() != shape->HeaderWidth) {
            RowHeaders[i]->setGeometry(HeaderLeft, top, shape->HeaderWidth, 20);
            // The name again in the type the new width allows.
            SetFittedText(RowHeaders[i], RowHeaders[i]->text());
        }
        for (std::uint32_t j = 0; j < MaxElementsPerLevel; ++j) {
            CAbsouteMatrixTable_Element* cell = DeviationCells[i][j];
            const QRect place(
                CellsLeft(*shape) + shape->CellStep * static_cast<int>(j), top, shape->CellStep - CellGap, 20);
            if (cell->geometry() != place) {
                cell->setGeometry(place);
                SetFittedText(cell, cell->text());
            }
        }
        const QRect sum(SumLeft(*shape, n), RowHeaders[0]->y() + RowStep * static_cast<int>(i), shape->SumWidth, 20);
        if (RowSums[i]->geometry() != sum) {
            RowSums[i]->setGeometry(sum);
            SetFittedText(RowSums[i], RowSums[i]->text());
        }
    }
    // Over the sums: the described place, or centred over the narrower column.
    lbSummName->move(shape == &TableShapes.front() ? static_cast<int>(n) * 40 + 177
                                                   : SumLeft(*shape, n) + (shape->SumWidth - lbSummName->width()) / 2,
        RowHeaders[0]->y() - 15);
    return widthOf(*shape);
}

void TfmAbsoluteMatrix::FormShowWide()
{
    const std::uint32_t n = Order;
    CDeviationGrid* grid = WideDeviationTable;
    const QWidget* beside = parentWidget() != nullptr ? parentWidget() : this;
    const QScreen* shownOn = beside->screen();
    const QRect screen = shownOn != nullptr ? shownOn->availableGeometry() : QRect(0, 0, 1024, 768);
    const int roomWidth = screen.width() - FrameAllowanceWidth;
    // Beside a wide comparison window there is seldom room: half the screen at least, so
    // that the names and a good part of the table are in sight.
    const int limit = std::min(std::max(WidthLimit, roomWidth / 2), roomWidth);
    const int memoRight = HeaderLeft + mmUserTransInfo->width();
    auto tableWidth = [&](const CTableShape& shape) { return SumLeft(shape, n) + shape.SumWidth + 20; };
    // The widest shape that fits; when none does, the described one, scrolled.
    const CTableShape* shape = &TableShapes.front();
    for (const CTableShape& candidate : TableShapes) {
        if (tableWidth(candidate) <= limit) {
            shape = &candidate;
            break;
        }
    }
    for (std::uint32_t i = 0; i < MaxMatrixOrder; ++i) {
        const bool shown = i < n;
        const int top = TableTop + RowStep * static_cast<int>(i);
        QLabel* header = grid->RowHeaders[i];
        header->setGeometry(HeaderLeft, top, shape->HeaderWidth, 20);
        header->setVisible(shown);
        if (shown) {
            SetElidedName(header, QString::fromStdString(Names[i]), shape->HeaderWidth, NamePadding);
        }
        for (std::uint32_t j = 0; j < MaxMatrixOrder; ++j) {
            QLabel* cell = grid->Cells[i][j];
            const QRect place(
                CellsLeft(*shape) + shape->CellStep * static_cast<int>(j), top, shape->CellStep - CellGap, 20);
            if (cell->geometry() != place) {
                cell->setGeometry(place);
                SetFittedText(cell, cell->text());
            }
            cell->setVisible(shown && j < n);
        }
        const QRect sum(SumLeft(*shape, n), top, shape->SumWidth, 20);
        if (grid->RowSums[i]->geometry() != sum) {
            grid->RowSums[i]->setGeometry(sum);
            SetFittedText(grid->RowSums[i], grid->RowSums[i]->text());
        }
        grid->RowSums[i]->setVisible(shown);
    }
    grid->SumsHeader->move(SumLeft(*shape, n) + (shape->SumWidth - grid->SumsHeader->width()) / 2, TableTop - 15);
    grid->SumsHeader->show();
    grid->SetOrder(n);
    grid->setFixedSize(tableWidth(*shape), TableTop + RowStep * static_cast<int>(n) + 4);

    // The memo and the section under it take what they need; the table the rest of the
    // screen's height, scrolling where it has no room.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const auto roomFor = [&](int width) {
        const int section = PlaceGuidance(0, width - mmUserTransInfo->x() - 30);
        return screen.height() - FrameAllowanceHeight
            - (30 + mmUserTransInfo->height() + SectionGap + section + 15 + 60);
    };
    int width = std::max(std::min(grid->width(), limit), memoRight + 30);
    int roomHeight = roomFor(width);
    if (grid->height() > roomHeight && width < grid->width() + bar) {
        // The vertical bar takes its room beside the table, not from it.
        width = std::min(std::max(width, std::min(grid->width() + bar, limit)), roomWidth);
        roomHeight = roomFor(width);
    }
    const int lineWidth = width - mmUserTransInfo->x() - 30;
    const bool down = grid->height() > roomHeight;
    const bool across = grid->width() + (down ? bar : 0) > width;
    const int height = std::max(std::min(grid->height() + (across ? bar : 0), roomHeight), 3 * RowStep + bar);
    sbDeviations->setGeometry(0, 0, width, height);
    sbDeviations->show();
    lbTrInfo->move(HeaderLeft, height + 10);
    mmUserTransInfo->move(HeaderLeft, height + 30);
    const int memoBottom = mmUserTransInfo->y() + mmUserTransInfo->height();
    const int above = PlaceGuidance(memoBottom + SectionGap, lineWidth);
    btClose->move(mmUserTransInfo->x(), above + 15);
    setFixedSize(width, btClose->y() + 60);
    update();
}

int TfmAbsoluteMatrix::PlaceGuidance(int top, int width)
{
    const int lineLeft = HeaderLeft + AcceptWidth + 8;
    int y = top;
    int bottom = top;
    auto place = [&](QWidget* control, int x, int at, int gapBelow) {
        control->move(x, at);
        bottom = std::max(bottom, control->y() + control->height());
        y = at + control->height() + gapBelow;
    };
    auto wrap = [](QLabel* label, int lineWidth) { label->resize(lineWidth, label->heightForWidth(lineWidth)); };
    for (QLabel* label : {lbVerdict, lbRatioLimit, lbGeometricLimit, lbAccepted}) {
        if (label->isVisibleTo(this)) {
            wrap(label, width);
            place(label, HeaderLeft, label == lbAccepted ? y + 4 : y, label == lbVerdict ? 4 : 2);
        }
    }
    if (lbSuggestions->isVisibleTo(this)) {
        wrap(lbSuggestions, width);
        place(lbSuggestions, HeaderLeft, y + 6, 4);
    }
    for (std::uint32_t k = 0; k < MaxSuggestions; ++k) {
        if (!AcceptButtons[k]->isVisibleTo(this)) {
            continue;
        }
        QLabel* line = SuggestionLines[k];
        wrap(line, width - (lineLeft - HeaderLeft));
        // The first line of the text level with the button's caption.
        const int offset = std::max(0, (AcceptHeight - line->fontMetrics().height()) / 2);
        const int rowTop = y;
        line->move(lineLeft, rowTop + offset);
        place(AcceptButtons[k], HeaderLeft, rowTop, 0);
        bottom = std::max(bottom, line->y() + line->height());
        y = std::max(y, line->y() + line->height()) + SuggestionStep - AcceptHeight;
    }
    return bottom;
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
    if (sbDeviations != nullptr) {
        sbDeviations->hide();
    }
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
