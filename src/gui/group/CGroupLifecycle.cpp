#include "gui/group/CGroupLifecycle.h"

#include "core/group/CGroupDecision.h"
#include "core/lifecycle/LifecycleRules.h"
#include "gui/group/CGroupWindowHost.h"
#include "gui/group/TfmGroupDecision.h"
#include "gui/group/TfmGroupMembers.h"
#include "gui/widgets/CUserDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>

namespace {
const QString MessageCaption = QStringLiteral("Message");

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}
} // namespace

CGroupLifecycle::CGroupLifecycle(QWidget* messageParent, CGroupWindowHost& windows)
    : MessageParent(messageParent)
    , Windows(windows)
{
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
        MessageParent, QString::fromUtf8(GroupFileFilter), Directory.isEmpty() ? QDir::currentPath() : Directory);
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
    CGroupOpening opening = OpenGroupWithProgress(MessageParent, read.Members, true, Reader);
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
        Inform(Text(opening.Problem));
    }
    std::unique_ptr<CGroupDecision> decision = RunMembers(read.Members, true, &opening);
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
    }
}

bool CGroupLifecycle::Write(TfmGroupDecision& window, const std::string& path)
{
    const CGroupSaveOutcome saved = SaveGroupFile(window.Members(), path);
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
    const QString chosen = UserDialogs().ChooseFileToSave(MessageParent, QString::fromUtf8(GroupFileFilter), start);
    if (chosen.isEmpty()) {
        return false;
    }
    const CSaveTarget target = SaveTargetOf(chosen.toStdString(), GroupFileExtension, ENamedIn::SaveDialog);
    if (target.AskReplace && !UserDialogs().AskYesNo(MessageParent, Text(ReplaceFileQuestion), MessageCaption)) {
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
    if (!UserDialogs().AskYesNo(MessageParent, QString::fromUtf8(question), MessageCaption)) {
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
