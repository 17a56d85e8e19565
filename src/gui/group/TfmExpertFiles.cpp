#include "gui/group/TfmExpertFiles.h"

#include "core/document/CProjectDocument.h"
#include "core/group/ExpertFiles.h"
#include "core/group/GroupReportContent.h"
#include "core/lifecycle/LifecycleRules.h"
#include "gui/widgets/CUserDialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace {
const QString MessageCaption = QStringLiteral("Message");

// How many replaced files the question names before it only counts the rest.
constexpr int NamedFilesInQuestion = 8;

QString ReplaceQuestion(const std::vector<std::string>& files, const QString& folder)
{
    QStringList names;
    for (std::size_t k = 0; k < files.size() && k < NamedFilesInQuestion; ++k) {
        names << QFileInfo(QString::fromStdString(files[k])).fileName();
    }
    QString list = names.join(QStringLiteral(", "));
    if (files.size() > NamedFilesInQuestion) {
        //: %1 is a list of file names, %2 how many more files there are
        list = QCoreApplication::translate("TfmExpertFiles", "%1 и ещё %2")
                   .arg(list, QString::number(files.size() - NamedFilesInQuestion));
    }
    return QCoreApplication::translate("TfmExpertFiles",
        "В папке «%1» уже есть файлы экспертов этого проекта: %2. Они будут заменены новыми, и "
        "суждения, записанные в них, пропадут. Заменить их?")
        .arg(folder, list);
}
} // namespace

TfmExpertFiles::TfmExpertFiles(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fmExpertFiles"));
    setWindowTitle(tr("Подготовить файлы для экспертов"));
    setModal(true);

    auto* namesCaption = new QLabel(tr("&Имена экспертов, по одному в строке:"), this);
    edExpertNames = new QPlainTextEdit(this);
    edExpertNames->setObjectName(QStringLiteral("edExpertNames"));
    edExpertNames->setTabChangesFocus(true);
    namesCaption->setBuddy(edExpertNames);
    lbNamesProblem = new QLabel(this);
    lbNamesProblem->setObjectName(QStringLiteral("lbNamesProblem"));
    lbNamesProblem->setWordWrap(true);
    lbNamesProblem->setStyleSheet(QStringLiteral("color: #c00000;"));

    auto* folderCaption = new QLabel(tr("&Папка:"), this);
    edFolder = new QLineEdit(this);
    edFolder->setObjectName(QStringLiteral("edFolder"));
    folderCaption->setBuddy(edFolder);
    btChooseFolder = new QPushButton(tr("&Выбрать..."), this);
    btChooseFolder->setObjectName(QStringLiteral("btChooseFolder"));
    btChooseFolder->setAccessibleName(tr("Выбрать папку"));
    cbKeepJudgements = new QCheckBox(tr("&Сохранить в файлах суждения проекта"), this);
    cbKeepJudgements->setObjectName(QStringLiteral("cbKeepJudgements"));
    cbKeepJudgements->setToolTip(tr("Без этого флажка все сравнения в файлах экспертов не заданы"));

    btOk = new QPushButton(tr("Создать файлы"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setDefault(true);
    btCancel = new QPushButton(tr("Отмена"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderCaption);
    folderRow->addWidget(edFolder, 1);
    folderRow->addWidget(btChooseFolder);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btOk);
    buttons->addWidget(btCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(namesCaption);
    layout->addWidget(edExpertNames, 1);
    layout->addWidget(lbNamesProblem);
    layout->addLayout(folderRow);
    layout->addWidget(cbKeepJudgements);
    layout->addLayout(buttons);
    resize(480, 400);

    connect(edExpertNames, &QPlainTextEdit::textChanged, this, &TfmExpertFiles::CheckNames);
    connect(edFolder, &QLineEdit::textChanged, this, &TfmExpertFiles::CheckNames);
    connect(btChooseFolder, &QPushButton::clicked, this, &TfmExpertFiles::btChooseFolderClick);
    connect(btOk, &QPushButton::clicked, this, &TfmExpertFiles::btOkClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    CheckNames();
}

TfmExpertFiles::~TfmExpertFiles() = default;

QStringList TfmExpertFiles::Prepare(
    const CProjectDocument& project, const QString& folder, const std::vector<std::string>& openProjects)
{
    Project = &project;
    OpenProjects = openProjects;
    Written.clear();
    edFolder->setText(folder);
    CheckNames();
    edExpertNames->setFocus();
    const bool accepted = exec() == QDialog::Accepted;
    Project = nullptr;
    return accepted ? Written : QStringList();
}

QString TfmExpertFiles::Folder() const
{
    return edFolder->text();
}

void TfmExpertFiles::CheckNames()
{
    const QString text = edExpertNames->toPlainText();
    // An empty list is not yet a mistake: nothing is said until a name is typed.
    const CExpertNames names = ExpertNamesOf(text.toStdString(), Folder().toStdString());
    const bool nothingTyped = text.trimmed().isEmpty();
    lbNamesProblem->setText(nothingTyped ? QString() : QString::fromStdString(ExpertNameProblemText(names.Problem)));
    lbNamesProblem->setVisible(!lbNamesProblem->text().isEmpty());
    btOk->setEnabled(names.Succeeded() && !Folder().trimmed().isEmpty());
}

void TfmExpertFiles::btChooseFolderClick()
{
    const QString chosen = UserDialogs().ChooseFolder(this, Folder());
    if (!chosen.isEmpty()) {
        edFolder->setText(chosen);
    }
}

void TfmExpertFiles::btOkClick()
{
    if (Project == nullptr) {
        return;
    }
    const std::string folder = Folder().trimmed().toStdString();
    const CExpertNames names = ExpertNamesOf(edExpertNames->toPlainText().toStdString(), folder);
    if (!names.Succeeded()) {
        CheckNames();
        return;
    }
    if (!QFileInfo(QString::fromStdString(folder)).isDir()) {
        UserDialogs().Inform(this, tr("Папка «%1» не найдена").arg(QString::fromStdString(folder)), MessageCaption);
        return;
    }
    const CReplacedExpertFiles replaced = Project->IsTree()
        ? ReplacedExpertFiles(Project->Tree(), names.Names, folder, OpenProjects)
        : ReplacedExpertFiles(Project->Model(), names.Names, folder, OpenProjects);
    if (replaced.Refused()) {
        UserDialogs().Inform(this, QString::fromStdString(ExpertFileRefusalText(replaced.Refusal)), MessageCaption);
        return;
    }
    if (!replaced.Replaced.empty()
        && !UserDialogs().AskYesNo(
            this, ReplaceQuestion(replaced.Replaced, QString::fromStdString(folder)), MessageCaption)) {
        return;
    }
    const EExpertJudgements judgements
        = cbKeepJudgements->isChecked() ? EExpertJudgements::Kept : EExpertJudgements::NotJudged;
    const CExpertFilesOutcome outcome = Project->IsTree()
        ? WriteExpertFiles(Project->Tree(), names.Names, folder, judgements, OpenProjects)
        : WriteExpertFiles(Project->Model(), names.Names, folder, judgements, OpenProjects);
    if (!outcome.Succeeded()) {
        UserDialogs().InformWithDetails(this, QString::fromStdString(outcome.Message), MessageCaption,
            QString::fromStdString(FileErrorDetails(outcome.File, outcome.Reason)));
        return;
    }
    for (const std::string& file : outcome.Written) {
        Written << QString::fromStdString(file);
    }
    accept();
}
