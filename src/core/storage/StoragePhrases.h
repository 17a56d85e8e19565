#pragma once

// The sentences of the files: why a project, tree or group file was not read or written,
// and where a tree file is damaged.

#include "core/model/Phrase.h"

#include <string>

enum class EReadResult;
enum class EWriteResult;
struct CTreeFileProblem;
struct CGroupFileProblem;

namespace StoragePhrases {
// The messages of reading and writing.
inline constexpr CPhrase EmptyFileName = TESSALY_PHRASE("StoragePhrases", "Пустое имя файла");
inline constexpr CPhrase CannotOpenProject = TESSALY_PHRASE("StoragePhrases", "Не могу открыть файл проекта");
inline constexpr CPhrase DamagedProject
    = TESSALY_PHRASE("StoragePhrases", "Файл проекта поврежден. Загрузка невозможна!");
inline constexpr CPhrase NullFilePointer = TESSALY_PHRASE("StoragePhrases", "Нулевой указатель на файл");
inline constexpr CPhrase FileOpenError = TESSALY_PHRASE("StoragePhrases", "Ошибка открытия файла");
inline constexpr CPhrase FileWriteError = TESSALY_PHRASE("StoragePhrases", "Ошибка записи файла");
inline constexpr CPhrase TemplateSaveError
    = TESSALY_PHRASE("StoragePhrases", "Не могу сохранить проект в виде шаблона");
inline constexpr CPhrase TemplateOpenError = TESSALY_PHRASE("StoragePhrases", "Не могу открыть текущий шаблон");
inline constexpr CPhrase CloneError = TESSALY_PHRASE("StoragePhrases", "Не могу клонировать текущий проект");
// Why a file was refused or not written, where the system gives no text of its own.
inline constexpr CPhrase NotAProjectFile = TESSALY_PHRASE("StoragePhrases", "не файл проекта");
inline constexpr CPhrase DamagedFile = TESSALY_PHRASE("StoragePhrases", "файл повреждён");
inline constexpr CPhrase NotARegularFile = TESSALY_PHRASE("StoragePhrases", "не обычный файл");
inline constexpr CPhrase WriteFailed = TESSALY_PHRASE("StoragePhrases", "запись не удалась");

// A damaged tree file: %1 where (a path of the file's keys, "goal.children[1].name"), %2 what.
inline constexpr CPhrase TreePlace = TESSALY_PHRASE("StoragePhrases", "%1: %2");
inline constexpr CPhrase TreeTooLarge = TESSALY_PHRASE("StoragePhrases", "файл больше %1 МБ");
inline constexpr CPhrase TreeTooDeep = TESSALY_PHRASE("StoragePhrases", "вложенность глубже %1 (байт %2)");
inline constexpr CPhrase TreeNotJson = TESSALY_PHRASE("StoragePhrases", "файл не JSON (ошибка в байте %1)");
inline constexpr CPhrase TreeNumberOutOfRange = TESSALY_PHRASE("StoragePhrases", "файл не JSON (число вне пределов)");
inline constexpr CPhrase TreeNotJsonObject = TESSALY_PHRASE("StoragePhrases", "файл не объект JSON");
inline constexpr CPhrase TreeWrongFormat = TESSALY_PHRASE("StoragePhrases", "не «%1»");
inline constexpr CPhrase TreeNoVersion = TESSALY_PHRASE("StoragePhrases", "версия не указана");
inline constexpr CPhrase TreeNewerVersion = TESSALY_PHRASE("StoragePhrases", "файл создан более новой версией Tessaly");
inline constexpr CPhrase TreeUnsupportedVersion = TESSALY_PHRASE("StoragePhrases", "версия %1 не поддерживается");
inline constexpr CPhrase TreeWrongMode = TESSALY_PHRASE("StoragePhrases", "способ оценки не «pairs» и не «ratings»");
inline constexpr CPhrase TreeNoScaleList = TESSALY_PHRASE("StoragePhrases", "нет списка шкал");
inline constexpr CPhrase TreeNoScaleId = TESSALY_PHRASE("StoragePhrases", "нет обозначения шкалы");
// %1 the id or name, %2 where it stood first ("scales[0]").
inline constexpr CPhrase TreeScaleIdTaken = TESSALY_PHRASE("StoragePhrases", "обозначение «%1» уже есть у %2");
inline constexpr CPhrase TreeNameTaken = TESSALY_PHRASE("StoragePhrases", "имя «%1» уже есть у %2");
inline constexpr CPhrase TreeNoIntensityList = TESSALY_PHRASE("StoragePhrases", "нет списка интенсивностей");
// %1 the count given, %2 and %3 the fewest and the most.
inline constexpr CPhrase TreeIntensityCount = TESSALY_PHRASE("StoragePhrases", "%1 интенсивностей, а не от %2 до %3");
inline constexpr CPhrase TreeNoRatingList = TESSALY_PHRASE("StoragePhrases", "нет списка оценок");
// %1 the count given, %2 the count needed.
inline constexpr CPhrase TreeRatingCount = TESSALY_PHRASE("StoragePhrases", "%1 оценок вместо %2");
inline constexpr CPhrase TreeValueCount = TESSALY_PHRASE("StoragePhrases", "%1 значений вместо %2");
inline constexpr CPhrase TreeRatingNotText = TESSALY_PHRASE("StoragePhrases", "оценка не текст");
// %1 the scale, %2 the intensity the file names.
inline constexpr CPhrase TreeNoSuchIntensity = TESSALY_PHRASE("StoragePhrases", "в шкале «%1» нет интенсивности «%2»");
inline constexpr CPhrase TreeNoAlternativeList = TESSALY_PHRASE("StoragePhrases", "нет списка альтернатив");
inline constexpr CPhrase TreeNotList = TESSALY_PHRASE("StoragePhrases", "не список");
inline constexpr CPhrase TreeTooFewAlternatives = TESSALY_PHRASE("StoragePhrases", "альтернатив меньше %1");
inline constexpr CPhrase TreeTooManyChildren = TESSALY_PHRASE("StoragePhrases", "подкритериев больше %1");
inline constexpr CPhrase TreeNoCriteria = TESSALY_PHRASE("StoragePhrases", "у цели нет критериев");
inline constexpr CPhrase TreeRatedNotCompared
    = TESSALY_PHRASE("StoragePhrases", "альтернативы оцениваются по шкале, а не сравниваются");
inline constexpr CPhrase TreeNoScale = TESSALY_PHRASE("StoragePhrases", "нет шкалы");
inline constexpr CPhrase TreeNoSuchScale = TESSALY_PHRASE("StoragePhrases", "нет шкалы «%1»");
inline constexpr CPhrase TreeNotObject = TESSALY_PHRASE("StoragePhrases", "не объект");
inline constexpr CPhrase TreeNoName = TESSALY_PHRASE("StoragePhrases", "нет имени");
inline constexpr CPhrase TreeNameNotText = TESSALY_PHRASE("StoragePhrases", "имя не текст");
inline constexpr CPhrase TreeCommentNotText = TESSALY_PHRASE("StoragePhrases", "комментарий не текст");
inline constexpr CPhrase TreeBadCode = TESSALY_PHRASE("StoragePhrases", "недопустимый код %1");
inline constexpr CPhrase TreeNotInteger = TESSALY_PHRASE("StoragePhrases", "не целое число");

// A group file.
inline constexpr CPhrase GroupCannotOpen = TESSALY_PHRASE("StoragePhrases", "Не могу открыть файл группы");
inline constexpr CPhrase NotGroupFile = TESSALY_PHRASE("StoragePhrases", "Это не файл группы экспертов");
inline constexpr CPhrase GroupNoVersion = TESSALY_PHRASE("StoragePhrases", "В файле группы не указана версия");
inline constexpr CPhrase GroupVersion = TESSALY_PHRASE("StoragePhrases", "Версия файла группы %1 не поддерживается");
inline constexpr CPhrase GroupNoMemberList = TESSALY_PHRASE("StoragePhrases", "В файле группы нет списка экспертов");
inline constexpr CPhrase GroupNoMembers = TESSALY_PHRASE("StoragePhrases", "В группе нет ни одного эксперта");
inline constexpr CPhrase GroupWeightedNotBoolean
    = TESSALY_PHRASE("StoragePhrases", "В файле группы «weighted» должно быть true или false");
// One member of a group: %1 its number (from 1), %2 what is wrong with it.
inline constexpr CPhrase Member = TESSALY_PHRASE("StoragePhrases", "Эксперт %1: %2");
inline constexpr CPhrase MemberNoFile = TESSALY_PHRASE("StoragePhrases", "не указан файл");
inline constexpr CPhrase MemberBadFileName = TESSALY_PHRASE("StoragePhrases", "имя файла записано неверно");
inline constexpr CPhrase MemberBadLabel = TESSALY_PHRASE("StoragePhrases", "метка записана неверно");
// %1 the file, %2 the number of the expert that has it.
inline constexpr CPhrase MemberFileTwice = TESSALY_PHRASE("StoragePhrases", "файл «%1» уже указан для эксперта %2");
inline constexpr CPhrase MemberBadEntry = TESSALY_PHRASE("StoragePhrases", "запись неверна");
inline constexpr CPhrase MemberLabelNotText = TESSALY_PHRASE("StoragePhrases", "метка должна быть текстом");
inline constexpr CPhrase MemberIncludedNotBoolean
    = TESSALY_PHRASE("StoragePhrases", "«included» должно быть true или false");
// Why an expert's weight is refused, after "Эксперт N: " or "--weights: ".
inline constexpr CPhrase ExpertWeightRange
    = TESSALY_PHRASE("StoragePhrases", "вес должен быть числом от 0.000001 до 1000000");
} // namespace StoragePhrases

// A reader's message for its result ("" for Ok).
[[nodiscard]] std::string ReadResultText(EReadResult result);
// Where a tree file is damaged and what is wrong there.
[[nodiscard]] std::string TreeFileProblemText(const CTreeFileProblem& problem);
// Why a group file or its member list is refused.
[[nodiscard]] std::string GroupFileProblemText(const CGroupFileProblem& problem);
// The user's message for a failed write: openFailure (the command's own opening message)
// when the file could not be created, "Ошибка записи файла" when writing failed; empty for
// success.
[[nodiscard]] std::string WriteResultText(EWriteResult result, const CPhrase& openFailure);
