#pragma once

#include "core/results/SynthesisMode.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class CHierarchy;
class CHierarchyResults;
class CUserProjectModel;
class CProjectResults;
class QPrinter;

inline constexpr const char* PrintJobTitle = "TESSALY project printing";
// Translated where it is shown (context "ProjectPrinting").
inline constexpr const char* BadPrinterText
    = QT_TRANSLATE_NOOP("ProjectPrinting", "Не верные параметры текущего принтера");

enum class EPrintResult {
    Printed,
    BadPageSize, // the started document was abandoned
};

// The page size in printer device units; tests replace it to see a printer that reports 0.
using TPageSizeOf = std::function<QSize(const QPrinter&)>;
QSize PrinterPageSize(const QPrinter& printer);

// "name: value" lines of the final ranking, largest first, each value cut to four
// decimals with the user's separator. The caller computes the priorities first.
// In the ideal mode the ideal ranking, under a line naming it.
QStringList FinalResultLines(const CUserProjectModel& project, const CProjectResults& results, char decimalSeparator,
    ESynthesisMode mode = ESynthesisMode::Distributive);

// One page: the title "Проект: " + titleName (the current element's name) at
// (H / 10, W / 6), then the fresh results. Priorities are computed here, after the
// title, so what is printed is never stale. A printer reporting a zero page size has
// its document abandoned so that the next print can start.
EPrintResult PrintProjectPage(QPrinter& printer, const CUserProjectModel& project, const CProjectResults& results,
    const std::string& titleName, char decimalSeparator, const TPageSizeOf& pageSizeOf = PrinterPageSize,
    ESynthesisMode mode = ESynthesisMode::Distributive);

// The same page for a tree of criteria: titleName is the criterion under the outline's
// cursor; the ranking is that of the tree's results.
EPrintResult PrintTreePage(QPrinter& printer, const CHierarchy& tree, const CHierarchyResults& results,
    const std::string& titleName, char decimalSeparator, const TPageSizeOf& pageSizeOf = PrinterPageSize,
    ESynthesisMode mode = ESynthesisMode::Distributive);
