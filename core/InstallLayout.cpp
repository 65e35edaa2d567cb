#include "InstallLayout.h"

#include <filesystem>
#include <system_error>

#include "ProgramFolder.h"
#include "Utf8.h"

// The installed folders relative to the programs' folder; the build sets
// them from its install directories.
#ifndef GLOSS_LIBRARY_FROM_BIN
#define GLOSS_LIBRARY_FROM_BIN "../lib/glossmere"
#endif
#ifndef GLOSS_DATA_FROM_BIN
#define GLOSS_DATA_FROM_BIN "../share/glossmere"
#endif

namespace {

std::u16string Below(const std::u16string& strFolder, const char* relative) {
    const std::filesystem::path path =
        (std::filesystem::path(ToUtf8(strFolder)) / relative).lexically_normal();
    std::string text = path.string();
    if (text.size() > 1 && text.back() == '/') text.pop_back();
    return FromUtf8(text);
}

}  // namespace

CInstallLayout ResolveInstallLayout(const std::u16string& strProgramFolder) {
    CInstallLayout layout;
    layout.strProgramFolder = strProgramFolder;
    std::error_code ec;
    layout.bPortable =
        std::filesystem::exists(ToUtf8(JoinPath(strProgramFolder, kPortableMarker)), ec);
    if (layout.bPortable) {
        layout.strLibraryFolder = strProgramFolder;
        layout.strDataFolder = strProgramFolder;
    } else {
        layout.strLibraryFolder = Below(strProgramFolder, GLOSS_LIBRARY_FROM_BIN);
        layout.strDataFolder = Below(strProgramFolder, GLOSS_DATA_FROM_BIN);
    }
    return layout;
}

CInstallLayout GetInstallLayout() {
    return ResolveInstallLayout(GetProgramFolder());
}
