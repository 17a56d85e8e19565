#include "gui/group/TfmGroupMembers.h"

#include "core/group/CExpertWeights.h"
#include "core/group/CGroupDecision.h"
#include "core/group/GroupReading.h"
#include "core/group/GroupReportContent.h"
#include "core/lifecycle/LifecycleRules.h"
#include "core/results/NumberFormat.h"
#include "gui/group/GroupOpening.h"
#include "gui/widgets/CUserDialogs.h"
#include "gui/widgets/WidgetStyle.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
const QString MessageCaption = QStringLiteral("Message");
constexpr const char* ProjectFilter = QT_TRANSLATE_NOOP("TfmGroupMembers", "Проект TESSALY (*.tsy *.tsj)");
const QColor MarkColour(192, 0, 0);

QString BaseName(const QString& file)
{
    return QFileInfo(file).completeBaseName();
}

// A weight as typed: a decimal point or comma; none unless the experts' weight rule takes it.
std::optional<double> WeightOf(const QString& text)
{
    QString plain = text.trimmed();
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double weight = plain.toDouble(&ok);
    if (!ok || !AcceptableExpertWeight(weight)) {
        return std::nullopt;
    }
    return weight;
}
} // namespace

TfmGroupMembers::TfmGroupMembers(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fmGroupMembers"));
    setWindowTitle(tr("Групповое решение"));
    setModal(true);

    auto* caption = new QLabel(tr("&Файлы экспертов:"), this);
    twMembers = new QTableWidget(0, 3, this);
    twMembers->setObjectName(QStringLiteral("twMembers"));
    caption->setBuddy(twMembers);
    // A reader names a table by its own name, not by the caption above it.
    twMembers->setAccessibleName(tr("Файлы экспертов"));
    twMembers->setHorizontalHeaderLabels({tr("Файл"), tr("Метка"), tr("Вес")});
    twMembers->setSelectionBehavior(QAbstractItemView::SelectRows);
    twMembers->setSelectionMode(QAbstractItemView::ExtendedSelection);
    twMembers->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    twMembers->horizontalHeader()->setSectionResizeMode(FileColumn, QHeaderView::Stretch);
    twMembers->horizontalHeader()->setSectionResizeMode(LabelColumn, QHeaderView::Interactive);
    twMembers->horizontalHeader()->setSectionResizeMode(WeightColumn, QHeaderView::Interactive);
    twMembers->setColumnWidth(LabelColumn, 150);
    twMembers->setColumnWidth(WeightColumn, 70);
    twMembers->setTextElideMode(Qt::ElideMiddle);
    twMembers->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    btAddMembers = new QPushButton(tr("&Добавить..."), this);
    btAddMembers->setObjectName(QStringLiteral("btAddMembers"));
    btLocateMember = new QPushButton(tr("&Указать файл..."), this);
    btLocateMember->setObjectName(QStringLiteral("btLocateMember"));
    btLocateMember->setToolTip(tr("Указать новое место файла выбранного эксперта"));
    btRemoveMember = new QPushButton(tr("Уд&алить"), this);
    btRemoveMember->setObjectName(QStringLiteral("btRemoveMember"));
    cbUseWeights = new QCheckBox(QString::fromStdString(Tr(UseExpertWeightsCaptionPhrase)), this);
    cbUseWeights->setObjectName(QStringLiteral("cbUseWeights"));
    cbUseWeights->setChecked(true);
    lbMembersProblem = new QLabel(this);
    lbMembersProblem->setObjectName(QStringLiteral("lbMembersProblem"));
    lbMembersProblem->setWordWrap(true);
    lbMembersProblem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbMembersProblem->setStyleSheet(QStringLiteral("color: #c00000;"));
    btOk = new QPushButton(tr("ОК"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setDefault(true);
    btCancel = new QPushButton(tr("Отмена"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));

    // The side buttons one width, with room around the longest caption in any style.
    int sideWidth = 0;
    for (QPushButton* button : {btAddMembers, btLocateMember, btRemoveMember}) {
        sideWidth = std::max(
            sideWidth, button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&'))) + 32);
    }
    for (QPushButton* button : {btAddMembers, btLocateMember, btRemoveMember}) {
        button->setMinimumWidth(std::max(sideWidth, button->sizeHint().width()));
    }
    auto* side = new QVBoxLayout;
    side->addWidget(btAddMembers);
    side->addWidget(btLocateMember);
    side->addWidget(btRemoveMember);
    side->addStretch(1);
    auto* list = new QHBoxLayout;
    list->addWidget(twMembers, 1);
    list->addLayout(side);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cbUseWeights);
    buttons->addStretch(1);
    buttons->addWidget(btOk);
    buttons->addWidget(btCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(list, 1);
    layout->addWidget(lbMembersProblem);
    layout->addLayout(buttons);
    resize(700, 420);

    connect(btAddMembers, &QPushButton::clicked, this, &TfmGroupMembers::btAddMembersClick);
    connect(btLocateMember, &QPushButton::clicked, this, &TfmGroupMembers::btLocateMemberClick);
    connect(btRemoveMember, &QPushButton::clicked, this, &TfmGroupMembers::btRemoveMemberClick);
    connect(btOk, &QPushButton::clicked, this, &TfmGroupMembers::btOkClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(twMembers, &QTableWidget::itemChanged, this, [this] {
        if (!Filling) {
            CheckMembers();
        }
    });
    connect(twMembers, &QTableWidget::itemSelectionChanged, this, [this] {
        const bool selected = !twMembers->selectionModel()->selectedRows().isEmpty();
        btRemoveMember->setEnabled(selected);
        btLocateMember->setEnabled(twMembers->selectionModel()->selectedRows().size() == 1);
    });
    connect(cbUseWeights, &QCheckBox::toggled, this, [this](bool on) {
        for (int row = 0; row < twMembers->rowCount(); ++row) {
            if (QTableWidgetItem* weight = twMembers->item(row, WeightColumn)) {
                weight->setForeground(on ? palette().text() : palette().brush(QPalette::Disabled, QPalette::Text));
            }
        }
    });
}

TfmGroupMembers::~TfmGroupMembers() = default;

std::unique_ptr<CGroupDecision> TfmGroupMembers::Run(
    const std::vector<CGroupMember>& members, bool useExpertWeights, const COpener& open, const CGroupOpening* failure)
{
    Open = open;
    Made.reset();
    SetMembers(members, useExpertWeights);
    if (failure != nullptr) {
        ShowFailure(*failure);
    }
    twMembers->setFocus();
    exec();
    Open = nullptr;
    return std::move(Made);
}

void TfmGroupMembers::SetMembers(const std::vector<CGroupMember>& members, bool useExpertWeights)
{
    Filling = true;
    twMembers->setRowCount(0);
    for (const CGroupMember& member : members) {
        AddRow(member);
    }
    Filling = false;
    cbUseWeights->setChecked(useExpertWeights);
    FailureText.clear();
    if (!members.empty()) {
        LastFolder = QFileInfo(QString::fromStdString(members.front().File)).absolutePath();
    }
    twMembers->clearSelection();
    btRemoveMember->setEnabled(false);
    btLocateMember->setEnabled(false);
    CheckMembers();
}

void TfmGroupMembers::AddRow(const CGroupMember& member)
{
    const bool filling = Filling;
    Filling = true;
    const int row = twMembers->rowCount();
    twMembers->insertRow(row);
    const QString file = QString::fromStdString(member.File);
    auto* fileItem = new QTableWidgetItem(file);
    fileItem->setFlags(fileItem->flags() & ~Qt::ItemIsEditable);
    fileItem->setToolTip(file);
    // Whether he counts is the group window's; it goes through this dialog unchanged.
    fileItem->setData(Qt::UserRole, member.Included);
    twMembers->setItem(row, FileColumn, fileItem);
    twMembers->setItem(row, LabelColumn,
        new QTableWidgetItem(member.Label.empty() ? BaseName(file) : QString::fromStdString(member.Label)));
    auto* weight = new QTableWidgetItem(QString::fromStdString(FormatGeneral(member.Weight, DecimalSeparator())));
    weight->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    twMembers->setItem(row, WeightColumn, weight);
    Filling = filling;
}

std::optional<std::vector<CGroupMember>> TfmGroupMembers::Members() const
{
    std::vector<CGroupMember> members;
    for (int row = 0; row < twMembers->rowCount(); ++row) {
        const std::optional<double> weight = WeightOf(twMembers->item(row, WeightColumn)->text());
        if (!weight) {
            return std::nullopt;
        }
        const QString file = twMembers->item(row, FileColumn)->text();
        const QString label = twMembers->item(row, LabelColumn)->text().trimmed();
        const QVariant included = twMembers->item(row, FileColumn)->data(Qt::UserRole);
        members.push_back(CGroupMember{file.toStdString(), (label.isEmpty() ? BaseName(file) : label).toStdString(),
            *weight, !included.isValid() || included.toBool()});
    }
    return members;
}

bool TfmGroupMembers::UseExpertWeights() const
{
    return cbUseWeights->isChecked();
}

void TfmGroupMembers::CheckMembers()
{
    QString problem;
    for (int row = 0; row < twMembers->rowCount() && problem.isEmpty(); ++row) {
        if (!WeightOf(twMembers->item(row, WeightColumn)->text())) {
            problem = QString::fromStdString(GroupProblemText(
                CGroupProblem{.Kind = EGroupProblem::Weight, .Expert = static_cast<std::size_t>(row)}));
        }
    }
    if (problem.isEmpty()) {
        if (const auto members = Members(); members && !members->empty()) {
            problem = QString::fromStdString(GroupMembersProblem(*members));
        }
    }
    const QString shown = problem.isEmpty() ? FailureText : problem;
    lbMembersProblem->setText(shown);
    lbMembersProblem->setVisible(!shown.isEmpty());
    btOk->setEnabled(problem.isEmpty() && twMembers->rowCount() > 0);
}

void TfmGroupMembers::ClearMarks()
{
    for (int row = 0; row < twMembers->rowCount(); ++row) {
        QTableWidgetItem* file = twMembers->item(row, FileColumn);
        file->setForeground(palette().text());
        file->setToolTip(file->text());
    }
    FailureText.clear();
}

void TfmGroupMembers::ShowFailure(const CGroupOpening& failure)
{
    ClearMarks();
    const auto mark = [this](std::size_t row, const QString& why) {
        if (row < static_cast<std::size_t>(twMembers->rowCount())) {
            QTableWidgetItem* file = twMembers->item(static_cast<int>(row), FileColumn);
            file->setForeground(MarkColour);
            file->setToolTip(file->text() + QLatin1Char('\n') + why);
        }
    };
    if (!failure.Unreadable.empty()) {
        FailureText = UnreadableMembersText(failure).Text;
        for (const CMemberReadFailure& unreadable : failure.Unreadable) {
            mark(unreadable.Expert, QString::fromStdString(unreadable.Outcome.Message));
        }
    } else {
        FailureText = QString::fromStdString(GroupProblemText(failure.Problem));
        if (failure.ProblemMember) {
            mark(*failure.ProblemMember, FailureText);
        }
    }
    CheckMembers();
}

QString TfmGroupMembers::ChooserFolder() const
{
    return LastFolder.isEmpty() ? QDir::currentPath() : LastFolder;
}

void TfmGroupMembers::btAddMembersClick()
{
    const QStringList chosen = UserDialogs().ChooseFilesToOpen(this, tr(ProjectFilter), ChooserFolder());
    if (chosen.isEmpty()) {
        return;
    }
    QStringList already;
    for (const QString& file : chosen) {
        const QString absolute = QFileInfo(file).absoluteFilePath();
        bool listed = false;
        for (int row = 0; row < twMembers->rowCount(); ++row) {
            listed = listed || SameFile(twMembers->item(row, FileColumn)->text().toStdString(), absolute.toStdString());
        }
        if (listed) {
            already << QFileInfo(absolute).fileName();
            continue;
        }
        AddRow(CGroupMember{absolute.toStdString(), BaseName(absolute).toStdString(), 1.0});
        LastFolder = QFileInfo(absolute).absolutePath();
    }
    CheckMembers();
    if (!already.isEmpty()) {
        UserDialogs().Inform(this, tr("Уже в группе: %1").arg(already.join(QStringLiteral(", "))), MessageCaption);
    }
}

void TfmGroupMembers::btLocateMemberClick()
{
    const QModelIndexList rows = twMembers->selectionModel()->selectedRows();
    if (rows.size() != 1) {
        return;
    }
    const int row = rows.front().row();
    QTableWidgetItem* file = twMembers->item(row, FileColumn);
    const QString old = file->text();
    const QString folder
        = QFileInfo(QFileInfo(old).absolutePath()).isDir() ? QFileInfo(old).absolutePath() : ChooserFolder();
    const QString chosen = UserDialogs().ChooseFileToOpen(this, tr(ProjectFilter), folder);
    if (chosen.isEmpty()) {
        return;
    }
    const QString absolute = QFileInfo(chosen).absoluteFilePath();
    Filling = true;
    file->setText(absolute);
    file->setForeground(palette().text());
    file->setToolTip(absolute);
    // A label that was the old file's name follows the file; one the user gave stays.
    QTableWidgetItem* label = twMembers->item(row, LabelColumn);
    if (label->text() == BaseName(old)) {
        label->setText(BaseName(absolute));
    }
    Filling = false;
    LastFolder = QFileInfo(absolute).absolutePath();
    FailureText.clear();
    CheckMembers();
}

void TfmGroupMembers::btRemoveMemberClick()
{
    QList<int> rows;
    for (const QModelIndex& index : twMembers->selectionModel()->selectedRows()) {
        rows << index.row();
    }
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (const int row : rows) {
        twMembers->removeRow(row);
    }
    // The numbers in the last message no longer fit the list.
    ClearMarks();
    CheckMembers();
}

void TfmGroupMembers::btOkClick()
{
    const std::optional<std::vector<CGroupMember>> members = Members();
    if (!members || members->empty() || !Open) {
        CheckMembers();
        return;
    }
    CGroupOpening opening = Open(*members, UseExpertWeights());
    if (opening.Cancelled) {
        return;
    }
    if (!opening.Succeeded()) {
        ShowFailure(opening);
        if (!opening.Unreadable.empty()) {
            const CUnreadableText text = UnreadableMembersText(opening);
            UserDialogs().InformWithDetails(this, text.Text, MessageCaption, text.Details);
        } else {
            UserDialogs().Inform(this, QString::fromStdString(GroupProblemText(opening.Problem)), MessageCaption);
        }
        return;
    }
    Made = std::move(opening.Decision);
    accept();
}
