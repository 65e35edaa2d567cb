#include "support/TempDir.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>

#include "core/Utf8.h"

CTempDir::CTempDir() {
    static std::atomic<int> s_nNext{0};
    m_path = std::filesystem::temp_directory_path() /
             ("gloss-test-" + std::to_string(::getpid()) + "-" + std::to_string(s_nNext++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

CTempDir::~CTempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::u16string CTempDir::Write(const std::string& name, std::string_view bytes) const {
    const std::filesystem::path file = m_path / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return FromFileName(file.string());
}

std::u16string CTempDir::PathOf(const std::string& name) const {
    return FromFileName((m_path / name).string());
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void CorruptByte(const std::filesystem::path& path, uint64_t nOffset, uint8_t nValue) {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(nOffset));
    file.put(static_cast<char>(nValue));
}
