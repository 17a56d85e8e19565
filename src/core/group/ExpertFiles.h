#pragma once

#include <cstddef>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CHierarchy;
class CUserProjectModel;

// Preparing a group decision: one project file per expert in one folder, each with the
// facilitator's hierarchy: "<name>.tsy" for a layered project, "<name>.tsj" for a tree.

inline constexpr const char* ExpertFileExtension = ".tsy";
inline constexpr const char* TreeExpertFileExtension = ".tsj";

// Why a line of the experts' names is refused (ExpertNamesOf).
enum class EExpertNameProblem {
    None,
    NoNames,          // no line holds a name
    NotText,          // the line is not UTF-8
    Dots,             // "." or ".."
    ControlCharacter, // a control character, a line break or a tab
    Slash,            // a "/"
    Hidden,           // a leading dot
    TooLong,          // longer than a file name may be
    Empty,            // a blank name (WriteExpertFiles takes the names one by one)
    Repeated,         // the name of an earlier line
};
// The first line refused: a value, its sentence made by the group's phrase book
// (ExpertNameProblemText, "Строка 3: ...").
struct CExpertNameProblem {
    EExpertNameProblem Kind = EExpertNameProblem::None;
    std::size_t Line = 0; // from 1
    std::string Name{};
    std::size_t EarlierLine = 0; // Repeated
    explicit operator bool() const { return Kind != EExpertNameProblem::None; }
};
// Whether its sentence is the text ("" for none).
bool operator==(const CExpertNameProblem& problem, std::string_view text);
std::ostream& operator<<(std::ostream& stream, const CExpertNameProblem& problem);

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
    // None when every name fits.
    CExpertNameProblem Problem;
    [[nodiscard]] bool Succeeded() const { return !Problem; }
};
CExpertNames ExpertNamesOf(const std::string& text, const std::string& folder);

// folder/<name><extension>
std::string ExpertFileName(
    const std::string& folder, const std::string& name, const char* extension = ExpertFileExtension);
// The experts' files that exist already, in the names' order: the dialog asks before it
// replaces an expert's file, which may hold his judgements.
std::vector<std::string> ExistingExpertFiles(
    std::span<const std::string> names, const std::string& folder, const char* extension = ExpertFileExtension);

// Why a file at an expert's name is in the way (ReplacedExpertFiles).
enum class EExpertFileRefusal {
    None,
    OpenProject,   // a project open in the program
    NotExpertFile, // not an expert file of this hierarchy, or not a regular file
};
// The first file in the way (File, by its name): a value, its sentence made by the group's
// phrase book (ExpertFileRefusalText).
struct CExpertFileRefusal {
    EExpertFileRefusal Kind = EExpertFileRefusal::None;
    std::string File{};
    explicit operator bool() const { return Kind != EExpertFileRefusal::None; }
};
// Whether its sentence is the text ("" for none).
bool operator==(const CExpertFileRefusal& refusal, std::string_view text);
std::ostream& operator<<(std::ostream& stream, const CExpertFileRefusal& refusal);

// What writing the experts' files would replace. Only an expert file of this hierarchy
// (a project file with the project's levels and names, as this command writes them) is
// replaced, and only once the user agrees; a file that is a project open in the program
// (the facilitator's own among them, by its name or any other name of the same file), a
// file that is not such a project, or anything that is not a regular file, is in the way:
// nothing is written.
struct CReplacedExpertFiles {
    std::vector<std::string> Replaced; // expert files of this hierarchy, in the names' order
    // None when no file is in the way.
    CExpertFileRefusal Refusal;
    [[nodiscard]] bool Refused() const { return static_cast<bool>(Refusal); }
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
    // "" when every file was written; else, as the user is told it, the names' problem or
    // the file in the way (nothing written), or the save's message for File with the
    // system's Reason (the files before it stay written).
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

// The longest file name when the folder's file system cannot tell.
inline constexpr std::size_t DefaultNameLimit = 255;
