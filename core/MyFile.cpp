#include "MyFile.h"

CMyFile::~CMyFile() {
    CMyFile::Close();
}
void CMyFile::Reset() {
    Close();
}
bool CMyFile::ReOpen(unsigned) {
    return false;
}
bool CMyFile::Open(std::u16string_view, unsigned) {
    return false;
}
void CMyFile::Close() {}
bool CMyFile::Remove() {
    return false;
}
void CMyFile::Write(const void*, uint32_t) {}
uint32_t CMyFile::Read(void*, uint32_t) {
    return 0;
}
int64_t CMyFile::Seek(int64_t, int) {
    return 0;
}
void CMyFile::SeekToBegin() {}
int64_t CMyFile::SeekToEnd() {
    return 0;
}
int64_t CMyFile::GetPosition() const {
    return 0;
}
int64_t CMyFile::GetLength() const {
    return 0;
}
std::u16string CMyFile::GetFileTitle() const {
    return {};
}
std::u16string CMyFile::GetFileExt() const {
    return {};
}
std::u16string CMyFile::PlatformErrorText(int) const {
    return {};
}
void CMyFile::ThrowPlatformError(int) {
    throw CMyObjectThrow(u"");
}
void CMyFile::CheckOpen(const char16_t*) const {}
