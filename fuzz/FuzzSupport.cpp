#include "FuzzSupport.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "core/Utf8.h"

namespace {

void RemoveScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(FuzzScratchDir(), ec);
}

}  // namespace

const std::filesystem::path& FuzzScratchDir() {
    static const std::filesystem::path s_dir = [] {
        std::filesystem::path dir =
            std::filesystem::temp_directory_path() / ("gloss-fuzz-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        return dir;
    }();
    static const bool s_bCleanup = [] { return std::atexit(RemoveScratchDir) == 0; }();
    (void)s_bCleanup;
    return s_dir;
}

std::u16string ScratchPath(std::string_view name) {
    return FromUtf8((FuzzScratchDir() / std::string(name)).string());
}

std::u16string WriteScratchFile(std::string_view name, FuzzBytes bytes) {
    const std::string path = (FuzzScratchDir() / std::string(name)).string();
    // Overwritten in place and cut to size rather than truncated first, so
    // the file system keeps its pages from one input to the next.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) FuzzFail("cannot create a scratch file", FromUtf8(path));
    size_t nDone = 0;
    while (nDone < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd, bytes.data() + nDone, bytes.size() - nDone, static_cast<off_t>(nDone));
        if (n <= 0) FuzzFail("cannot write a scratch file", FromUtf8(path));
        nDone += static_cast<size_t>(n);
    }
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        FuzzFail("cannot cut a scratch file", FromUtf8(path));
    ::close(fd);
    return FromUtf8(path);
}

std::u16string BytesToUnits(FuzzBytes bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && i + 2 < bytes.size()) {
            text += static_cast<char16_t>(bytes[i + 1] | (bytes[i + 2] << 8));
            i += 2;
        } else {
            text += static_cast<char16_t>(bytes[i]);
        }
    }
    return text;
}

void FuzzFail(const char* what, std::u16string_view detail) {
    std::fprintf(stderr, "\n*** fuzz property broken: %s\n", what);
    if (!detail.empty()) std::fprintf(stderr, "*** %s\n", ToUtf8(detail).c_str());
    std::fflush(stderr);
    std::abort();
}

// A smaller quarantine than the default 256 MB keeps the resident size of a
// long run well under the 512 MB limit that run-fuzz sets, and recycles
// freed pages instead of faulting in fresh ones for every input.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=32:detect_leaks=1:strict_string_checks=1";
}

extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}
