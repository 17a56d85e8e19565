#pragma once

// The language of the windows: Tessaly's translation, Qt's own (standard buttons, file
// dialogs) and the core's phrases, installed together once at start.

#include "core/model/PhraseCatalogue.h"

#include <QString>

// The language the user chose ("Настройки" > "Язык / Language", kept as "Interface/Language":
// "ru", "en" or "system"), or the environment's where the choice is "system" or none.
[[nodiscard]] ELanguage ChosenInterfaceLanguage();
[[nodiscard]] ELanguage ChosenInterfaceLanguage(const QString& setting);

// Installs the translators of the language, Tessaly's and Qt's own, and binds the core's
// phrases to Qt's lookup; false when one of them could not be loaded (its texts then stay
// in their source language).
bool InstallInterfaceLanguage(ELanguage language);
// Tessaly's translation and the binding alone, Qt's own texts left as they are.
bool InstallTessalyTranslation(ELanguage language);
// The language installed last (Russian before any).
[[nodiscard]] ELanguage InterfaceLanguage();
