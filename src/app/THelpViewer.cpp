#include "app/THelpViewer.h"

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
    setWindowTitle(QStringLiteral("Справка Tessaly"));
    lbHelpText = new QTextBrowser(this);
    lbHelpText->setObjectName(QStringLiteral("lbHelpText"));
    lbHelpText->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lbHelpText);
    resize(760, 620);
}

bool THelpViewer::OpenAtContents(const QString& helpFile)
{
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly)) {
        lbHelpText->setHtml(QStringLiteral("<h3>Файл справки не найден</h3><p>Не удалось открыть файл <b>%1</b>.</p>")
                                .arg(helpFile.toHtmlEscaped()));
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
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(helpFile);
    if (QFileInfo::exists(besideProgram)) {
        return besideProgram;
    }
    return QDir(startDirectory).filePath(helpFile);
}
