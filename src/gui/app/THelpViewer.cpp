#include "gui/app/THelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpViewer::THelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Справка Tessaly"));
    lbHelpText = new QTextBrowser(this);
    lbHelpText->setObjectName(QStringLiteral("lbHelpText"));
    lbHelpText->setOpenExternalLinks(true);
    lbHelpText->setAccessibleName(tr("Текст справки"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lbHelpText);
    resize(760, 620);
}

bool THelpViewer::OpenAtContents(const QString& helpFile)
{
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly)) {
        lbHelpText->setHtml(QStringLiteral("<h3>%1</h3><p>%2</p>")
                                .arg(tr("Файл справки не найден"),
                                    tr("Не удалось открыть файл <b>%1</b>.").arg(helpFile.toHtmlEscaped())));
        return false;
    }
    // The extension is not .html, so the resource type is given explicitly.
    QUrl url = QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath());
    url.setFragment(QStringLiteral("contents"));
    lbHelpText->setSource(url, QTextDocument::HtmlResource);
    return true;
}

QString LocateHelpFile(const QString& helpFile, const QString& startDirectory)
{
    return LocateHelpFile(helpFile, startDirectory, QCoreApplication::applicationDirPath());
}

QString LocateHelpFile(const QString& helpFile, const QString& startDirectory, const QString& programDirectory)
{
    const QDir program(programDirectory);
    // An installed program lives in <prefix>/bin and its data in <prefix>/share/tessaly.
    const QString candidates[] = {program.filePath(helpFile), QDir(startDirectory).filePath(helpFile),
        QDir::cleanPath(program.filePath(QStringLiteral("../share/tessaly/") + helpFile))};
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate)) {
            return candidate;
        }
    }
    // Found nowhere: the start directory's file, which the viewer names as missing.
    return candidates[1];
}
