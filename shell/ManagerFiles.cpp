#include "ManagerFiles.h"

#include <system_error>

#include "core/AtomicFile.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"
#include "library/DictInfoFile.h"

namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

std::u16string CopyError(const fs::path& path, const std::error_code& ec) {
    return FormatTextId(IDS_FILE_PROCESSING_ERROR, {FromUtf8(path.string())}) + u"\r\n" +
           FileErrorText(ec.value());
}

// The file goes to a hidden temporary name beside target (never "*.gmd",
// so the library does not see it) and is renamed over target when complete.
bool CopyFileAtomic(const fs::path& source, const fs::path& target, CCopyResult& result) {
    const fs::path temp = target.parent_path() / ("." + target.filename().string() + ".partial");
    std::error_code ec;
    fs::copy_file(source, temp, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::rename(temp, target, ec);
    if (!ec) return true;
    std::error_code ecIgnored;
    fs::remove(temp, ecIgnored);
    result.arrErrors.push_back(CopyError(source, ec));
    return false;
}

void CopyFolder(const fs::path& source, const fs::path& target, CCopyResult& result) {
    std::error_code ec;
    fs::create_directories(target, ec);
    if (ec) {
        result.arrErrors.push_back(CopyError(source, ec));
        return;
    }
    // Links are copied as links, so a link back up the tree cannot loop.
    for (fs::recursive_directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path dest = target / fs::relative(it->path(), source, ec);
        if (ec) break;
        const fs::file_status status = it->symlink_status(ec);
        if (fs::is_symlink(status)) {
            fs::remove(dest, ec);
            fs::copy_symlink(it->path(), dest, ec);
            if (ec) result.arrErrors.push_back(CopyError(it->path(), ec));
            ec.clear();
        } else if (fs::is_directory(status)) {
            fs::create_directories(dest, ec);
        } else if (fs::is_regular_file(status)) {
            CopyFileAtomic(it->path(), dest, result);
        }
    }
    if (ec) result.arrErrors.push_back(CopyError(source, ec));
}

}  // namespace

std::optional<fs::path> CompanionOf(const fs::path& dictPath) {
    const std::string name = dictPath.filename().string();
    const size_t nDot = name.rfind('.');
    if (nDot == std::string::npos || nDot == 0) return std::nullopt;
    return dictPath.parent_path() / name.substr(0, nDot);
}

fs::path InfoFileOf(const fs::path& dictPath) {
    return ToUtf8(DictInfoFilePath(FromUtf8(dictPath.string())));
}

bool IsSameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    const fs::path ca = fs::weakly_canonical(a, ec);
    const fs::path cb = fs::weakly_canonical(b, ec);
    return (ca / "").lexically_normal() == (cb / "").lexically_normal();
}

CAddPlan PlanAddDictionaries(std::span<const fs::path> chosen, const fs::path& dictFolder) {
    CAddPlan plan;
    if (chosen.empty()) return plan;
    if (IsSameFolder(chosen.front().parent_path(), dictFolder)) {
        plan.bAlreadyInstalled = true;
        return plan;
    }
    for (const fs::path& file : chosen) {
        plan.arrPaths.push_back(file);
        if (const auto companion = CompanionOf(file); companion && Exists(*companion)) {
            plan.arrPaths.push_back(*companion);
        }
        if (const fs::path info = InfoFileOf(file); Exists(info)) plan.arrPaths.push_back(info);
    }
    return plan;
}

CDeletePlan PlanDeleteDictionary(const fs::path& dictPath) {
    CDeletePlan plan{dictPath, std::nullopt, std::nullopt};
    if (const auto companion = CompanionOf(dictPath); companion && Exists(*companion)) {
        plan.companion = companion;
    }
    if (const fs::path info = InfoFileOf(dictPath); Exists(info)) plan.info = info;
    return plan;
}

CCopyResult CopyIntoFolder(std::span<const fs::path> sources, const fs::path& folder,
                           const AskReplace& askReplace) {
    CCopyResult result;
    bool bReplaceAll = false;
    for (const fs::path& source : sources) {
        const fs::path target = folder / source.filename();
        std::error_code ec;
        if (fs::equivalent(source, target, ec)) continue;
        const bool bFolder = fs::is_directory(source, ec);
        if (Exists(target) && !bReplaceAll) {
            const ReplaceAnswer answer = askReplace ? askReplace(target) : ReplaceAnswer::No;
            if (answer == ReplaceAnswer::Cancel) {
                result.bCancelled = true;
                break;
            }
            if (answer == ReplaceAnswer::No) continue;
            bReplaceAll = answer == ReplaceAnswer::YesToAll;
        }
        if (Exists(target) && fs::is_directory(target, ec) != bFolder) {
            result.arrErrors.push_back(
                CopyError(source, std::make_error_code(std::errc::file_exists)));
            continue;
        }
        if (bFolder) {
            CopyFolder(source, target, result);
        } else {
            CopyFileAtomic(source, target, result);
        }
    }
    return result;
}

CDeleteResult DeleteDictionaryFiles(const CDeletePlan& plan, const MoveToTrash& moveToTrash) {
    const auto remove = [&](const fs::path& path) {
        if (moveToTrash && moveToTrash(path)) return true;
        std::error_code ec;
        fs::remove_all(path, ec);
        return !Exists(path);
    };
    CDeleteResult result;
    if (!remove(plan.dict)) result.arrFailed.push_back(plan.dict);
    if (plan.companion && !remove(*plan.companion)) result.arrFailed.push_back(*plan.companion);
    if (plan.info) remove(*plan.info);
    return result;
}
