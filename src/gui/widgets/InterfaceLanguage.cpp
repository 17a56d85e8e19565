#include "gui/widgets/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace {
ELanguage& Installed()
{
    static ELanguage language = ELanguage::Russian;
    return language;
}

// Owned for the whole run; replaced when a test installs another language.
std::unique_ptr<QTranslator>& Own()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& Qts()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void Remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}
} // namespace

ELanguage ChosenInterfaceLanguage(const QString& setting)
{
    if (const std::optional<ELanguage> chosen = LanguageNamed(setting.toStdString())) {
        return *chosen;
    }
    return LanguageOfEnvironment();
}

ELanguage ChosenInterfaceLanguage()
{
    const QSettings settings(QStringLiteral("Tessaly"), QStringLiteral("Tessaly"));
    return ChosenInterfaceLanguage(settings.value(QStringLiteral("Interface/Language")).toString());
}

bool InstallTessalyTranslation(ELanguage language)
{
    Remove(Own());
    // Russian needs its own file only for the plural forms of its source texts.
    auto own = std::make_unique<QTranslator>();
    const bool loaded = own->load(language == ELanguage::English ? QStringLiteral(":/i18n/tessaly_en.qm")
                                                                 : QStringLiteral(":/i18n/tessaly_ru.qm"));
    if (loaded) {
        QCoreApplication::installTranslator(own.get());
        Own() = std::move(own);
    }
    SetPhraseTranslator([](const char* context, const char* source, int count) {
        return QCoreApplication::translate(context, source, nullptr, count).toStdString();
    });
    Installed() = language;
    return loaded;
}

bool InstallInterfaceLanguage(ELanguage language)
{
    bool loaded = InstallTessalyTranslation(language);
    Remove(Qts());
    // Qt's own texts are English without a translation.
    if (language != ELanguage::English) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            Qts() = std::move(qt);
        } else {
            loaded = false;
        }
    }
    return loaded;
}

ELanguage InterfaceLanguage()
{
    return Installed();
}
