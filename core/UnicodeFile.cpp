#include "UnicodeFile.h"

std::u16string_view LineEndString(int32_t nLineEnd) {
    switch (nLineEnd) {
        case LINE_END_LF:
            return u"\n";
        case LINE_END_CR:
            return u"\r";
        default:
            return u"\r\n";
    }
}
Utf8Step DecodeUtf8Symb(const uint8_t*, const uint8_t*, char16_t&) {
    return {0, false};
}
void CUnicodeFile::Reset() {
    CMyFile::Reset();
}
bool CUnicodeFile::OpenUnicode(std::u16string_view) {
    return false;
}
int32_t CUnicodeFile::SkipByteOrderMark() {
    return 0;
}
int CUnicodeFile::ReadSymb(char16_t&) {
    return 0;
}
int32_t CUnicodeFile::GetByteOrderMarkSize() const {
    return 0;
}
int32_t CUnicodeFile::DetectEncoding() {
    return 0;
}
int32_t CUnicodeFile::SetLineEndFromFile() {
    return 0;
}
