#include "gui/group/CGroupLifecycle.h"

#include "core/group/CGroupDecision.h"
#include "core/group/GroupReportContent.h"
#include "core/lifecycle/LifecycleRules.h"
#include "gui/group/CGroupWindowHost.h"
#include "gui/group/TfmGroupDecision.h"
#include "gui/group/TfmGroupMembers.h"
#include "gui/widgets/CUserDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMdiSubWindow>
#include <QTimer>

#include <sys/stat.h>

namespace {
const QString MessageCaption = QStringLiteral("Message");

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// What tells a file's content changed without reading it: its size, modification time and
// inode (a safe save puts a new file in place); "" for a file that is not there.
QString Stamp(const std::string& file)
{
    struct stat info { };
    if (::stat(file.c_str(), &info) != 0) {
        return {};
    }
    return QStringLiteral("%1:%2:%3:%4")
        .arg(info.st_size)
        .arg(info.st_mtim.tv_sec)
        .arg(info.st_mtim.tv_nsec)
        .arg(info.st_ino);
}
} // namespace

CGroupLifecycle::CGroupLifecycle(QWidget* messageParent, CGroupWindowHost& windows)
    : MessageParent(messageParent)
    , Windows(windows)
    , Watcher(new QFileSystemWatcher(messageParent))
{
    Watcher->setObjectName(QStringLiteral("GroupMembersWatcher"));
    QObject::connect(
        Watcher, &QFileSystemWatcher::fileChanged, Watcher, [this](const QString& path) { MemberFileChanged(path); });
}

CGroupLifecycle::~CGroupLifecycle() = default;

void CGroupLifecycle::Inform(const QString& text, const QString& details)
{
    if (details.isEmpty()) {
        UserDialogs().Inform(MessageParent, text, MessageCaption);
    } else {
        UserDialogs().InformWithDetails(MessageParent, text, MessageCaption, details);
    }
}

std::unique_ptr<CGroupDecision> CGroupLifecycle::RunMembers(
    const std::vector<CGroupMember>& members, bool useExpertWeights, const CGroupOpening* failure)
{
    if (MembersDialog == nullptr) {
        MembersDialog = new TfmGroupMembers(MessageParent);
    }
    if (members.empty() && !Directory.isEmpty()) {
        MembersDialog->SetStartFolder(Directory);
    }
    return MembersDialog->Run(
        members, useExpertWeights,
        [this](const std::vector<CGroupMember>& chosen, bool useWeights) {
            return OpenGroupWithProgress(MembersDialog, chosen, useWeights, Reader);
        },
        failure);
}

TfmGroupDecision* CGroupLifecycle::MakeWindow(
    std::unique_ptr<CGroupDecision> decision, const std::string& fileName, bool modified)
{
    auto* window = new TfmGroupDecision(std::move(decision));
    window->SetFileName(fileName);
    window->SetModified(modified);
    window->MayClose = [this](TfmGroupDecision& closing) { return MayClose(closing); };
    QObject::connect(window, &TfmGroupDecision::MembersRequested, window,
        [this](TfmGroupDecision* changed) { ChangeMembers(*changed); });
    QObject::connect(
        window, &TfmGroupDecision::SaveRequested, window, [this](TfmGroupDecision* saved) { Save(*saved); });
    QObject::connect(
        window, &TfmGroupDecision::SaveAsRequested, window, [this](TfmGroupDecision* saved) { SaveAs(*saved); });
    QObject::connect(
        window, &TfmGroupDecision::Closed, window, [this](TfmGroupDecision* closed) { Stamps.erase(closed); });
    Remember(*window);
    Windows.AddGroupWindow(window);
    return window;
}

TfmGroupDecision* CGroupLifecycle::WindowOf(const QString& path) const
{
    for (TfmGroupDecision* window : Windows.GroupWindows()) {
        if (SameFile(window->FileName(), path.toStdString())) {
            return window;
        }
    }
    return nullptr;
}

void CGroupLifecycle::NewGroup()
{
    std::unique_ptr<CGroupDecision> decision = RunMembers({}, true, nullptr);
    if (decision != nullptr) {
        MakeWindow(std::move(decision), {}, true);
    }
}

void CGroupLifecycle::Open()
{
    const QString chosen = UserDialogs().ChooseFileToOpen(
        MessageParent, tr(GroupFileFilter), Directory.isEmpty() ? QDir::currentPath() : Directory);
    if (!chosen.isEmpty()) {
        Directory = QFileInfo(chosen).absolutePath();
        OpenFile(chosen);
    }
}

bool CGroupLifecycle::OpenFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // Two windows bound to one group file would each save over the other's changes.
    if (TfmGroupDecision* open = WindowOf(absolute)) {
        Windows.ShowGroupWindow(open);
        return true;
    }
    const CGroupReadOutcome read = ReadGroupFile(absolute.toStdString());
    if (!read.Succeeded()) {
        Inform(Text(read.Message), Text(FileErrorDetails(absolute.toStdString(), {})));
        return false;
    }
    CGroupOpening opening = OpenGroupWithProgress(MessageParent, read.Members, read.Weighted, Reader);
    if (opening.Cancelled) {
        return false;
    }
    if (opening.Succeeded()) {
        MakeWindow(std::move(opening.Decision), absolute.toStdString(), false);
        return true;
    }
    // Named first, then mended in the members dialog: removed, or pointed to its new place.
    if (!opening.Unreadable.empty()) {
        const CUnreadableText text = UnreadableMembersText(opening);
        Inform(text.Text, text.Details);
    } else {
        Inform(Text(GroupProblemText(opening.Problem)));
    }
    std::unique_ptr<CGroupDecision> decision = RunMembers(read.Members, read.Weighted, &opening);
    if (decision == nullptr) {
        return false;
    }
    // Bound to its file, which no longer says what the window shows.
    MakeWindow(std::move(decision), absolute.toStdString(), true);
    return true;
}

void CGroupLifecycle::ChangeMembers(TfmGroupDecision& window)
{
    std::unique_ptr<CGroupDecision> decision
        = RunMembers(window.Members(), window.Decision().UseExpertWeights(), nullptr);
    if (decision != nullptr) {
        window.ReplaceDecision(std::move(decision));
        window.SetModified(true);
        Remember(window);
    }
}

void CGroupLifecycle::Remember(TfmGroupDecision& window)
{
    std::vector<QString>& stamps = Stamps[&window];
    stamps.clear();
    QStringList files;
    for (const CGroupMember& member : window.Members()) {
        stamps.push_back(Stamp(member.File));
        files << Text(member.File);
    }
    // Watched again each time: a safe save replaces the file the watcher knew.
    const QStringList watched = Watcher->files();
    for (const QString& file : files) {
        if (!watched.contains(file) && QFileInfo::exists(file)) {
            Watcher->addPath(file);
        }
    }
}

void CGroupLifecycle::MemberFileChanged(const QString& path)
{
    if (QFileInfo::exists(path) && !Watcher->files().contains(path)) {
        Watcher->addPath(path);
    }
    // After the events of the change: a save writes, then renames.
    QTimer::singleShot(0, Watcher, [this] {
        for (TfmGroupDecision* window : Windows.GroupWindows()) {
            FollowMembers(*window);
        }
    });
}

bool CGroupLifecycle::FollowMembers(TfmGroupDecision& window)
{
    const std::vector<CGroupMember> members = window.Members();
    const std::vector<QString>& stamps = Stamps[&window];
    bool same = stamps.size() == members.size();
    for (std::size_t k = 0; same && k < members.size(); ++k) {
        same = stamps[k] == Stamp(members[k].File);
    }
    if (same) {
        return !window.OutOfDate();
    }
    if (Following) {
        return false;
    }
    Following = true;
    CGroupOpening opening = OpenGroupWithProgress(&window, members, window.Decision().UseExpertWeights(), Reader);
    Following = false;
    if (!opening.Succeeded()) {
        window.SetOutOfDate(true);
        if (!opening.Cancelled) {
            //: %1 says why the group could not be read again
            const QString outOfDate
                = tr("Файлы экспертов изменились, и группу не удалось пересчитать. Её показатели устарели.\n%1");
            if (!opening.Unreadable.empty()) {
                const CUnreadableText text = UnreadableMembersText(opening);
                Inform(outOfDate.arg(text.Text), text.Details);
            } else {
                Inform(outOfDate.arg(Text(GroupProblemText(opening.Problem))));
            }
        }
        // Asked again at the next change, not at every look.
        Remember(window);
        return false;
    }
    const bool modified = window.Modified();
    window.ReplaceDecision(std::move(opening.Decision));
    window.SetModified(modified);
    window.SetOutOfDate(false);
    Remember(window);
    return true;
}

bool CGroupLifecycle::Write(TfmGroupDecision& window, const std::string& path)
{
    const CGroupSaveOutcome saved = SaveGroupFile(window.Members(), path, window.Decision().UseExpertWeights());
    if (!saved.Succeeded()) {
        Inform(Text(saved.Message), Text(FileErrorDetails(path, saved.Reason)));
        return false;
    }
    return true;
}

bool CGroupLifecycle::Save(TfmGroupDecision& window)
{
    if (window.FileName().empty()) {
        return SaveAs(window);
    }
    if (!Write(window, window.FileName())) {
        return false;
    }
    window.SetModified(false);
    return true;
}

bool CGroupLifecycle::SaveAs(TfmGroupDecision& window)
{
    const QString start
        = window.FileName().empty() ? (Directory.isEmpty() ? QDir::currentPath() : Directory) : Text(window.FileName());
    const QString chosen = UserDialogs().ChooseFileToSave(MessageParent, tr(GroupFileFilter), start);
    if (chosen.isEmpty()) {
        return false;
    }
    const CSaveTarget target = SaveTargetOf(chosen.toStdString(), GroupFileExtension, ENamedIn::SaveDialog);
    if (target.AskReplace && !UserDialogs().AskYesNo(MessageParent, Text(Tr(ReplaceFileQuestion)), MessageCaption)) {
        return false;
    }
    Directory = QFileInfo(Text(target.Path)).absolutePath();
    if (!Write(window, target.Path)) {
        return false;
    }
    window.SetFileName(QFileInfo(Text(target.Path)).absoluteFilePath().toStdString());
    window.SetModified(false);
    return true;
}

bool CGroupLifecycle::MayClose(TfmGroupDecision& window)
{
    if (!window.Modified()) {
        return true;
    }
    const char* question = window.FileName().empty() ? SaveNewGroupQuestion : SaveGroupChangesQuestion;
    if (!UserDialogs().AskYesNo(MessageParent, tr(question), MessageCaption)) {
        return true;
    }
    // A save the user asked for that did not happen keeps the window and the group.
    return Save(window);
}

bool CGroupLifecycle::CloseAll()
{
    bool all = true;
    for (TfmGroupDecision* window : Windows.GroupWindows()) {
        auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        const bool closed = frame != nullptr ? frame->close() : window->close();
        all = all && closed;
    }
    return all;
}
