#include "StarDictReader.h"

#include <algorithm>

#include "ImportText.h"
#include "StarDictFields.h"
#include "core/Utf8.h"

namespace {

constexpr std::string_view kIfoMagic = "StarDict's dict ifo file";

std::filesystem::path WithSuffix(const std::filesystem::path& base, std::string_view suffix) {
    return base.string() + std::string(suffix);
}

// The first of the files that exists, else the first.
std::filesystem::path FirstExisting(const std::filesystem::path& base,
                                    std::initializer_list<std::string_view> suffixes) {
    std::error_code ec;
    for (std::string_view suffix : suffixes)
        if (std::filesystem::exists(WithSuffix(base, suffix), ec)) return WithSuffix(base, suffix);
    return WithSuffix(base, *suffixes.begin());
}

bool ParseCount(std::string_view text, uint64_t& value) {
    if (text.empty() || text.size() > 12) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return true;
}

uint64_t BigEndian(std::string_view bytes) {
    uint64_t value = 0;
    for (char c : bytes)
        value = (value << 8) | static_cast<uint8_t>(c);
    return value;
}

// The whole of a file that may be gzip-compressed.
bool ReadAll(const std::filesystem::path& path, std::string& out, std::string& strError) {
    CDictData file;
    return file.Open(path, strError) && file.Read(0, file.GetSize(), out, strError);
}

}  // namespace

bool CStarDictReader::Open(const std::filesystem::path& input, std::string& strError) {
    m_base = WithoutSuffix(input, {".ifo", ".idx.gz", ".idx", ".dict.dz", ".dict", ".syn"});
    return ReadIfo(strError) && ReadIdx(strError) && ReadSyn(strError) &&
           OpenData(FirstExisting(m_base, {".dict.dz", ".dict"}), strError);
}

bool CStarDictReader::ReadIfo(std::string& strError) {
    const std::filesystem::path ifo = WithSuffix(m_base, ".ifo");
    std::string text;
    if (!ReadWholeFile(ifo, text)) {
        strError = ImportFault(ifo, "cannot read the file");
        return false;
    }
    std::string_view rest = text;
    if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
    std::string version, wordCount, offsetBits;
    bool bFirst = true;
    while (!rest.empty()) {
        const size_t nEol = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, nEol);
        rest.remove_prefix(std::min(nEol + 1, rest.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (bFirst && line != kIfoMagic) {
            strError = ImportFault(ifo, "not a StarDict .ifo file (the first line must be \"" +
                                            std::string(kIfoMagic) + "\")");
            return false;
        }
        bFirst = false;
        const size_t nEq = line.find('=');
        if (nEq == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, nEq);
        const std::string value(line.substr(nEq + 1));
        if (key == "version") version = value;
        if (key == "wordcount") wordCount = value;
        if (key == "idxoffsetbits") offsetBits = value;
        if (key == "sametypesequence") m_strSameTypeSequence = value;
        if (key == "bookname") m_strName = TrimImportText(DecodeImportText(value));
    }
    if (bFirst) {
        strError = ImportFault(ifo, "the file is empty");
        return false;
    }
    if (version != "2.4.2" && version != "3.0.0") {
        strError = ImportFault(ifo, "wrong version '" + version + "' (2.4.2 and 3.0.0 are read)");
        return false;
    }
    if (!ParseCount(wordCount, m_nWordCount)) {
        strError = ImportFault(ifo, "wordcount '" + wordCount + "' is not a number");
        return false;
    }
    if (offsetBits == "64" && version == "3.0.0") {
        m_nOffsetBits = 64;
    } else if (!offsetBits.empty() && offsetBits != "32") {
        strError = ImportFault(ifo, "idxoffsetbits '" + offsetBits + "' is not supported");
        return false;
    }
    return true;
}

bool CStarDictReader::ReadIdx(std::string& strError) {
    m_idxPath = FirstExisting(m_base, {".idx", ".idx.gz"});
    const std::filesystem::path& idx = m_idxPath;
    std::string data;
    std::string strReadError;
    if (!ReadAll(idx, data, strReadError)) {
        strError = ImportFault(idx, strReadError);
        return false;
    }
    const size_t nNumbers = m_nOffsetBits / 8 + 4;
    std::string_view rest = data;
    while (!rest.empty()) {
        const size_t nNul = rest.find('\0');
        const std::string where = "entry " + std::to_string(m_entries.size() + 1);
        if (nNul == std::string_view::npos || rest.size() - nNul - 1 < nNumbers) {
            strError = ImportFault(idx, where, "truncated (the index ends inside the entry)");
            return false;
        }
        Entry entry{{std::string(rest.substr(0, nNul))}, static_cast<uint32_t>(m_entries.size())};
        entry.nOffset = BigEndian(rest.substr(nNul + 1, nNumbers - 4));
        entry.nLength = BigEndian(rest.substr(nNul + 1 + nNumbers - 4, 4));
        if (TrimImportText(DecodeImportText(entry.strHeadword)).empty()) {
            strError = ImportFault(idx, where, "empty headword");
            return false;
        }
        rest.remove_prefix(nNul + 1 + nNumbers);
        m_entries.push_back(std::move(entry));
    }
    if (m_entries.size() != m_nWordCount) {
        strError = ImportFault(idx, "holds " + std::to_string(m_entries.size()) +
                                        " entries, the .ifo's wordcount says " +
                                        std::to_string(m_nWordCount));
        return false;
    }
    return true;
}

bool CStarDictReader::ReadSyn(std::string& strError) {
    const std::filesystem::path syn = FirstExisting(m_base, {".syn", ".syn.dz"});
    std::error_code ec;
    if (!std::filesystem::exists(syn, ec)) return true;
    std::string data;
    std::string strReadError;
    if (!ReadAll(syn, data, strReadError)) {
        strError = ImportFault(syn, strReadError);
        return false;
    }
    std::string_view rest = data;
    while (!rest.empty()) {
        const size_t nNul = rest.find('\0');
        const std::string where = "synonym " + std::to_string(m_synonyms.size() + 1);
        if (nNul == std::string_view::npos || rest.size() - nNul - 1 < 4) {
            strError = ImportFault(syn, where, "truncated (the file ends inside the synonym)");
            return false;
        }
        Synonym synonym{static_cast<uint32_t>(BigEndian(rest.substr(nNul + 1, 4))),
                        std::string(rest.substr(0, nNul))};
        if (synonym.nEntry >= m_entries.size()) {
            strError = ImportFault(syn, where + " ('" + synonym.strWord.substr(0, 60) + "')",
                                   "points at entry " + std::to_string(synonym.nEntry + 1) +
                                       " of " + std::to_string(m_entries.size()));
            return false;
        }
        rest.remove_prefix(nNul + 5);
        if (!TrimImportText(DecodeImportText(synonym.strWord)).empty()) {
            m_synonyms.push_back(std::move(synonym));
        }
    }
    std::stable_sort(m_synonyms.begin(), m_synonyms.end(),
                     [](const Synonym& a, const Synonym& b) { return a.nEntry < b.nEntry; });
    return true;
}

bool CStarDictReader::WriteArticles(CSourceWriter& writer, std::string& strError) {
    SortByDefinition(m_entries);
    const Entry* previous = nullptr;
    for (const Entry& entry : m_entries) {
        if (!WriteEntry(writer, entry, previous, strError)) return false;
        previous = &entry;
    }
    return true;
}

// The entry's article, then one for each of its synonyms.
bool CStarDictReader::WriteEntry(CSourceWriter& writer, const Entry& entry, const Entry* previous,
                                 std::string& strError) {
    const std::filesystem::path& idx = m_idxPath;
    const std::string where = EntryName(entry.nIndex, entry.strHeadword);
    CSourceArticle& article = writer.Article();
    const std::u16string headword(TrimImportText(DecodeImportText(entry.strHeadword)));
    if (SameDefinition(previous, entry)) {
        article.Rehead(headword);
    } else {
        std::string data, strFault;
        if (!ReadDefinition(entry, idx, where, data, strError)) return false;
        article.Begin(headword);
        if (!AppendStarDictFields(article, data, m_strSameTypeSequence, strFault)) {
            strError = ImportFault(m_dataPath, where, strFault);
            return false;
        }
    }
    if (!writer.WriteArticle()) {
        strError = ImportFault(idx, where, ToUtf8(writer.GetError()));
        return false;
    }
    const auto [first, last] =
        std::equal_range(m_synonyms.begin(), m_synonyms.end(), Synonym{entry.nIndex, {}},
                         [](const Synonym& a, const Synonym& b) { return a.nEntry < b.nEntry; });
    for (auto it = first; it != last; ++it) {
        article.Rehead(TrimImportText(DecodeImportText(it->strWord)));
        if (!writer.WriteArticle()) {
            strError = ImportFault(idx, where, ToUtf8(writer.GetError()));
            return false;
        }
    }
    return true;
}
