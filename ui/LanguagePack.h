// An interface-language pack: a Qt translation file that carries the texts
// of the windows and the numbered texts of the string table. A numbered text
// is translated in the context "Texts" with its number as the source text;
// a number the pack does not translate keeps its built-in English text.
#pragma once

#include <QString>

// Loads the pack at qmPath and installs it for the whole program, widgets
// and numbered texts alike. False when the file is missing or not a pack.
bool InstallLanguagePack(const QString& qmPath);
