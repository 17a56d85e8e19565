#pragma once

#include "core/group/GroupReading.h"

#include <QString>

#include <functional>
#include <span>

class QWidget;

// What reads a group's members: OpenGroupMembers, or a stand-in.
using CGroupReader = std::function<CGroupOpening(std::span<const CGroupMember>, bool, const CGroupProgress&)>;

// Reads the members as OpenGroupMembers does and computes the group's figures, under a
// progress dialog over parent that shows itself once either looks like taking longer
// than half a second, and whose "Отмена" cancels both (the opening then comes back
// Cancelled, without a group).
CGroupOpening OpenGroupWithProgress(QWidget* parent, std::span<const CGroupMember> members, bool useExpertWeights,
    const CGroupReader& reader = OpenGroupMembers);

// The members that could not be read, as the user is told: one line per member with the
// reader's message, and under it each one's file and reason.
struct CUnreadableText {
    QString Text;
    QString Details;
};
CUnreadableText UnreadableMembersText(const CGroupOpening& opening);

// Translated where they are shown, in the context GroupOpening.
inline constexpr const char* GroupProgressText = QT_TRANSLATE_NOOP("GroupOpening", "Чтение файлов экспертов...");
inline constexpr const char* GroupComputingText = QT_TRANSLATE_NOOP("GroupOpening", "Расчёт показателей группы...");
