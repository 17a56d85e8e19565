#pragma once

#include "TessalyVersion.h"

#include <QByteArray>
#include <QDate>
#include <QRect>
#include <QString>

#include <cstddef>
#include <functional>

class CHierarchy;
class CHierarchyResults;
class CRatingResults;
class CUserProjectModel;
class CProjectResults;
class QPainter;

inline constexpr const char* ReportProgramName = "Tessaly";
// The version the report's footer names: the project's own.
inline constexpr const char* ReportProgramVersion = TESSALY_VERSION;

// The hierarchy drawing as the project window makes it: Paint draws in the window's
// canvas coordinates, of which Extent is the part to show. Its fonts were measured at
// Dpi, so the report lays its pages out at that resolution and both agree.
struct CHierarchyPicture {
    QRect Extent;
    std::function<void(QPainter&)> Paint;
    int Dpi = 96;
};

struct CReportSubject {
    QString FileName; // empty for a project never saved
    QDate Date;
    char DecimalSeparator = '.';
    CHierarchyPicture Hierarchy; // no Paint: the report has no drawing
};

// The project's report as a PDF document: A4, as many pages as it takes, text kept as
// text with its fonts embedded. A title block, the hierarchy, the final ranking with
// its pie, the global priorities of every level, and for every judged element its
// matrix, local priorities, consistency, intransitive triads, verdict with suggestions
// and sensitivity; page numbers and the program in every footer. Every figure is
// computed afresh (into the project's results, as printing does); nothing the user
// entered changes.
QByteArray ProjectReportPdf(
    const CUserProjectModel& project, const CProjectResults& results, const CReportSubject& subject);

// The same report of a tree of criteria: the hierarchy as an indented outline with each
// criterion's local and global priority and its consistency, both rankings with their
// pies, and every judged criterion's matrix named by its path with its measures,
// verdict, suggestions and the sensitivity of its weight. subject.Hierarchy is not used.
QByteArray TreeReportPdf(const CHierarchy& tree, const CHierarchyResults& results, const CReportSubject& subject);

// How many of the leading alternatives a rated tree's report ranks in its results.
inline constexpr std::size_t RatedReportLeaders = 20;
// The report of a rated tree: the criteria as a tree's, the leading alternatives by score
// with share and the mark of cells not rated, each scale with its ideal values and
// consistency, and in an appendix the whole ratings table, broken across pages.
QByteArray RatedTreeReportPdf(const CHierarchy& tree, const CRatingResults& results, const CReportSubject& subject);
