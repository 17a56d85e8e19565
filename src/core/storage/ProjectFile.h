#pragma once

#include "core/model/ModelConstants.h"
#include "core/storage/StoragePhrases.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

class CUserProjectModel;
class TLoadSaveProject;

// The reader's answer: a typed result, the user's message and why ("" on success): the
// system's text when the file could not be had, else what is wrong with what was read.
// The message and the reason are StoragePhrases' sentences in the interface's language.
enum class EReadResult {
    Ok,
    EmptyName,  // "Пустое имя файла"
    CannotOpen, // "Не могу открыть файл проекта"
    Damaged,    // "Файл проекта поврежден. Загрузка невозможна!"
    NullFile,   // "Нулевой указатель на файл": no bytes were handed over at all
};
struct CReadOutcome {
    EReadResult Result = EReadResult::Ok;
    std::string Message;
    std::string Reason;
    [[nodiscard]] bool Succeeded() const { return Result == EReadResult::Ok; }
};

// How a file to read is opened. A project opened to be worked on is opened for reading
// and writing, so a file that could not be saved back is refused at once; a file read
// only to be looked at (an expert's file in a group) may be read-only.
enum class EReadAccess {
    ReadWrite,
    ReadOnly,
};

// Reads a project or template file into the exchange record. A refused file may have
// changed the record only inside its grid, matrices and strings; its LevelCount is then
// below 2 (the bad count itself when that was the fault, else 0), so it describes no
// hierarchy a project could be built from. Opened for reading and writing, a read-only
// file is refused as one that cannot be opened; anything but a regular file (a FIFO, a
// device, a directory) is refused either way, before a byte is read.
CReadOutcome ReadProjectFile(
    TLoadSaveProject& record, const std::string& fileName, EReadAccess access = EReadAccess::ReadWrite);
// The same from bytes in memory (the fuzzer and the tests use it).
CReadOutcome ReadProjectBytes(TLoadSaveProject& record, const unsigned char* data, std::size_t size);

// The largest file the reader can accept: 10 levels of 9 elements, every string at the
// reader's 256-byte limit. Anything after that is trailing and never read.
inline constexpr std::size_t MaxStoredStringLength = 256;
inline constexpr std::size_t MaxProjectFileSize = 8 + 4 + 4 * (MaxLevels - 1)
    + (1 + MaxElementsPerLevel * (MaxLevels - 1)) * 2 * (4 + MaxStoredStringLength)
    + (1 + MaxElementsPerLevel * (MaxLevels - 2)) * 4 * MaxElementsPerLevel * MaxElementsPerLevel;

// Where the writer's bytes go; Write returns false when they could not all be written.
class CByteSink {
public:
    CByteSink() = default;
    CByteSink(const CByteSink&) = delete;
    CByteSink& operator=(const CByteSink&) = delete;
    virtual ~CByteSink() = default;
    virtual bool Write(const void* data, std::size_t size) = 0;
};

// The whole file from the project model; with the template flag every cell is 1.
// False as soon as a write fails.
bool WriteProjectFile(const CUserProjectModel& project, CByteSink& sink, bool templateFlag);

enum class EWriteResult {
    Ok,
    OpenFailed,  // the caller's opening message ("Ошибка открытия файла", ...)
    WriteFailed, // "Ошибка записи файла"
};
// What a save does with a symbolic link standing at the target's name: a document saved
// through a link reaches the file the link names (a link whose file does not exist yet
// included); a scratch file of the program's own replaces the link and writes nothing
// through it.
enum class ELinkAtName {
    WriteThrough,
    Replace,
};

// Writes to a temporary file beside the target and renames it over the target only
// when every write succeeded; on failure the old file is untouched. reason, when given,
// receives why a save failed (the system's text) and is emptied by one that worked.
EWriteResult SaveProjectFile(const CUserProjectModel& project, const std::string& fileName, bool templateFlag,
    ELinkAtName link = ELinkAtName::WriteThrough, std::string* reason = nullptr);
// The same commit for any writing step (false when one of its writes failed): the
// step writes into a temporary file in fileName's directory, which is synced, closed
// and renamed over fileName only when all of that succeeded, and removed otherwise.
// An existing target that may not be written, a name the file system cannot hold and
// a failure to create either name are opening failures. A successful save also
// removes the temporary files that killed saves of the same target left, when they
// were last written before the program started. A replaced file keeps its mode, and its
// owner and group as far as the saving user may give them.
EWriteResult SaveFileAtomically(const std::string& fileName, const std::function<bool(CByteSink&)>& write,
    ELinkAtName link = ELinkAtName::WriteThrough, std::string* reason = nullptr);

// The name to write to: unchanged when its last character is the extension's last
// letter, else with the extension (".tsy", ".htp") appended.
std::string ApplyExtensionRule(const std::string& name, const std::string& extension);

// The start directory joined with '/' (none added when it already ends in one).
std::string TemplateDirectory(const std::string& startDirectory); // start directory + HTemplates
std::string CloneFileName(const std::string& startDirectory);     // start directory + ToClone.tmp

// The Russian sources of StoragePhrases' messages, the keys of their translations: what a
// reader answers without a translator. What the user sees is the phrase's Tr().
inline constexpr const char* EmptyFileNameText = StoragePhrases::EmptyFileName.Source;
inline constexpr const char* CannotOpenProjectText = StoragePhrases::CannotOpenProject.Source;
inline constexpr const char* DamagedProjectText = StoragePhrases::DamagedProject.Source;
inline constexpr const char* NullFilePointerText = StoragePhrases::NullFilePointer.Source;
inline constexpr const char* FileOpenErrorText = StoragePhrases::FileOpenError.Source;
inline constexpr const char* FileWriteErrorText = StoragePhrases::FileWriteError.Source;
inline constexpr const char* TemplateSaveErrorText = StoragePhrases::TemplateSaveError.Source;
inline constexpr const char* TemplateOpenErrorText = StoragePhrases::TemplateOpenError.Source;
inline constexpr const char* CloneErrorText = StoragePhrases::CloneError.Source;
inline constexpr const char* NotAProjectFileReason = StoragePhrases::NotAProjectFile.Source;
inline constexpr const char* DamagedFileReason = StoragePhrases::DamagedFile.Source;
inline constexpr const char* NotARegularFileReason = StoragePhrases::NotARegularFile.Source;
inline constexpr const char* WriteFailedReason = StoragePhrases::WriteFailed.Source;
// The system's text for an error number.
std::string SystemErrorText(int error);
