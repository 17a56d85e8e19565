#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

class CHierarchy;
class CUserProjectModel;

// Preparing a group decision: one project file per expert in one folder, each with the
// facilitator's hierarchy: "<name>.tsy" for a layered project, "<name>.tsj" for a tree.

inline constexpr const char* ExpertFileExtension = ".tsy";
inline constexpr const char* TreeExpertFileExtension = ".tsj";

// The experts' names as the dialog takes them, one per line. Blanks and tabs around a
// name are dropped and blank lines are no names. A name is refused when it cannot make a
// file of its own: "." or "..", a "/", a control character (a tab inside included), text
// that is not UTF-8, a leading dot (the file would be hidden), a file name longer than the
// folder's file system allows, or a name already given on an earlier line, compared
// without regard to case (Latin and Cyrillic letters), because "Иванов" and "ИВАНОВ" are
// one expert typed twice and would be one file on the case-blind file systems that files
// sent to experts often travel on.
struct CExpertNames {
    std::vector<std::string> Names;
    // The first line refused, as the user is told it: "Строка 3: ..."; "" when every name fits.
    std::string Problem;
    [[nodiscard]] bool Succeeded() const { return Problem.empty(); }
};
CExpertNames ExpertNamesOf(const std::string& text, const std::string& folder);

// folder/<name><extension>
std::string ExpertFileName(
    const std::string& folder, const std::string& name, const char* extension = ExpertFileExtension);
// The experts' files that exist already, in the names' order: the dialog asks before it
// replaces an expert's file, which may hold his judgements.
std::vector<std::string> ExistingExpertFiles(
    std::span<const std::string> names, const std::string& folder, const char* extension = ExpertFileExtension);

// What writing the experts' files would replace. Only an expert file of this hierarchy
// (a project file with the project's levels and names, as this command writes them) is
// replaced, and only once the user agrees; a file that is a project open in the program
// (the facilitator's own among them, by its name or any other name of the same file), a
// file that is not such a project, or anything that is not a regular file, is in the way:
// nothing is written.
struct CReplacedExpertFiles {
    std::vector<std::string> Replaced; // expert files of this hierarchy, in the names' order
    // The first file in the way, as the user is told it; "" when none.
    std::string Refusal;
    [[nodiscard]] bool Refused() const { return !Refusal.empty(); }
};
CReplacedExpertFiles ReplacedExpertFiles(const CUserProjectModel& project, std::span<const std::string> names,
    const std::string& folder, std::span<const std::string> openProjects);
// The same for a tree's experts: their tree files, an expert file being a tree file of
// the same tree (names and order at every criterion, the same alternatives).
CReplacedExpertFiles ReplacedExpertFiles(const CHierarchy& tree, std::span<const std::string> names,
    const std::string& folder, std::span<const std::string> openProjects);

enum class EExpertJudgements {
    NotJudged, // every pair "не задано" (the diagonal stays equality)
    Kept,      // the project's own judgements
};
struct CExpertFilesOutcome {
    std::vector<std::string> Written; // in the names' order
    // "" when every file was written; else the names' problem (nothing written), or the
    // save's message for File with the system's Reason (the files before it stay written).
    std::string Message;
    std::string File;
    std::string Reason;
    [[nodiscard]] bool Succeeded() const { return Message.empty(); }
};
// Writes one file per expert, each saved atomically, existing expert files replaced. The
// names are checked as ExpertNamesOf checks them, and the files they would replace as
// ReplacedExpertFiles does, before anything is written.
CExpertFilesOutcome WriteExpertFiles(const CUserProjectModel& project, std::span<const std::string> names,
    const std::string& folder, EExpertJudgements judgements, std::span<const std::string> openProjects = {});
// The same for a tree: one tree file per expert, with every criterion's names, comments
// and order, and the alternatives.
CExpertFilesOutcome WriteExpertFiles(const CHierarchy& tree, std::span<const std::string> names,
    const std::string& folder, EExpertJudgements judgements, std::span<const std::string> openProjects = {});

inline constexpr const char* NoExpertNamesText = "Не указано ни одного эксперта";
// The longest file name when the folder's file system cannot tell.
inline constexpr std::size_t DefaultNameLimit = 255;
