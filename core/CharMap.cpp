// Reading a character-map file: one "key replacement" pair per line.
#include <unistd.h>

#include <string>

#include "CharTables.h"
#include "StringTable.h"
#include "TrimText.h"
#include "UnicodeMappingFile.h"
#include "Utf8.h"
#include "core/TextIds.h"

namespace {

// The Unicode White_Space characters.
bool IsWhiteSpace(char16_t c) {
    if (c <= 0x20) return c == 0x20 || (c >= 0x09 && c <= 0x0D);
    switch (c) {
        case 0x0085:
        case 0x00A0:
        case 0x1680:
        case 0x2028:
        case 0x2029:
        case 0x202F:
        case 0x205F:
        case 0x3000:
            return true;
        default:
            return c >= 0x2000 && c <= 0x200A;
    }
}

std::u16string_view TrimLeft(std::u16string_view text) {
    while (!text.empty() && IsWhiteSpace(text.front()))
        text.remove_prefix(1);
    return text;
}

std::u16string_view Trim(std::u16string_view text) {
    return TrimmedIf(text, IsWhiteSpace);
}

// One complete line; returns the number of the text at fault, or 0.
int AddMapLine(std::u16string_view line, CharMap& map) {
    line = Trim(line);
    if (line.empty()) return 0;
    const std::u16string_view rest = TrimLeft(line.substr(1));
    if (rest.empty()) return IDS_MAP_INVALID;
    for (char16_t c : rest) {
        if (!IsWordSymb(c)) return IDS_MAP_ILLEGAL_SYMBOLS;
    }
    map[line.front()] = std::u16string(rest);
    return 0;
}

std::u16string LineError(std::u16string_view strPath, int nLine, std::u16string_view detail) {
    return WrapMessage(FormatTextId(IDS_MAP_READ_ERROR, {strPath}),
                       JoinMessages({FormatTextId(IDS_LINE_ERROR, {int64_t{nLine}}), detail}));
}

}  // namespace

bool LoadCharMap(std::u16string_view strPath, CharMap& map, CMyObject& errorOwner) {
    map.clear();
    if (strPath.empty()) return true;
    const std::string strPath8 = ToUtf8(strPath);
    if (strPath8.find('\0') != std::string::npos || ::access(strPath8.c_str(), R_OK) != 0) {
        errorOwner.SetError(FormatTextId(IDS_MAP_NOT_READABLE, {strPath}));
        return false;
    }
    CUnicodeMappingFile reader;
    if (!reader.OpenUnicode(strPath)) {
        errorOwner.SetError(
            WrapMessage(FormatTextId(IDS_MAP_OPEN_ERROR, {strPath}), reader.GetError()));
        return false;
    }
    const int32_t nTextEnd = reader.GetTextEnd();
    const int32_t nTextBegin = reader.SkipByteOrderMark();
    // A file holding only its byte-order mark has no text (and no position
    // behind the mark to go to).
    if (nTextBegin >= nTextEnd) return true;
    reader.SetMapPos(nTextBegin, CMyFile::ORIGIN_BEGIN);
    const std::u16string_view lineEnd = reader.GetLineEndString();
    std::u16string line;
    int nLine = 0;
    try {
        char16_t c;
        while (reader.ReadMapSymb(c) > 0) {
            line.push_back(c);
            const bool bAtEnd = reader.GetMapPos() >= nTextEnd;
            if (!bAtEnd && !line.ends_with(lineEnd)) continue;
            ++nLine;
            if (const int nFault = AddMapLine(line, map); nFault != 0) {
                errorOwner.SetError(LineError(strPath, nLine, LoadText(nFault).value_or(u"")));
                map.clear();
                return false;
            }
            line.clear();
        }
    } catch (const CMyObjectThrow& e) {
        // The fault lies in the line being read.
        errorOwner.SetError(LineError(strPath, nLine + 1, e.GetError()));
        map.clear();
        return false;
    }
    return true;
}
