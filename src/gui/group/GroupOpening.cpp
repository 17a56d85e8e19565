#include "gui/group/GroupOpening.h"

#include "core/group/GroupReportContent.h"
#include "core/lifecycle/LifecycleRules.h"

#include <QProgressDialog>
#include <QStringList>

CGroupOpening OpenGroupWithProgress(
    QWidget* parent, std::span<const CGroupMember> members, bool useExpertWeights, const CGroupReader& reader)
{
    QProgressDialog progress(
        QString::fromUtf8(GroupProgressText), QStringLiteral("Отмена"), 0, static_cast<int>(members.size()), parent);
    progress.setObjectName(QStringLiteral("GroupProgress"));
    progress.setWindowTitle(QStringLiteral("Групповое решение"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);
    // A modal progress dialog handles the events waiting at each step, so its "Отмена"
    // is heard while the files are read.
    return reader(members, useExpertWeights, [&progress](std::size_t done, std::size_t /*total*/) {
        progress.setValue(static_cast<int>(done));
        return !progress.wasCanceled();
    });
}

CUnreadableText UnreadableMembersText(const CGroupOpening& opening)
{
    QStringList lines;
    QStringList details;
    for (const CMemberReadFailure& failure : opening.Unreadable) {
        lines << QString::fromStdString(UnreadableMemberText(failure.Expert, failure.Label, failure.Outcome.Message));
        details << QString::fromStdString(FileErrorDetails(failure.File, failure.Outcome.Reason));
    }
    return {lines.join(QLatin1Char('\n')), details.join(QStringLiteral("\n\n"))};
}
