#include "gui/app/ProjectExport.h"

#include "core/lifecycle/LifecycleRules.h"
#include "core/storage/ProjectFile.h"
#include "gui/widgets/CUserDialogs.h"

#include <QFileInfo>

QString WithExtension(const QString& name, const QString& extension)
{
    return name.endsWith(extension, Qt::CaseInsensitive) ? name : name + extension;
}

bool ExportToFile(QWidget* parent, const QString& filter, const QString& extension, QString& directory,
    const std::function<QByteArray()>& content)
{
    const QString caption = QStringLiteral("Message");
    const QString chosen = UserDialogs().ChooseFileToSave(parent, filter, directory);
    if (chosen.isEmpty()) {
        return false;
    }
    const QString path = WithExtension(chosen, extension);
    directory = QFileInfo(path).absolutePath();
    // The save dialog has confirmed the name as typed; the name with the extension added
    // is another file, asked about here.
    if (path != chosen && QFileInfo::exists(path)
        && !UserDialogs().AskYesNo(parent, QString::fromUtf8(ReplaceFileQuestion), caption)) {
        return false;
    }
    const QByteArray bytes = content();
    const EWriteResult result = SaveFileAtomically(path.toStdString(),
        [&bytes](CByteSink& sink) { return sink.Write(bytes.constData(), static_cast<std::size_t>(bytes.size())); });
    if (result != EWriteResult::Ok) {
        UserDialogs().Inform(parent, QString::fromUtf8(WriteResultText(result, FileOpenErrorText)), caption);
        return false;
    }
    return true;
}
