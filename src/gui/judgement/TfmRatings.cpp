#include "gui/judgement/TfmRatings.h"

#include "core/document/CProjectDocument.h"
#include "core/document/RatingsCsv.h"
#include "core/document/StepNames.h"
#include "core/lifecycle/LifecycleRules.h"
#include "core/storage/ProjectFile.h"
#include "gui/judgement/CRatingTableModel.h"
#include "gui/widgets/AccessibleCells.h"
#include "gui/widgets/CUserDialogs.h"
#include "gui/widgets/WidgetStyle.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {
constexpr const char* CsvFilter = QT_TRANSLATE_NOOP("TfmRatings", "Таблица CSV (*.csv)");
// A ratings table of 1,000 alternatives and every criterion is far below this.
constexpr qint64 MaxCsvBytes = 64LL * 1024 * 1024;
// The problems a message lists; the rest are counted.
constexpr std::size_t ListedProblems = 20;

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}
} // namespace

TfmRatings::TfmRatings(CProjectDocument& document, QUndoStack& steps,
    std::function<void(const std::string&, const std::string&)> finishStep, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , Document(document)
    , FinishStep(std::move(finishStep))
{
    setObjectName(QStringLiteral("fmRatings"));
    setWindowTitle(tr("Оценки"));

    auto* rows = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    auto* filterLabel = new QLabel(tr("&Найти:"), this);
    filterLabel->setObjectName(QStringLiteral("lbFilter"));
    edFilter = new QLineEdit(this);
    edFilter->setObjectName(QStringLiteral("edFilter"));
    edFilter->setPlaceholderText(tr("часть названия альтернативы"));
    edFilter->setClearButtonEnabled(true);
    filterLabel->setBuddy(edFilter);
    btImport = new QPushButton(tr("&Импорт из CSV..."), this);
    btImport->setObjectName(QStringLiteral("btImport"));
    btExport = new QPushButton(tr("&Экспорт в CSV..."), this);
    btExport->setObjectName(QStringLiteral("btExport"));
    tools->addWidget(filterLabel);
    tools->addWidget(edFilter, 1);
    tools->addWidget(btImport);
    tools->addWidget(btExport);
    rows->addLayout(tools);

    TableModel = new CRatingTableModel(Document, this);
    SortedModel = new QSortFilterProxyModel(this);
    SortedModel->setSourceModel(TableModel);
    SortedModel->setSortRole(CRatingTableModel::SortRole);
    SortedModel->setSortLocaleAware(true);
    SortedModel->setFilterKeyColumn(CRatingTableModel::NameColumn);
    SortedModel->setFilterCaseSensitivity(Qt::CaseInsensitive);

    // The names in a table of their own beside the ratings, so they stay in sight while
    // the criteria scroll; both show the one sorted model and share the cursor.
    tbNames = new QTableView(this);
    tbNames->setObjectName(QStringLiteral("tbNames"));
    tbNames->setAccessibleName(tr("Альтернативы"));
    tbRatings = new QTableView(this);
    tbRatings->setObjectName(QStringLiteral("tbRatings"));
    tbRatings->setAccessibleName(tr("Оценки альтернатив"));
    const int rowHeight = tbRatings->fontMetrics().height() + 6;
    for (QTableView* table : {tbNames, tbRatings}) {
        table->setModel(SortedModel);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setWordWrap(false);
        table->verticalHeader()->hide();
        // Fixed sizes: a thousand rows are never measured.
        table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->verticalHeader()->setDefaultSectionSize(rowHeight);
        table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->horizontalHeader()->setTextElideMode(Qt::ElideRight);
        table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        table->setSortingEnabled(true);
        table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        KeepAccessibleCellsInStep(*table);
    }
    tbNames->setSelectionModel(tbRatings->selectionModel());
    tbNames->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tbNames->setFocusPolicy(Qt::NoFocus);
    tbNames->horizontalHeader()->setStretchLastSection(true);
    tbNames->setFixedWidth(tbNames->fontMetrics().averageCharWidth() * 28);
    tbRatings->horizontalHeader()->setDefaultSectionSize(tbRatings->fontMetrics().averageCharWidth() * 16);
    tbRatings->setColumnHidden(CRatingTableModel::NameColumn, true);
    tbRatings->installEventFilter(this);
    connect(
        tbRatings->verticalScrollBar(), &QScrollBar::valueChanged, tbNames->verticalScrollBar(), &QScrollBar::setValue);
    // Either header sorts; the other only shows where the order comes from.
    const auto follow = [](QHeaderView* other) {
        return [other](int section, Qt::SortOrder order) {
            const QSignalBlocker quiet(other);
            other->setSortIndicator(section, order);
        };
    };
    connect(
        tbNames->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, follow(tbRatings->horizontalHeader()));
    connect(
        tbRatings->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, follow(tbNames->horizontalHeader()));
    // Room for a title in bold, as the cursor's column shows it, inside the header's margins.
    QFont bold = tbRatings->horizontalHeader()->font();
    bold.setBold(true);
    TableModel->SetTitleRoom(
        [this](int column) {
            const QHeaderView* header
                = (column == CRatingTableModel::NameColumn ? tbNames : tbRatings)->horizontalHeader();
            return header->sectionSize(column)
                - 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) - 4;
        },
        bold);
    for (QTableView* table : {tbNames, tbRatings}) {
        connect(table->horizontalHeader(), &QHeaderView::sectionResized, TableModel,
            [this](int column) { emit TableModel->headerDataChanged(Qt::Horizontal, column, column); });
    }
    auto* tables = new QHBoxLayout;
    tables->setSpacing(0);
    tables->addWidget(tbNames);
    tables->addWidget(tbRatings, 1);
    rows->addLayout(tables, 1);

    connect(edFilter, &QLineEdit::textChanged, SortedModel, &QSortFilterProxyModel::setFilterFixedString);
    connect(btImport, &QPushButton::clicked, this, &TfmRatings::ImportClick);
    connect(btExport, &QPushButton::clicked, this, &TfmRatings::ExportClick);
    // Every step of the project, the window's own, the tree window's and undone ones.
    connect(&steps, &QUndoStack::indexChanged, this, &TfmRatings::Refresh);
    // A reset (other criteria or alternatives) shows every column again.
    connect(SortedModel, &QAbstractItemModel::modelReset, this, &TfmRatings::ArrangeColumns);
    ArrangeColumns();

    // The project's undo and redo reach this window too, and Escape closes it, so a slip
    // is mended and the outline regained without the mouse.
    QAction* undo = steps.createUndoAction(this);
    undo->setObjectName(QStringLiteral("mnRatingsUndo"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = steps.createRedoAction(this);
    redo->setObjectName(QStringLiteral("mnRatingsRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    auto* leave = new QAction(this);
    leave->setObjectName(QStringLiteral("mnRatingsClose"));
    leave->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(leave, &QAction::triggered, this, &QWidget::close);
    addActions({undo, redo, leave});
    resize(900, 600);
}

void TfmRatings::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    // The keyboard goes back to the project window that opened this one.
    if (parentWidget() != nullptr) {
        parentWidget()->window()->activateWindow();
    }
}

TfmRatings::~TfmRatings() = default;

void TfmRatings::Refresh()
{
    TableModel->Refresh();
}

void TfmRatings::ArrangeColumns()
{
    for (int column = 0; column < TableModel->columnCount(); ++column) {
        tbNames->setColumnHidden(column, column != CRatingTableModel::NameColumn);
    }
    tbRatings->setColumnHidden(CRatingTableModel::NameColumn, true);
    // The widest score: six decimals and the mark of a row not wholly rated.
    const QString widest = CRatingTableModel::IncompleteScoreText(
        QString(QLatin1Char('0')) + QLatin1Char(DecimalSeparator()) + QString(6, QLatin1Char('0')));
    tbRatings->setColumnWidth(TableModel->ScoreColumn(), tbRatings->fontMetrics().horizontalAdvance(widest) + 16);
}

void TfmRatings::ShowCriterion(std::uint32_t node)
{
    const int column = std::max(TableModel->ColumnOf(node), 1);
    const int row = tbRatings->currentIndex().isValid() ? tbRatings->currentIndex().row() : 0;
    if (SortedModel->rowCount() > 0) {
        tbRatings->setCurrentIndex(SortedModel->index(std::min(row, SortedModel->rowCount() - 1), column));
        tbRatings->scrollTo(tbRatings->currentIndex());
    }
    show();
    raise();
    activateWindow();
    tbRatings->setFocus();
}

void TfmRatings::RateCurrent(std::int32_t intensity)
{
    const QModelIndex cell = SortedModel->mapToSource(tbRatings->currentIndex());
    if (!cell.isValid() || !TableModel->IsCriterionColumn(cell.column())) {
        return;
    }
    const std::uint32_t node = TableModel->CriterionNode(cell.column());
    const auto alternative = static_cast<std::uint32_t>(cell.row());
    const CHierarchy& tree = Document.Tree();
    if (intensity != NotRated
        && static_cast<std::size_t>(intensity) >= tree.Scales()[tree.Node(node).Scale].Intensities.size()) {
        return;
    }
    const std::string stepName = RatingStepName(tree.Alternatives()[alternative].Name, tree.Node(node).Name);
    Document.BeginStep();
    const std::string refusal = Document.SetRating(node, alternative, intensity);
    FinishStep(refusal, stepName);
}

void TfmRatings::ChooseIntensity()
{
    const QModelIndex cell = SortedModel->mapToSource(tbRatings->currentIndex());
    if (!cell.isValid() || !TableModel->IsCriterionColumn(cell.column())) {
        return;
    }
    const CHierarchy& tree = Document.Tree();
    const CHierarchyNode& node = tree.Node(TableModel->CriterionNode(cell.column()));
    const std::vector<std::string>& names = tree.Scales()[node.Scale].Intensities;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnIntensities"));
    menu.setAccessibleName(tr("Интенсивности"));
    QAction* current = nullptr;
    for (std::size_t k = 0; k < names.size(); ++k) {
        QAction* action = menu.addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(Text(names[k])));
        action->setData(static_cast<int>(k));
        if (node.Ratings[static_cast<std::size_t>(cell.row())] == static_cast<std::int8_t>(k)) {
            current = action;
        }
    }
    menu.addSeparator();
    menu.addAction(tr("&0 не оценено"))->setData(static_cast<int>(NotRated));
    const QRect place = tbRatings->visualRect(tbRatings->currentIndex());
    QAction* chosen = menu.exec(tbRatings->viewport()->mapToGlobal(place.bottomLeft()), current);
    if (chosen != nullptr) {
        RateCurrent(chosen->data().toInt());
    }
}

bool TfmRatings::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tbRatings && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::NoModifier) {
            if (key->key() >= Qt::Key_1 && key->key() <= Qt::Key_9) {
                RateCurrent(key->key() - Qt::Key_1);
                return true;
            }
            if (key->key() == Qt::Key_0 || key->key() == Qt::Key_Delete) {
                RateCurrent(NotRated);
                return true;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                ChooseIntensity();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfmRatings::ImportClick()
{
    const QString caption = QStringLiteral("Message");
    const QString path = UserDialogs().ChooseFileToOpen(this, tr(CsvFilter), Directory);
    if (path.isEmpty()) {
        return;
    }
    Directory = QFileInfo(path).absolutePath();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        UserDialogs().InformWithDetails(
            this, tr("Не могу открыть файл оценок."), caption, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return;
    }
    if (file.size() > MaxCsvBytes) {
        UserDialogs().Inform(this, tr("Файл «%1» слишком велик для таблицы оценок.").arg(path), caption);
        return;
    }
    const QByteArray bytes = file.readAll();
    const CRatingsCsvReading reading
        = ReadRatingsCsv(Document.Tree(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!reading.Problems.empty()) {
        QStringList lines;
        for (std::size_t p = 0; p < reading.Problems.size() && p < ListedProblems; ++p) {
            lines << Text(RatingsCsvProblemText(reading.Problems[p]));
        }
        if (reading.Problems.size() > ListedProblems) {
            lines << tr("Других ошибок: %n.", nullptr, static_cast<int>(reading.Problems.size() - ListedProblems));
        }
        UserDialogs().InformWithDetails(this, tr("Оценки не импортированы: в файле есть ошибки, ничего не изменено."),
            caption, lines.join(QLatin1Char('\n')));
        return;
    }
    Document.BeginStep();
    const std::string refusal = Document.SetRatings(reading.Cells);
    FinishStep(refusal, ImportRatingsStepName());
}

void TfmRatings::ExportClick()
{
    const QString caption = QStringLiteral("Message");
    const QString chosen = UserDialogs().ChooseFileToSave(this, tr(CsvFilter), Directory);
    if (chosen.isEmpty()) {
        return;
    }
    const QString path
        = chosen.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? chosen : chosen + QStringLiteral(".csv");
    Directory = QFileInfo(path).absolutePath();
    // The dialog confirmed the name as typed; the name with the extension is asked about here.
    if (path != chosen && QFileInfo::exists(path)
        && !UserDialogs().AskYesNo(this, QString::fromStdString(Tr(ReplaceFileQuestion)), caption)) {
        return;
    }
    const std::string text = RatingsCsv(Document.Tree(), Document.RatingResults(), DecimalSeparator());
    std::string reason;
    const EWriteResult result = SaveFileAtomically(
        path.toStdString(), [&text](CByteSink& sink) { return sink.Write(text.data(), text.size()); },
        ELinkAtName::WriteThrough, &reason);
    if (result != EWriteResult::Ok) {
        UserDialogs().InformWithDetails(this, Text(WriteResultText(result, StoragePhrases::FileOpenError)), caption,
            Text(FileErrorDetails(path.toStdString(), reason)));
    }
}
