// A private temporary folder per test, removed with everything in it.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "core/Utf8.h"

class TempDir {
public:
    TempDir() {
        static std::atomic<int> s_nNext{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("gloss-test-" + std::to_string(::getpid()) + "-" + std::to_string(s_nNext++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }

    const std::filesystem::path& Path() const { return m_path; }

    // Writes the bytes as the file name and returns its path as UTF-16.
    std::u16string Write(const std::string& name, std::string_view bytes) const {
        const std::filesystem::path file = m_path / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return FromUtf8(file.string());
    }

    std::u16string PathOf(const std::string& name) const {
        return FromUtf8((m_path / name).string());
    }

private:
    std::filesystem::path m_path;
};
