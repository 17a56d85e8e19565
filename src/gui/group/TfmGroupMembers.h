#pragma once

#include "core/storage/GroupFile.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CGroupDecision;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
struct CGroupOpening;

// "Групповое решение": the experts' files of a group, each with a label (the file's base
// name unless changed) and a weight (a positive number, 1 unless changed), and whether
// the weights count. OK makes the group of them; a member that cannot be read or does
// not fit is named, marked in the list, and the dialog stays until the user removes it,
// points to its file's new place, or cancels. Created once, reused.
class TfmGroupMembers final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmGroupMembers)

public:
    // Makes the group of the members and whether the weights count.
    using COpener = std::function<CGroupOpening(const std::vector<CGroupMember>&, bool)>;

    explicit TfmGroupMembers(QWidget* parent = nullptr);
    ~TfmGroupMembers() override;

    // The dialog over members until a group is made of them (returned) or the user cancels
    // (null). failure, when given, is what went wrong at the last attempt, shown at once.
    std::unique_ptr<CGroupDecision> Run(const std::vector<CGroupMember>& members, bool useExpertWeights,
        const COpener& open, const CGroupOpening* failure = nullptr);

    // The members as the list holds them; none while a weight is not a positive number.
    [[nodiscard]] std::optional<std::vector<CGroupMember>> Members() const;
    [[nodiscard]] bool UseExpertWeights() const;
    // Where the file choice starts while the list names no file.
    void SetStartFolder(const QString& folder) { LastFolder = folder; }

    QTableWidget* twMembers = nullptr;
    QPushButton* btAddMembers = nullptr;
    QPushButton* btLocateMember = nullptr;
    QPushButton* btRemoveMember = nullptr;
    QCheckBox* cbUseWeights = nullptr;
    QLabel* lbMembersProblem = nullptr;
    QPushButton* btOk = nullptr;
    QPushButton* btCancel = nullptr;

    // The columns of twMembers.
    static constexpr int FileColumn = 0;
    static constexpr int LabelColumn = 1;
    static constexpr int WeightColumn = 2;

private:
    void SetMembers(const std::vector<CGroupMember>& members, bool useExpertWeights);
    void AddRow(const CGroupMember& member);
    // What is wrong with the list as it stands, shown under it; OK only when nothing is.
    void CheckMembers();
    // The last attempt's failure: the members it names are marked, its message shown.
    void ShowFailure(const CGroupOpening& failure);
    void ClearMarks();
    void btAddMembersClick();
    void btLocateMemberClick();
    void btRemoveMemberClick();
    void btOkClick();
    [[nodiscard]] QString ChooserFolder() const;

    COpener Open;
    std::unique_ptr<CGroupDecision> Made;
    QString LastFolder;
    // The failure's text, kept under the list until the list changes.
    QString FailureText;
    bool Filling = false;
};
