#pragma once

#include "core/model/Phrase.h"

#include <cstddef>
#include <string>

class CProjectDocument;

// The rules of a project's life between its window and its file that need no screen:
// the question the Save operation asks, when a chosen name may be written without the
// replace question, what a file named to open becomes, and the captions the commands
// give their windows. Its questions and messages are phrases: the lifecycle's phrase book.

inline constexpr CPhrase SaveChangesQuestion
    = TESSALY_PHRASE("LifecycleRules", "Сохранить сделанные в проекте изменения?");
inline constexpr CPhrase SaveCreatedQuestion = TESSALY_PHRASE("LifecycleRules", "Сохранить созданный проект в файле?");
inline constexpr CPhrase ReplaceFileQuestion
    = TESSALY_PHRASE("LifecycleRules", "Файл с таким именем уже существует. Заменить его?");
inline constexpr CPhrase ExitQuestion = TESSALY_PHRASE("LifecycleRules", "Выйти из программы?");
inline constexpr CPhrase CloneQuestion = TESSALY_PHRASE("LifecycleRules", "Клонировать текущий проект?");
inline constexpr CPhrase NewProjectAllocationText
    = TESSALY_PHRASE("LifecycleRules", "Ошибка выделения памяти под новый проект");
inline constexpr CPhrase OpenProjectAllocationText
    = TESSALY_PHRASE("LifecycleRules", "Ошибка выделения памяти под открытие проекта");
inline constexpr CPhrase TemplateCreationFailureText
    = TESSALY_PHRASE("LifecycleRules", "Не могу открыть текущий шаблон");
inline constexpr CPhrase CloneCreationFailureText
    = TESSALY_PHRASE("LifecycleRules", "Не могу клонировать текущий проект");

// What the Save operation asks before it writes.
enum class ESaveQuestion {
    None,        // a project from a file with nothing changed: nothing to save
    SaveChanges, // "Сохранить сделанные в проекте изменения?"
    SaveCreated, // "Сохранить созданный проект в файле?", changed or not
};
ESaveQuestion SaveQuestionOf(const CProjectDocument& document);
// The question asked (nothing for None), and its Russian source.
CPhrase SaveQuestionPhrase(ESaveQuestion question);
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
    // What the user is told when the window cannot be made, and its Russian source.
    CPhrase CreationFailure = OpenProjectAllocationText;
    const char* CreationFailureText = CreationFailure.Source;
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

// "Проект - 3": the number of windows, the new one included.
std::string CountCaption(std::size_t windows);
// After Save gives a new project its file: the bare file name.
std::string SavedCaption(const std::string& path);
// After Save as, and for a project opened from a file: "Проект - /w/plan.tsy".
std::string NamedCaption(const std::string& path);
