// A private folder per test under the system's temporary folder, removed
// with everything in it, and the few file helpers the tests share.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class CTempDir {
public:
    CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;
    ~CTempDir();

    const std::filesystem::path& Path() const { return m_path; }
    // Writes the bytes as the file name and returns its path as UTF-16.
    std::u16string Write(const std::string& name, std::string_view bytes) const;
    std::u16string PathOf(const std::string& name) const;

private:
    std::filesystem::path m_path;
};

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);
// Changes one byte of a file, for tests of damaged files.
void CorruptByte(const std::filesystem::path& path, uint64_t nOffset, uint8_t nValue);
