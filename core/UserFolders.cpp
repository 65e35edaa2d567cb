#include "UserFolders.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "ProgramFolder.h"
#include "Utf8.h"

namespace fs = std::filesystem;

namespace {

constexpr std::u16string_view kAppFolder = u"glossmere";
constexpr std::u16string_view kDictionaries = u"Dictionaries";

// The variable when it holds an absolute path; relative ones are ignored, as
// the base directory rules ask.
std::optional<fs::path> AbsolutePathVariable(const EnvironmentLookup& environment,
                                             const char* name) {
    const auto value = environment(name);
    if (!value || value->empty() || (*value)[0] != '/') return std::nullopt;
    return fs::path(*value);
}

std::optional<fs::path> BaseFolder(const EnvironmentLookup& environment, const char* variable,
                                   const char* homeRelative) {
    if (auto path = AbsolutePathVariable(environment, variable)) return path;
    if (auto home = AbsolutePathVariable(environment, "HOME")) return *home / homeRelative;
    return std::nullopt;
}

std::u16string Wide(const fs::path& path) {
    return FromUtf8(path.lexically_normal().string());
}

std::vector<fs::path> DataDirs(const EnvironmentLookup& environment) {
    std::string list = environment("XDG_DATA_DIRS").value_or("");
    if (list.empty()) list = "/usr/local/share/:/usr/share/";
    std::vector<fs::path> dirs;
    size_t nStart = 0;
    while (nStart <= list.size()) {
        size_t nEnd = list.find(':', nStart);
        if (nEnd == std::string::npos) nEnd = list.size();
        const std::string item = list.substr(nStart, nEnd - nStart);
        if (!item.empty() && item[0] == '/') dirs.emplace_back(item);
        nStart = nEnd + 1;
    }
    return dirs;
}

bool IsFolder(const std::u16string& strFolder) {
    std::error_code ec;
    return fs::is_directory(ToUtf8(strFolder), ec);
}

// The existing system folders, each once and never the user's own. The
// install's own data folder comes last, so a tree under any prefix finds its
// dictionaries.
std::vector<std::u16string> SystemDictionaries(const CInstallLayout& layout,
                                               const EnvironmentLookup& environment,
                                               const std::u16string& strOwn) {
    std::vector<std::u16string> candidates;
    for (const fs::path& dir : DataDirs(environment))
        candidates.push_back(Wide(dir / ToUtf8(kAppFolder) / ToUtf8(kDictionaries)));
    candidates.push_back(Wide(fs::path(ToUtf8(layout.strDataFolder)) / ToUtf8(kDictionaries)));
    std::vector<std::u16string> folders;
    for (std::u16string& folder : candidates) {
        if (folder.size() > 1 && folder.back() == u'/') folder.pop_back();
        if (folder == strOwn || std::ranges::find(folders, folder) != folders.end()) continue;
        if (IsFolder(folder)) folders.push_back(std::move(folder));
    }
    return folders;
}

}  // namespace

CUserFolders ResolveUserFolders(const CInstallLayout& layout, const std::u16string& strHomeOption,
                                const EnvironmentLookup& environment) {
    CUserFolders folders;
    folders.bPerUser = strHomeOption.empty() && !layout.bPortable;
    if (!strHomeOption.empty() || layout.bPortable) {
        const std::u16string& strHome =
            strHomeOption.empty() ? layout.strProgramFolder : strHomeOption;
        folders.strConfigFolder = strHome;
        folders.strDictionariesFolder = JoinPath(strHome, kDictionaries);
        return folders;
    }
    if (auto config = BaseFolder(environment, "XDG_CONFIG_HOME", ".config"))
        folders.strConfigFolder = Wide(*config / ToUtf8(kAppFolder));
    if (auto data = BaseFolder(environment, "XDG_DATA_HOME", ".local/share"))
        folders.strDictionariesFolder = Wide(*data / ToUtf8(kAppFolder) / ToUtf8(kDictionaries));
    folders.systemDictionaries =
        SystemDictionaries(layout, environment, folders.strDictionariesFolder);
    return folders;
}

CUserFolders GetUserFolders(const CInstallLayout& layout, const std::u16string& strHomeOption) {
    return ResolveUserFolders(layout, strHomeOption,
                              [](const char* name) -> std::optional<std::string> {
                                  const char* value = std::getenv(name);
                                  if (value == nullptr) return std::nullopt;
                                  return std::string(value);
                              });
}

bool PrepareUserFolders(const CUserFolders& folders, const CInstallLayout& layout,
                        std::u16string_view strSettingsName, std::u16string& strError) {
    for (const std::u16string* pFolder :
         {&folders.strConfigFolder, &folders.strDictionariesFolder}) {
        std::error_code ec;
        if (pFolder->empty()) {
            strError =
                u"No folder for the user's files: neither HOME nor XDG_CONFIG_HOME and "
                u"XDG_DATA_HOME are set";
            return false;
        }
        fs::create_directories(ToUtf8(*pFolder), ec);
        if (ec && !IsFolder(*pFolder)) {
            strError = u"Cannot create the folder " + *pFolder + u": " + FromUtf8(ec.message());
            return false;
        }
    }
    if (!folders.bPerUser) return true;
    const fs::path settings = ToUtf8(JoinPath(folders.strConfigFolder, strSettingsName));
    const fs::path shipped = ToUtf8(JoinPath(layout.strDataFolder, strSettingsName));
    std::error_code ec;
    // A settings file the user already has is never replaced.
    if (!fs::exists(settings, ec) && fs::is_regular_file(shipped, ec))
        fs::copy_file(shipped, settings, fs::copy_options::skip_existing, ec);
    return true;
}
