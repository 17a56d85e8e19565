// tessaly-make-catalogue: the translations of the repository's .ts files as C++ data for the
// core's catalogue (the command line's translations), and the check that every translation
// is finished and keeps its source's numbered arguments.
//
//   tessaly-make-catalogue OUT.cpp RUSSIAN.ts ENGLISH.ts
//   tessaly-make-catalogue --check FILE.ts...
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStringList>
#include <QXmlStreamReader>

#include <cstdio>

namespace {
struct CMessage {
    QString Context;
    QString Source;
    bool Numerus = false;
    bool Unfinished = false;
    QStringList Forms;
};

struct CTsFile {
    QString Language;
    QList<CMessage> Messages;
};

bool Read(const QString& path, CTsFile& file, QString& error)
{
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        error = path + QStringLiteral(": ") + input.errorString();
        return false;
    }
    QXmlStreamReader xml(&input);
    QString context;
    CMessage message;
    bool vanished = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QStringLiteral("TS")) {
                file.Language = xml.attributes().value(QStringLiteral("language")).toString();
            } else if (name == QStringLiteral("name")) {
                context = xml.readElementText();
            } else if (name == QStringLiteral("message")) {
                message
                    = CMessage{context, {}, xml.attributes().value(QStringLiteral("numerus")) == QStringLiteral("yes")};
                vanished = false;
            } else if (name == QStringLiteral("source")) {
                message.Source = xml.readElementText();
            } else if (name == QStringLiteral("translation")) {
                const QString type = xml.attributes().value(QStringLiteral("type")).toString();
                vanished = type == QStringLiteral("vanished") || type == QStringLiteral("obsolete");
                message.Unfinished = type == QStringLiteral("unfinished");
                if (!message.Numerus) {
                    message.Forms = QStringList{xml.readElementText()};
                }
            } else if (name == QStringLiteral("numerusform")) {
                message.Forms.append(xml.readElementText());
            }
        } else if (xml.isEndElement() && xml.name() == QStringLiteral("message") && !vanished) {
            file.Messages.append(message);
        }
    }
    if (xml.hasError()) {
        error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}

QByteArray Literal(const QString& text)
{
    QByteArray result("\"");
    for (const char byte : text.toUtf8()) {
        const auto value = static_cast<unsigned char>(byte);
        if (value == '"' || value == '\\') {
            result += '\\';
            result += byte;
        } else if (value < 0x20 || value >= 0x7f || value == '?') {
            // Octal takes at most three digits, so a following digit is never swallowed;
            // "?" escaped keeps trigraphs out.
            result += QByteArray::number(value, 8).rightJustified(4, '0').replace(0, 1, "\\");
        } else {
            result += byte;
        }
    }
    return result + '"';
}

QByteArray Table(const char* name, const CTsFile& file)
{
    QByteArray out = QByteArray("const CCatalogueEntry ") + name + "[] = {\n";
    int count = 0;
    for (const CMessage& message : file.Messages) {
        if (message.Forms.isEmpty() || message.Forms.join(QString()).isEmpty()) {
            continue; // not translated: the source is shown
        }
        out += "    {" + Literal(message.Context) + ", " + Literal(message.Source) + ", "
            + (message.Numerus ? "true" : "false") + ", {";
        for (int i = 0; i < 3; ++i) {
            out += i < message.Forms.size() ? Literal(message.Forms[i]) : QByteArray("nullptr");
            out += i < 2 ? ", " : "";
        }
        out += "}},\n";
        ++count;
    }
    if (count == 0) {
        out += "    {\"\", \"\", false, {nullptr, nullptr, nullptr}},\n"; // no empty arrays in C++
    }
    out += "};\nconst std::size_t " + QByteArray(name) + "Size = " + QByteArray::number(count) + ";\n\n";
    return out;
}

QSet<QString> Arguments(const QString& text)
{
    static const QRegularExpression numbered(QStringLiteral("%([1-9][0-9]?|n)"));
    QSet<QString> found;
    for (auto match = numbered.globalMatch(text); match.hasNext();) {
        found.insert(match.next().captured(0));
    }
    return found;
}

int Check(const QString& path)
{
    CTsFile file;
    QString error;
    if (!Read(path, file, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const int forms = file.Language.startsWith(QStringLiteral("ru")) ? 3 : 2;
    int problems = 0;
    const auto complain = [&](const CMessage& message, const QString& what) {
        std::fprintf(stderr, "%s: %s «%s»: %s\n", qPrintable(path), qPrintable(message.Context),
            qPrintable(message.Source), qPrintable(what));
        ++problems;
    };
    for (const CMessage& message : file.Messages) {
        if (message.Unfinished || message.Forms.join(QString()).isEmpty()) {
            complain(message, QStringLiteral("not translated"));
            continue;
        }
        if (message.Numerus && message.Forms.size() != forms) {
            complain(message, QStringLiteral("%1 plural forms, %2 wanted").arg(message.Forms.size()).arg(forms));
        }
        const QSet<QString> wanted = Arguments(message.Source);
        for (const QString& form : message.Forms) {
            QSet<QString> given = Arguments(form);
            // A plural form may say "one" in words instead of %n.
            if (message.Numerus && !given.contains(QStringLiteral("%n"))) {
                given.insert(QStringLiteral("%n"));
            }
            if (given != wanted) {
                complain(message, QStringLiteral("the arguments of «%1» are not the source's").arg(form));
            }
        }
    }
    std::printf(
        "%s: %lld messages, %d problems\n", qPrintable(path), static_cast<long long>(file.Messages.size()), problems);
    return problems == 0 ? 0 : 1;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() >= 2 && arguments.front() == QStringLiteral("--check")) {
        int status = 0;
        for (const QString& path : arguments.mid(1)) {
            status |= Check(path);
        }
        return status;
    }
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: tessaly-make-catalogue OUT.cpp RUSSIAN.ts ENGLISH.ts | --check FILE.ts...\n");
        return 2;
    }
    CTsFile russian;
    CTsFile english;
    QString error;
    if (!Read(arguments[1], russian, error) || !Read(arguments[2], english, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QByteArray out("// Made by tessaly-make-catalogue from the translations; not to be edited.\n"
                   "#include \"core/model/PhraseCatalogueData.h\"\n\n");
    out += Table("RussianCatalogue", russian);
    out += Table("EnglishCatalogue", english);
    QSaveFile output(arguments[0]);
    if (!output.open(QIODevice::WriteOnly) || output.write(out) != out.size() || !output.commit()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(arguments[0]), qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
