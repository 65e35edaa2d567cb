#include "DictdReader.h"

#include <algorithm>

#include "ImportText.h"
#include "MarkupConverter.h"
#include "core/CharTables.h"
#include "core/Utf8.h"

namespace {

// dictfmt's own entries: the name, the info text, the encoding, ...
bool IsMetaHeadword(std::string_view headword) {
    return headword.starts_with("00-database") || headword.starts_with("00database");
}

// The short name's entry: its first line repeats the keyword.
std::u16string ShortName(std::u16string_view text) {
    text = TrimImportText(text);
    if (text.starts_with(u"00-database-short") || text.starts_with(u"00databaseshort")) {
        const size_t nEol = text.find(u'\n');
        text = nEol == std::u16string_view::npos ? std::u16string_view() : text.substr(nEol);
    }
    text = TrimImportText(text);
    return std::u16string(text.substr(0, text.find(u'\n')));
}

// Word characters upper-cased, runs of blanks as one, others left out.
void AppendFolded(std::u16string& folded, char16_t c) {
    if (IsWordSymb(c)) {
        folded += ToUpperSymb(c);
    } else if ((c == u' ' || c == u'\t') && !folded.empty() && folded.back() != u' ') {
        folded += u' ';
    }
}

}  // namespace

std::u16string HeadwordAsWritten(std::u16string_view key, std::u16string_view definition) {
    std::u16string foldedKey;
    for (char16_t c : key)
        AppendFolded(foldedKey, c);
    const std::u16string_view line = TrimImportText(definition.substr(0, definition.find(u'\n')));
    std::u16string folded;
    for (size_t i = 0; i < line.size() && !foldedKey.empty(); ++i) {
        const size_t nBefore = folded.size();
        AppendFolded(folded, line[i]);
        if (folded.size() == nBefore) continue;
        const bool bWordEnds = i + 1 == line.size() || !IsWordSymb(line[i + 1]);
        if (folded == foldedKey && bWordEnds) return std::u16string(line.substr(0, i + 1));
        if (!foldedKey.starts_with(folded)) break;
    }
    return std::u16string(key);
}

bool ParseDictdNumber(std::string_view text, uint64_t& value) {
    if (text.empty() || text.size() > 10) return false;
    value = 0;
    for (char c : text) {
        int d = -1;
        if (c >= 'A' && c <= 'Z') d = c - 'A';
        if (c >= 'a' && c <= 'z') d = c - 'a' + 26;
        if (c >= '0' && c <= '9') d = c - '0' + 52;
        if (c == '+') d = 62;
        if (c == '/') d = 63;
        if (d < 0) return false;
        value = value * 64 + static_cast<uint64_t>(d);
    }
    return true;
}

bool CDictdReader::Open(const std::filesystem::path& input, std::string& strError) {
    const std::filesystem::path base = WithoutSuffix(input, {".index", ".dict.dz", ".dict"});
    m_index = base.string() + ".index";
    std::string text;
    if (!ReadWholeFile(m_index, text)) {
        strError = ImportFault(m_index, "cannot read the index");
        return false;
    }
    std::filesystem::path data = base.string() + ".dict.dz";
    std::error_code ec;
    if (!std::filesystem::exists(data, ec)) data = base.string() + ".dict";
    if (!OpenData(data, strError) || !ParseIndex(text, strError)) return false;
    if (!m_shortName.empty()) {
        std::string definition;
        if (!ReadEntryDefinition(m_shortName.front(), definition, strError)) return false;
        m_strName = ShortName(DecodeImportText(definition));
    }
    return true;
}

bool CDictdReader::ParseIndex(std::string_view text, std::string& strError) {
    size_t nLine = 0;
    for (size_t pos = 0; pos < text.size(); ++nLine) {
        size_t nEol = text.find('\n', pos);
        if (nEol == std::string_view::npos) nEol = text.size();
        std::string_view line = text.substr(pos, nEol - pos);
        pos = nEol + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty()) continue;
        std::vector<std::string_view> fields;
        for (size_t k = 0; k <= line.size();) {
            const size_t nTab = std::min(line.find('\t', k), line.size());
            fields.push_back(line.substr(k, nTab - k));
            k = nTab + 1;
        }
        const std::string where = "line " + std::to_string(nLine + 1);
        Entry entry{{std::string(fields[0])}, nLine, false};
        if (fields.size() < 3 || !ParseDictdNumber(fields[1], entry.nOffset) ||
            !ParseDictdNumber(fields[2], entry.nLength)) {
            strError = ImportFault(m_index, where,
                                   "not 'headword TAB offset TAB length' (truncated index?)");
            return false;
        }
        if (fields.size() > 3 && !TrimImportText(DecodeImportText(fields[3])).empty()) {
            entry.strHeadword = fields[3];
            entry.bOriginal = true;
        }
        if (IsMetaHeadword(fields[0])) {
            if (fields[0] == "00-database-short" || fields[0] == "00databaseshort") {
                m_shortName.assign(1, entry);
            }
            continue;
        }
        // dictfmt leaves the key of a headword without letters ("$", ":-)")
        // empty: no lookup reaches it, so it is no headword here either.
        if (TrimImportText(DecodeImportText(entry.strHeadword)).empty()) continue;
        m_entries.push_back(std::move(entry));
    }
    return true;
}

bool CDictdReader::ReadEntryDefinition(const Entry& entry, std::string& out,
                                       std::string& strError) {
    return ReadDefinition(
        entry, m_index,
        "line " + std::to_string(entry.nLine + 1) + " ('" + entry.strHeadword.substr(0, 60) + "')",
        out, strError);
}

bool CDictdReader::WriteArticles(CSourceWriter& writer, std::string& strError) {
    SortByDefinition(m_entries);
    CSourceArticle& article = writer.Article();
    std::string definition;
    std::u16string text;
    const Entry* previous = nullptr;
    for (const Entry& entry : m_entries) {
        const std::u16string key(TrimImportText(DecodeImportText(entry.strHeadword)));
        const bool bSameDefinition = SameDefinition(previous, entry);
        if (!bSameDefinition) {
            if (!ReadEntryDefinition(entry, definition, strError)) return false;
            text = DecodeImportText(definition);
        }
        const std::u16string headword = entry.bOriginal ? key : HeadwordAsWritten(key, text);
        if (bSameDefinition) {
            article.Rehead(headword);
        } else {
            article.Begin(headword);
            AppendMarkup(article, text, MarkupDialect::Dictd);
        }
        previous = &entry;
        if (!writer.WriteArticle()) {
            strError = ImportFault(m_index, "line " + std::to_string(entry.nLine + 1),
                                   ToUtf8(writer.GetError()));
            return false;
        }
    }
    return true;
}
