#include "LanguagePack.h"

#include <QCoreApplication>
#include <QTranslator>

#include "QtText.h"
#include "core/StringTable.h"

bool InstallLanguagePack(const QString& qmPath) {
    // Lives until the program ends, as the texts it hands out may be asked
    // for at any time.
    auto* pTranslator = new QTranslator(QCoreApplication::instance());
    if (!pTranslator->load(qmPath) || !QCoreApplication::installTranslator(pTranslator)) {
        delete pTranslator;
        return false;
    }
    SetTextOverride([pTranslator](std::u16string_view english) -> std::optional<std::u16string> {
        const QString text = TranslatedText(*pTranslator, english);
        if (text.isEmpty()) return std::nullopt;
        return FromQString(text);
    });
    return true;
}

QString TranslatedText(const QTranslator& translator, std::u16string_view english) {
    return translator.translate("Texts", ToQString(english).toUtf8().constData());
}
