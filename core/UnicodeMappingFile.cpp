#include "UnicodeMappingFile.h"

CUnicodeMappingFile::~CUnicodeMappingFile() {
    ReleaseView();
}
void CUnicodeMappingFile::Reset() {
    ReleaseView();
    CUnicodeFile::Reset();
}
void CUnicodeMappingFile::Close() {
    ReleaseView();
    CUnicodeFile::Close();
}
bool CUnicodeMappingFile::OpenUnicode(std::u16string_view) {
    return false;
}
bool CUnicodeMappingFile::SetMapPos(int32_t, int) {
    return false;
}
uint32_t CUnicodeMappingFile::ReadMap(void*, uint32_t) {
    return 0;
}
int CUnicodeMappingFile::ReadMapSymbSlow(char16_t&) {
    return 0;
}
void CUnicodeMappingFile::ReleaseView() {}
bool LoadCharMap(std::u16string_view, CharMap& map, CMyObject&) {
    map.clear();
    return true;
}
