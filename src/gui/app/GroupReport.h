#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

class CGroupDecision;

struct CGroupReportSubject {
    QString FileName; // the group file; empty for a group never saved
    QDate Date;
    char DecimalSeparator = '.';
    int Dpi = 96; // the resolution the pages are laid out at
};

// The group's report as a PDF document, A4: a title block, the experts with their
// weights, the group ranking beside both aggregations of the experts' priorities and
// each expert's own, its pie, the agreement, each judged element's agreement, and for
// every element the combined judgements with their spread, the group's measures, the
// consensus and the experts' vectors and distances; page numbers and the program in
// every footer. The group computes nothing new for it.
QByteArray GroupReportPdf(const CGroupDecision& decision, const CGroupReportSubject& subject);
