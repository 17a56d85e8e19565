#pragma once

#include "core/document/CProjectDocument.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CHierarchy;
class CRatingResults;

// The ratings table as CSV: a first row "Альтернатива" and the rated criteria's names,
// then per alternative its name and an intensity name (empty: not rated) per criterion;
// the written table adds the score and the share ("Балл", "Доля"). The headers are
// written in the interface's language and read in any (DocumentPhrases). Names match
// case-insensitively after trimming (Latin and Cyrillic letters), so the columns and rows
// may come in any order; a name that several criteria or alternatives share stands for
// the first of them at its first place, the second at its second, as the table is written.

enum class ERatingsCsvProblem {
    NoHeader,
    UnclosedQuote,
    UnknownCriterion,
    RepeatedCriterion,
    UnknownAlternative,
    RepeatedAlternative,
    UnknownIntensity,
    ExtraCell,
};

// Row and column count from 1, as a spreadsheet shows them; Text is the cell's text.
struct CRatingsCsvProblem {
    ERatingsCsvProblem Kind = ERatingsCsvProblem::NoHeader;
    std::uint32_t Row = 0;
    std::uint32_t Column = 0;
    std::string Text;

    bool operator==(const CRatingsCsvProblem&) const = default;
};

// Either cells to set (one for every cell of the file, an empty one not rated) or the
// problems, every one the file has, and no cells: nothing of a file with a problem is taken.
struct CRatingsCsvReading {
    std::vector<CRatingCell> Cells;
    std::vector<CRatingsCsvProblem> Problems;
};

// UTF-8 with or without a byte-order mark; fields separated by ',' or ';' (the header's
// first separator decides), quoted as RFC 4180 quotes them; CRLF or LF line ends.
CRatingsCsvReading ReadRatingsCsv(const CHierarchy& tree, std::string_view text);

// The user's sentence for a problem, in the interface's language.
std::string RatingsCsvProblemText(const CRatingsCsvProblem& problem);

// The whole table, written as CCsvWriter writes every CSV; ReadRatingsCsv reads it back to
// the same ratings.
std::string RatingsCsv(const CHierarchy& tree, const CRatingResults& results, char decimalSeparator);

// Lower case of Latin and Cyrillic letters (Ё included) in UTF-8; other bytes kept.
std::string FoldCase(std::string_view utf8);
