// An interface-language pack: a Qt translation file that carries the texts
// of the windows and the numbered texts of the string table. A numbered text
// is translated in the context "Texts" with its built-in English text as the
// source text, so a text both programs or several numbers share is translated
// once; a text the pack does not translate stays English.
#pragma once

#include <QString>
#include <string_view>

class QTranslator;

// Loads the pack at qmPath and installs it for the whole program, widgets
// and numbered texts alike. False when the file is missing or not a pack.
bool InstallLanguagePack(const QString& qmPath);

// The pack's translation of a numbered text's English text; empty when the
// pack has none.
QString TranslatedText(const QTranslator& translator, std::u16string_view english);
