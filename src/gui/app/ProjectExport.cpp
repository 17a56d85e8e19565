#include "gui/app/ProjectExport.h"

#include "core/storage/ProjectFile.h"
#include "gui/widgets/CUserDialogs.h"

#include <QFileInfo>

QString WithExtension(const QString& name, const QString& extension)
{
    return name.endsWith(extension, Qt::CaseInsensitive) ? name : name + extension;
}

QString ExportToFile(QWidget* parent, const QString& filter, const QString& extension, const QString& proposed,
    QString& directory, const std::function<QByteArray()>& content)
{
    const QString caption = QStringLiteral("Message");
    const QString chosen = UserDialogs().ChooseFileToSave(parent, filter, proposed.isEmpty() ? directory : proposed);
    if (chosen.isEmpty()) {
        return {};
    }
    const QString path = WithExtension(chosen, extension);
    directory = QFileInfo(path).absolutePath();
    // The save dialog has confirmed the name as typed; the name with the extension added
    // is another file, asked about here.
    if (path != chosen && QFileInfo::exists(path)
        && !UserDialogs().AskYesNo(parent, QString::fromStdString(Tr(ReplaceFileQuestion)), caption)) {
        return {};
    }
    const QByteArray bytes = content();
    std::string reason;
    const EWriteResult result = SaveFileAtomically(
        path.toStdString(),
        [&bytes](CByteSink& sink) { return sink.Write(bytes.constData(), static_cast<std::size_t>(bytes.size())); },
        ELinkAtName::WriteThrough, &reason);
    if (result != EWriteResult::Ok) {
        UserDialogs().InformWithDetails(parent,
            QString::fromStdString(WriteResultText(result, StoragePhrases::FileOpenError)), caption,
            QString::fromStdString(FileErrorDetails(path.toStdString(), reason)));
        return {};
    }
    return path;
}
