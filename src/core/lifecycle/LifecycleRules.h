#pragma once

#include <cstddef>
#include <string>

class CProjectDocument;

// The rules of a project's life between its window and its file that need no screen:
// the question the Save operation asks, when a chosen name may be written without the
// replace question, what a file named to open becomes, and the captions the commands
// give their windows.

inline constexpr const char* ProjectCaptionPrefix = "Проект - ";
inline constexpr const char* SaveChangesQuestion = "Сохранить сделанные в проекте изменения?";
inline constexpr const char* SaveCreatedQuestion = "Сохранить созданный проект в файле?";
inline constexpr const char* ReplaceFileQuestion = "Файл с таким именем уже существует. Заменить его?";
inline constexpr const char* ExitQuestion = "Выйти из программы?";
inline constexpr const char* CloneQuestion = "Клонировать текущий проект?";
inline constexpr const char* NewProjectAllocationText = "Ошибка выделения памяти под новый проект";
inline constexpr const char* OpenProjectAllocationText = "Ошибка выделения памяти под открытие проекта";

// What the Save operation asks before it writes.
enum class ESaveQuestion {
    None,        // a project from a file with nothing changed: nothing to save
    SaveChanges, // "Сохранить сделанные в проекте изменения?"
    SaveCreated, // "Сохранить созданный проект в файле?", changed or not
};
ESaveQuestion SaveQuestionOf(const CProjectDocument& document);
const char* SaveQuestionText(ESaveQuestion question);

enum class ESaveOutcome {
    Saved,
    NothingToSave, // a project from a file with nothing changed
    Declined,      // the question answered No
    Cancelled,     // Yes, then the file dialog cancelled or the replace question answered No
    Failed,        // Yes, and the file could not be written
};
// A closing window goes unless a save the user asked for did not happen.
bool MayCloseAfter(ESaveOutcome outcome);

// Which dialog named the file. A save dialog has confirmed the name as typed with its
// own overwrite prompt; the open dialog that Save as uses asks nothing.
enum class ENamedIn {
    SaveDialog,
    OpenDialog,
};
struct CSaveTarget {
    std::string Path;        // the chosen name after the extension rule
    bool AskReplace = false; // the replace question comes before the file is written
};
// The file a chosen name is written to, and whether an existing file there is asked
// about first: always after the open dialog, after a save dialog only when the
// extension made another name than the one it confirmed.
CSaveTarget SaveTargetOf(const std::string& chosen, const std::string& extension, ENamedIn dialog);

// What a file named to open becomes.
enum class EOpening {
    Project,  // "Открыть проект": bound to the file, captioned with its path
    Template, // "Загрузить шаблонную иерархию": a new, unnamed project from the file
    Copy,     // the clone: a new, unnamed project from the clone file
};
struct COpening {
    std::string Caption;  // empty: the count caption of a new window
    std::string FileName; // the file the project is bound to; empty for a new project
    const char* CreationFailureText = OpenProjectAllocationText;
};
COpening OpeningOf(EOpening opening, const std::string& path);
// A file named on the command line (what a double-click in the file manager does): a
// template, by its extension in any case, is loaded as "Загрузить шаблонную иерархию"
// loads it, so nothing is ever saved into it; anything else opens as a project.
EOpening CommandLineOpeningOf(const std::string& path);
// Whether two names are one file, by their canonical paths; a name that is no file
// (yet) compares by its spelling made plain. An empty name is no file.
bool SameFile(const std::string& a, const std::string& b);

// What an export's file dialog proposes: the project's file name with the export's
// extension in its folder, or for a project never saved its goal's name (a slash made
// "_") in the last export folder, or only that folder when the goal has no name.
std::string ProposedExportName(const std::string& projectFile, const std::string& goal,
    const std::string& lastExportFolder, const std::string& extension);

// What a file error's message box says under its message: which file and why, one
// line each ("Файл: ...", "Причина: ..."); a line is left out when it has nothing to say.
std::string FileErrorDetails(const std::string& path, const std::string& reason);

// "Проект - " and the number of windows, the new one included.
std::string CountCaption(std::size_t windows);
// After Save gives a new project its file: the bare file name.
std::string SavedCaption(const std::string& path);
// After Save as, and for a project opened from a file: "Проект - " and the file name.
std::string NamedCaption(const std::string& path);
