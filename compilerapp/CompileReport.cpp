#include "CompileReport.h"

#include "ProgressView.h"
#include "core/MorphologySettings.h"
#include "core/Utf8.h"

namespace {

std::u16string Number(int32_t n) {
    return FromUtf8(std::to_string(n));
}

// "1 article has" / "2 articles have".
std::u16string ArticlesHave(int32_t nCount) {
    return Number(nCount) + (nCount == 1 ? u" article has" : u" articles have");
}

std::u16string ArticlesStart(int32_t nCount) {
    return Number(nCount) + (nCount == 1 ? u" article starts" : u" articles start");
}

}  // namespace

std::string SourceMessage(std::string_view strFile, int32_t nLine, std::u16string_view text) {
    std::string line = "glossmill: ";
    line += strFile;
    if (nLine > 0) line += ":" + std::to_string(nLine);
    return line + ": " + ToConsoleText(text) + "\n";
}

std::u16string WarningText(const CompileWarning& warning, std::u16string_view strPartsSep) {
    const std::u16string strFirst = warning.nCount > 1 ? u" (the first here)" : u"";
    switch (warning.nKind) {
        case CompileWarning::ARTICLES_WITHOUT_PARTS_SEPARATOR:
            return u"warning: " + ArticlesHave(warning.nCount) + u" no parts separator '" +
                   std::u16string(strPartsSep) + u"'" + strFirst +
                   u": all the text of such an article is its left part";
        case CompileWarning::ARTICLES_STARTING_WITH_DOLLAR:
            return u"warning: " + ArticlesStart(warning.nCount) + u" with '$'" + strFirst +
                   u": the header ended before it, so it is article text; a keyword line "
                   u"reads '$KEYWORD: value' (for example '$MORPH: English(L)')";
        case CompileWarning::MORPH_WITHOUT_LEMMAS:
            return u"warning: no lemmas for '" + warning.strName +
                   u"': only Russian, English and German have lemmas; its words are found "
                   u"as written";
        case CompileWarning::MORPH_SWITCHED_OFF:
            return u"warning: " + GermanSwitchedOffText(u"Glossmill.ini");
        case CompileWarning::NO_ARTICLES:
            return u"warning: the source has no articles";
    }
    return {};
}

std::u16string ForeignInputText(ForeignInput nKind) {
    switch (nKind) {
        case ForeignInput::GZIP:
            return u"warning: this is gzip or dictzip data, not a dictionary source; a dictd "
                   u"dictionary compiles from its .index file (with the .dict.dz beside it)";
        case ForeignInput::DICTD_INDEX:
            return u"warning: this looks like a dictd index, not a dictionary source; name it "
                   u"NAME.index (with NAME.dict or NAME.dict.dz beside it) to compile it, or "
                   u"use --import dictd";
        case ForeignInput::TAB_SEPARATED:
            return u"warning: these lines hold tabs and no parts separator; for a "
                   u"tab-separated file use --sep-type 1 --parts-sep '\\t', or --import tsv";
        case ForeignInput::NONE:
            break;
    }
    return {};
}
