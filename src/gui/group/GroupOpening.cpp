#include "gui/group/GroupOpening.h"

#include "core/group/GroupReportContent.h"
#include "core/lifecycle/LifecycleRules.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <memory>
#include <thread>

namespace {
// A group computed away from the window's thread, so that the progress dialog's
// "Отмена" is heard; a computation cancelled finishes on its own and takes its group along.
struct CComputation {
    std::unique_ptr<CGroupDecision> Decision;
    std::atomic<bool> Done = false;
};
} // namespace

CGroupOpening OpenGroupWithProgress(
    QWidget* parent, std::span<const CGroupMember> members, bool useExpertWeights, const CGroupReader& reader)
{
    QProgressDialog progress(QCoreApplication::translate("GroupOpening", GroupProgressText),
        QCoreApplication::translate("GroupOpening", "Отмена"), 0, static_cast<int>(members.size()), parent);
    progress.setObjectName(QStringLiteral("GroupProgress"));
    progress.setWindowTitle(QCoreApplication::translate("GroupOpening", "Групповое решение"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);
    // A modal progress dialog handles the events waiting at each step, so its "Отмена"
    // is heard while the files are read.
    CGroupOpening opening = reader(members, useExpertWeights, [&progress](std::size_t done, std::size_t /*total*/) {
        progress.setValue(static_cast<int>(done));
        return !progress.wasCanceled();
    });
    if (!opening.Succeeded()) {
        return opening;
    }
    // Then every figure of the group, under the same dialog: a thousand experts or more
    // take longer than the reading.
    progress.setLabelText(QCoreApplication::translate("GroupOpening", GroupComputingText));
    progress.setRange(0, 0);
    progress.setValue(0);
    auto computation = std::make_shared<CComputation>();
    computation->Decision = std::move(opening.Decision);
    std::thread([computation] {
        (void)computation->Decision->Result();
        computation->Done = true;
    }).detach();
    while (!computation->Done) {
        // The user's input only once the modal dialog stands over the windows.
        QCoreApplication::processEvents(
            progress.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents, 20);
        if (progress.wasCanceled()) {
            opening.Cancelled = true;
            return opening;
        }
        if (!computation->Done) {
            QThread::msleep(5);
        }
    }
    opening.Decision = std::move(computation->Decision);
    return opening;
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
