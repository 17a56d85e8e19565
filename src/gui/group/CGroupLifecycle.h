#pragma once

#include "core/storage/GroupFile.h"
#include "gui/group/GroupOpening.h"

#include <QCoreApplication>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class CGroupDecision;
class CGroupWindowHost;
class QFileSystemWatcher;
class QWidget;
class TfmGroupDecision;
class TfmGroupMembers;

// The life of a group between its window and its group file: a new group from the
// members dialog, a group file opened (from the menu, the command line or the file
// manager), its members changed, Save and Save as, and the question a changed group
// asks when its window closes. Messages, questions and file choices go through the
// user-dialog seam; the windows are the frame's, placed through its host interface.
class CGroupLifecycle final {
    Q_DECLARE_TR_FUNCTIONS(CGroupLifecycle)

public:
    CGroupLifecycle(QWidget* messageParent, CGroupWindowHost& windows);
    CGroupLifecycle(const CGroupLifecycle&) = delete;
    CGroupLifecycle& operator=(const CGroupLifecycle&) = delete;
    ~CGroupLifecycle();

    // "Групповое решение...": the members dialog, empty; its group in a new window.
    void NewGroup();
    // "Открыть группу...": a group file chosen, then opened as OpenFile does.
    void Open();
    // A group file in a new window bound to it; a file already open only has its window
    // brought to the front. A member that cannot be read, or that the group refuses, is
    // named, then the members dialog lets the user remove it or point to its new place;
    // false when nothing opened.
    bool OpenFile(const QString& path);
    // The window's members changed through the members dialog.
    void ChangeMembers(TfmGroupDecision& window);
    // Save writes to the window's file (Save as when it has none); false when nothing
    // was written (cancelled or failed, with its message).
    bool Save(TfmGroupDecision& window);
    bool SaveAs(TfmGroupDecision& window);
    // What closing a group window asks: a changed group, "save?"; false when a save the
    // user asked for did not happen, so that the window stays.
    bool MayClose(TfmGroupDecision& window);
    // Closing the frame: every group window closed in turn with its question; false when
    // one stayed.
    bool CloseAll();
    // The group follows its members' files: when one changed since the window read it
    // (saved in this program or elsewhere), the members are read again and the window
    // shows the new figures; a member that can no longer be read is named and the window
    // says that its figures are out of date. Called before anything is shown or exported
    // from the window, and whenever a member's file changes on disk. False when the
    // window's figures are not those of the files.
    bool FollowMembers(TfmGroupDecision& window);

    // Reads the members (the tests give a stand-in).
    void SetReader(CGroupReader reader) { Reader = std::move(reader); }
    // Where the file choices start, until a file is chosen.
    void SetStartDirectory(const QString& directory) { Directory = directory; }

private:
    // The members dialog over members until a group is made or the user cancels.
    std::unique_ptr<CGroupDecision> RunMembers(
        const std::vector<CGroupMember>& members, bool useExpertWeights, const CGroupOpening* failure);
    TfmGroupDecision* MakeWindow(std::unique_ptr<CGroupDecision> decision, const std::string& fileName, bool modified);
    TfmGroupDecision* WindowOf(const QString& path) const;
    bool Write(TfmGroupDecision& window, const std::string& path);
    // What each member's file was when the window's group was read, and its files watched.
    void Remember(TfmGroupDecision& window);
    void MemberFileChanged(const QString& path);
    void Inform(const QString& text, const QString& details = QString());

    QWidget* MessageParent = nullptr;
    CGroupWindowHost& Windows;
    CGroupReader Reader = OpenGroupMembers;
    QString Directory;
    // Made at its first use, then reused.
    TfmGroupMembers* MembersDialog = nullptr;
    QFileSystemWatcher* Watcher = nullptr;
    // Per window: its members' files as read (size, time, inode), in the members' order.
    std::map<TfmGroupDecision*, std::vector<QString>> Stamps;
    bool Following = false;
};

// Translated where they are shown, in the context CGroupLifecycle.
inline constexpr const char* GroupFileFilter = QT_TRANSLATE_NOOP("CGroupLifecycle", "Группа экспертов TESSALY (*.tsg)");
inline constexpr const char* SaveGroupChangesQuestion
    = QT_TRANSLATE_NOOP("CGroupLifecycle", "Сохранить изменения в группе экспертов?");
inline constexpr const char* SaveNewGroupQuestion
    = QT_TRANSLATE_NOOP("CGroupLifecycle", "Сохранить группу экспертов в файле?");
