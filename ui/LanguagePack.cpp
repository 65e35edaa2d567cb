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
    SetTextOverride([pTranslator](int nId) -> std::optional<std::u16string> {
        const QString text = pTranslator->translate("Texts", QByteArray::number(nId).constData());
        if (text.isEmpty()) return std::nullopt;
        return FromQString(text);
    });
    return true;
}
