#include "IniFile.h"

#include <charconv>
#include <fstream>
#include <iterator>

#include "AtomicFile.h"
#include "CharTables.h"
#include "TrimText.h"
#include "Utf8.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

template <typename Text>
Text Trimmed(Text text) {
    return TrimmedIf(text, [](auto c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

bool IsUtf8(std::string_view text) {
    return ToUtf8(FromUtf8(text)) == text;
}

}  // namespace

CIniFile::Line CIniFile::ParseLine(std::string text) {
    Line line;
    const std::string_view body = Trimmed(std::string_view(text));
    if (body.starts_with('[')) {
        const size_t nClose = body.find(']');
        if (nClose != std::string_view::npos) {
            line.bSection = true;
            line.section = FromUtf8(Trimmed(body.substr(1, nClose - 1)));
        }
    } else if (!body.empty() && body.front() != ';' && body.front() != '#') {
        const size_t nEqual = body.find('=');
        if (nEqual != std::string_view::npos && nEqual > 0) {
            line.bKey = true;
            line.key = FromUtf8(Trimmed(body.substr(0, nEqual)));
        }
    }
    line.text = std::move(text);
    return line;
}

bool CIniFile::Load(const std::filesystem::path& path, std::u16string& errorText) {
    m_lines.clear();
    m_bByteOrderMark = m_bCrLf = false;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return true;
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        errorText = u"Cannot read the settings file " + FromUtf8(path.string());
        return false;
    }
    if (!IsUtf8(text)) {
        errorText = u"The settings file " + FromUtf8(path.string()) + u" is not UTF-8 text";
        return false;
    }
    LoadText(text);
    return true;
}

void CIniFile::LoadText(std::string_view utf8) {
    m_lines.clear();
    m_bByteOrderMark = utf8.starts_with(kByteOrderMark);
    if (m_bByteOrderMark) utf8.remove_prefix(kByteOrderMark.size());
    const size_t nFirstEnd = utf8.find('\n');
    m_bCrLf = nFirstEnd != std::string_view::npos && nFirstEnd > 0 && utf8[nFirstEnd - 1] == '\r';
    while (!utf8.empty()) {
        const size_t nEnd = utf8.find('\n');
        std::string_view text = utf8.substr(0, nEnd);
        if (text.ends_with('\r')) text.remove_suffix(1);
        m_lines.push_back(ParseLine(std::string(text)));
        utf8.remove_prefix(nEnd == std::string_view::npos ? utf8.size() : nEnd + 1);
    }
}

size_t CIniFile::FindSection(std::u16string_view section) const {
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].bSection && IsEqualNoCase(m_lines[i].section, section)) return i;
    }
    return std::string::npos;
}

size_t CIniFile::SectionEnd(size_t nSection) const {
    size_t i = nSection + 1;
    while (i < m_lines.size() && !m_lines[i].bSection)
        ++i;
    return i;
}

size_t CIniFile::FindKey(size_t nSection, std::u16string_view key) const {
    const size_t nEnd = SectionEnd(nSection);
    for (size_t i = nSection + 1; i < nEnd; ++i) {
        if (m_lines[i].bKey && IsEqualNoCase(m_lines[i].key, key)) return i;
    }
    return std::string::npos;
}

std::optional<std::u16string> CIniFile::Find(std::u16string_view section,
                                             std::u16string_view key) const {
    const size_t nSection = FindSection(section);
    if (nSection == std::string::npos) return std::nullopt;
    const size_t nKey = FindKey(nSection, key);
    if (nKey == std::string::npos) return std::nullopt;
    const std::string& text = m_lines[nKey].text;
    std::string_view value = Trimmed(std::string_view(text).substr(text.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return FromUtf8(value);
}

std::u16string CIniFile::GetString(std::u16string_view section, std::u16string_view key,
                                   std::u16string_view defaultValue, size_t maxLength) const {
    std::u16string value = Find(section, key).value_or(std::u16string(defaultValue));
    if (value.size() > maxLength) value.resize(maxLength);
    return value;
}

std::vector<std::u16string> CIniFile::GetKeys(std::u16string_view section) const {
    std::vector<std::u16string> keys;
    const size_t nSection = FindSection(section);
    if (nSection == std::string::npos) return keys;
    const size_t nEnd = SectionEnd(nSection);
    for (size_t i = nSection + 1; i < nEnd; ++i) {
        if (m_lines[i].bKey && FindKey(nSection, m_lines[i].key) == i) {
            keys.push_back(m_lines[i].key);
        }
    }
    return keys;
}

void CIniFile::SetString(std::u16string_view section, std::u16string_view key,
                         std::u16string_view value) {
    const std::string line = ToUtf8(key) + "=" + ToUtf8(value);
    size_t nSection = FindSection(section);
    if (nSection == std::string::npos) {
        if (!m_lines.empty() && !Trimmed(std::string_view(m_lines.back().text)).empty()) {
            m_lines.push_back(ParseLine(""));
        }
        m_lines.push_back(ParseLine("[" + ToUtf8(section) + "]"));
        m_lines.push_back(ParseLine(line));
        return;
    }
    const size_t nKey = FindKey(nSection, key);
    if (nKey != std::string::npos) {
        m_lines[nKey] = ParseLine(line);
        return;
    }
    // After the section's last non-blank line, so a blank line that sets it
    // apart from the next section stays where it is.
    size_t nAt = SectionEnd(nSection);
    while (nAt > nSection + 1 && Trimmed(std::string_view(m_lines[nAt - 1].text)).empty())
        --nAt;
    m_lines.insert(m_lines.begin() + static_cast<ptrdiff_t>(nAt), ParseLine(line));
}

void CIniFile::Remove(std::u16string_view section, std::u16string_view key) {
    const size_t nSection = FindSection(section);
    if (nSection == std::string::npos) return;
    const size_t nKey = FindKey(nSection, key);
    if (nKey != std::string::npos) m_lines.erase(m_lines.begin() + static_cast<ptrdiff_t>(nKey));
}

std::string CIniFile::Text() const {
    std::string text(m_bByteOrderMark ? kByteOrderMark : "");
    for (const Line& line : m_lines) {
        text += line.text;
        text += m_bCrLf ? "\r\n" : "\n";
    }
    return text;
}

bool CIniFile::Save(const std::filesystem::path& path, std::u16string& errorText) const {
    const std::string text = Text();
    return ReplaceFileContents(
        path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), errorText);
}

std::optional<int32_t> ParseProfileInt(std::u16string_view text) {
    text = Trimmed(text);
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F) return std::nullopt;
        ascii += static_cast<char>(c);
    }
    if (ascii.empty() || ascii.front() == '+') return std::nullopt;
    int32_t nValue = 0;
    const auto [pEnd, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), nValue);
    if (ec != std::errc() || pEnd != ascii.data() + ascii.size()) return std::nullopt;
    return nValue;
}
