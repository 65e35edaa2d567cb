// The shipped language packs translate every text of their program, with the
// same placeholders as the English text.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include "core/StringTable.h"
#include "support/RunProgram.h"
#include "ui/LanguagePack.h"
#include "ui/QtText.h"

namespace {

struct Pack {
    const char* folder;
    TextSet set;
};
constexpr Pack kPacks[] = {{"GlossmereLang", TextSet::Shell}, {"GlossmillLang", TextSet::Compiler}};

// printf placeholders of a numbered text, %1-style ones of a window text, in order.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(%[-+ #0]*[0-9]*(?:\.[0-9]+)?(?:l|h)?[sdiuxXcfeg%]|%[0-9]+)"));
    QStringList found;
    for (const auto& match : pattern.globalMatch(text))
        found << match.captured();
    return found;
}

TEST(LanguagePack, RussianTranslatesEveryNumberedTextWithItsPlaceholders) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    for (const Pack& pack : kPacks) {
        SCOPED_TRACE(pack.folder);
        QTranslator translator;
        ASSERT_TRUE(translator.load(
            QString::fromStdString(BuiltFolder() + "/%1/Russian.qm").arg(pack.folder)));
        for (auto table : {BuiltInStringTable(), BuiltInProgramTable(pack.set)}) {
            for (const StringTableEntry& entry : table) {
                const QString english = QString::fromStdU16String(entry.pszText);
                const QString russian = TranslatedText(translator, entry.pszText);
                EXPECT_FALSE(russian.isEmpty()) << entry.nId << " has no translation";
                EXPECT_EQ(Placeholders(russian), Placeholders(english)) << entry.nId;
                EXPECT_EQ(russian.count(QLatin1Char('\r')), english.count(QLatin1Char('\r')))
                    << entry.nId << ": line ends differ";
            }
        }
    }
}

// Every text of the sources is finished and keeps its placeholders; that the
// sources carry every tr() text of the code, lupdate checks
// (tests/install/check-language-packs.sh).
TEST(LanguagePack, TextsAreFinishedWithTheirPlaceholders) {
    const QDir folder(QStringLiteral(GLOSS_TRANSLATIONS_DIR));
    for (const QString& name : folder.entryList({QStringLiteral("*.ts")})) {
        SCOPED_TRACE(name.toStdString());
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source;
        int nMessages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const bool bUnfinished =
                    xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                const QString translation = xml.readElementText();
                ++nMessages;
                EXPECT_FALSE(bUnfinished || translation.isEmpty())
                    << context.toStdString() << ": " << source.toStdString();
                EXPECT_EQ(Placeholders(translation), Placeholders(source)) << source.toStdString();
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GT(nMessages, 0);
    }
}

}  // namespace
