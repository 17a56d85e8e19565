#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class CUserProjectModel;
class TLoadSaveProject;

// The reader's answer: a typed result and the user's message ("" on success).
enum class EReadResult {
    Ok,
    EmptyName,  // "Пустое имя файла"
    CannotOpen, // "Не могу открыть файл проекта"
    Damaged,    // "Файл проекта поврежден. Загрузка невозможна!"
};
struct CReadOutcome {
    EReadResult Result = EReadResult::Ok;
    std::string Message;
    [[nodiscard]] bool Succeeded() const { return Result == EReadResult::Ok; }
};

// Reads a project or template file into the exchange record. A refused file may have
// changed the record only inside its grid, matrices and strings.
CReadOutcome ReadProjectFile(TLoadSaveProject& record, const std::string& fileName);
// The same from bytes in memory (the fuzzer and the tests use it).
CReadOutcome ReadProjectBytes(TLoadSaveProject& record, const unsigned char* data, std::size_t size);

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
// Writes to a temporary file beside the target and renames it over the target only
// when every write succeeded; on failure the old file is untouched.
EWriteResult SaveProjectFile(const CUserProjectModel& project, const std::string& fileName, bool templateFlag);

// The name to write to: unchanged when its last character is the extension's last
// letter, else with the extension (".tsy", ".htp") appended.
std::string ApplyExtensionRule(const std::string& name, const std::string& extension);

std::string TemplateDirectory(const std::string& startDirectory); // start directory + HTemplates
std::string CloneFileName(const std::string& startDirectory);     // start directory + ToClone.tmp

inline constexpr const char* EmptyFileNameText = "Пустое имя файла";
inline constexpr const char* CannotOpenProjectText = "Не могу открыть файл проекта";
inline constexpr const char* DamagedProjectText = "Файл проекта поврежден. Загрузка невозможна!";
inline constexpr const char* NullFilePointerText = "Нулевой указатель на файл";
inline constexpr const char* FileOpenErrorText = "Ошибка открытия файла";
inline constexpr const char* FileWriteErrorText = "Ошибка записи файла";
inline constexpr const char* TemplateSaveErrorText = "Не могу сохранить проект в виде шаблона";
inline constexpr const char* TemplateOpenErrorText = "Не могу открыть текущий шаблон";
inline constexpr const char* CloneErrorText = "Не могу клонировать текущий проект";
