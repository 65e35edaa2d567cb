#include "ProgramFolder.h"

#include <filesystem>
#include <system_error>

#include "Utf8.h"

std::u16string GetProgramFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return FromFileName(exe.parent_path().string());
}

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name) {
    std::u16string result(folder);
    if (!result.empty() && result.back() != u'/') result += u'/';
    result += name;
    return result;
}
