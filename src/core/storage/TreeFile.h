#pragma once

#include "core/model/CModelProblem.h"
#include "core/storage/ProjectFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class CHierarchy;

// The file of a tree of criteria (".tsj"), UTF-8 JSON:
// {"format": "tessaly-project", "version": 2,
//  "goal": {"name": ..., "comment": ..., "judgements": [...], "children": [{...}, ...]},
//  "alternatives": [{"name": ..., "comment": ...}, ...]}.
// "judgements" is the upper triangle of the node's matrix in row order ((0,1), (0,2), ...,
// (1,2), ...) over its children, or over the alternatives when it has none; codes as in
// every project (v, -v, 1, and 0 for a pair not judged); [] for a single child. A node
// without "children" (or with []) is covering; "comment" may be absent; other keys are
// ignored.
// A tree whose alternatives are rated adds "mode": "ratings" (absent: compared in pairs),
// "scales": [{"id": ..., "name": ..., "intensities": [{"name": ...}, ...], "judgements":
// [...]}, ...]; its covering criteria carry "scale": <id> instead of judgements, and each
// alternative "ratings": [an intensity's name or null per covering criterion, depth first].

inline constexpr const char* TreeFileExtension = ".tsj";
inline constexpr const char* TreeFormatName = "tessaly-project";
inline constexpr int TreeFormatVersion = 2;
inline constexpr std::size_t MaxTreeFileSize = 16 * 1024 * 1024;
// Deeper than any tree of ten levels needs (the deepest criterion's judgements lie 19
// deep), with room for keys Tessaly does not know.
inline constexpr std::uint32_t MaxTreeFileNesting = 32;

// What is wrong with a tree file, and where: Place is the path of keys to it
// ("goal.children[1].judgements"), "" for the file as a whole.
enum class ETreeFileProblem {
    Model, // the model refuses what was read: Model says why
    TooLarge,
    TooDeep,
    NotJson,
    NumberOutOfRange,
    NotJsonObject,
    WrongFormat,
    NoVersion,
    NotInteger,
    NewerVersion,
    UnsupportedVersion,
    WrongMode,
    NoScaleList,
    NoScaleId,
    ScaleIdTaken,
    NoIntensityList,
    IntensityCount,
    NoRatingList,
    RatingCount,
    RatingNotText,
    NoSuchIntensity,
    NoAlternativeList,
    NotList,
    TooFewAlternatives,
    NameTaken,
    TooManyChildren,
    NoCriteria,
    RatedNotCompared,
    NoScale,
    NoSuchScale,
    NotObject,
    NoName,
    NameNotText,
    CommentNotText,
    ValueCount,
    BadCode,
};
struct CTreeFileProblem {
    ETreeFileProblem Kind = ETreeFileProblem::Model;
    std::string Place;
    // The file's value named (its beginning only), and a second one or the place where a
    // name stood first.
    std::string Value;
    std::string Other;
    // A count or the byte the file has, and the limit or the count needed.
    std::size_t Given = 0;
    std::size_t Bound = 0;
    CModelProblem Model;
};

// Reads a tree file. Refused with the damaged-file message and, as Reason, one line
// naming what is wrong and where ("goal.children[1].judgements: 5 значений вместо 6",
// made by StoragePhrases from a CTreeFileProblem); the hierarchy is then unchanged. Only a regular file is read, as for
// a project file.
CReadOutcome ReadTreeFile(
    CHierarchy& hierarchy, const std::string& fileName, EReadAccess access = EReadAccess::ReadWrite);
// The same from the file's text (the fuzzer and the tests use it).
CReadOutcome ReadTreeText(CHierarchy& hierarchy, std::string_view text);

// The file's text; with the template flag every judgement is 1. A layered hierarchy is
// written as its tree; empty when that is no tree (over a tree's limits).
std::string TreeFileText(const CHierarchy& hierarchy, bool templateFlag);
// Written atomically, as every file; WriteFailed when there is no text to write.
EWriteResult SaveTreeFile(const CHierarchy& hierarchy, const std::string& fileName, bool templateFlag,
    ELinkAtName link = ELinkAtName::WriteThrough, std::string* reason = nullptr);

// Whether a file is named as a tree file: its extension ".tsj", in any case.
bool IsTreeFileName(const std::string& fileName);
