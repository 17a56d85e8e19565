#pragma once

// ReplaceFileQuestion, which the export asks, is the lifecycle's.
#include "core/lifecycle/LifecycleRules.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QWidget;

// The file choice's filters, translated where they are shown (context "ProjectExport").
inline constexpr const char* ReportFileFilter = QT_TRANSLATE_NOOP("ProjectExport", "Отчёт PDF (*.pdf)");
inline constexpr const char* CsvFileFilter = QT_TRANSLATE_NOOP("ProjectExport", "Таблица CSV (*.csv)");

// The name with the extension (".pdf") added unless it already ends in it, in any case.
QString WithExtension(const QString& name, const QString& extension);

// Writes what the analysis menu exports: the file chosen through the user-dialog seam
// (proposing proposed, a file name, or else starting in directory; directory then
// remembers the chosen file's folder), the extension added when missing, the replace
// question when that completed name is an existing file (the dialog itself confirmed
// the name as typed), the bytes made only then, and written atomically, so a failure
// ("Ошибка открытия файла", "Ошибка записи файла", with the file and the reason under
// it) leaves any earlier file as it was. The file written; empty when none was.
QString ExportToFile(QWidget* parent, const QString& filter, const QString& extension, const QString& proposed,
    QString& directory, const std::function<QByteArray()>& content);
