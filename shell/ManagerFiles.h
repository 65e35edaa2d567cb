// The files the dictionary manager adds to and deletes from the
// "Dictionaries" folder. A dictionary brings two optional neighbours: its
// companion (the path without the extension, a folder or a file) and its
// information file ("<name>_info.txt"). Copies land under a temporary name
// first, so a copy that fails part-way never leaves a half-written file that
// the library would open.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The companion of a dictionary file, when the file name has a stem (a file
// named ".gmd" has none: its "companion" would be the whole folder).
std::optional<std::filesystem::path> CompanionOf(const std::filesystem::path& dictPath);
std::filesystem::path InfoFileOf(const std::filesystem::path& dictPath);

// Whether two folders are the same place (links and "." resolved).
bool IsSameFolder(const std::filesystem::path& a, const std::filesystem::path& b);

struct CAddPlan {
    // The chosen files already lie in the "Dictionaries" folder: "already
    // installed", and nothing is copied.
    bool bAlreadyInstalled = false;
    // Each chosen file, then its companion and its information file where
    // they exist.
    std::vector<std::filesystem::path> arrPaths;
};
CAddPlan PlanAddDictionaries(std::span<const std::filesystem::path> chosen,
                             const std::filesystem::path& dictFolder);

struct CDeletePlan {
    std::filesystem::path dict;
    std::optional<std::filesystem::path> companion;  // when it exists
    std::optional<std::filesystem::path> info;       // when it exists
};
CDeletePlan PlanDeleteDictionary(const std::filesystem::path& dictPath);

enum class ReplaceAnswer { Yes, YesToAll, No, Cancel };
// Asked before a file or folder of the same name in the target folder is
// replaced; a folder is merged into, its files replaced without asking again.
using AskReplace = std::function<ReplaceAnswer(const std::filesystem::path& target)>;

struct CCopyResult {
    bool bCancelled = false;
    // One message per item that could not be copied ("Error while
    // processing file" with its path, CR LF and the system's reason); the
    // other items are copied.
    std::vector<std::u16string> arrErrors;
};
// Copies every file or folder into folder, each file to a temporary name
// beside its target and then renamed over it.
CCopyResult CopyIntoFolder(std::span<const std::filesystem::path> sources,
                           const std::filesystem::path& folder, const AskReplace& askReplace);

// Moves a path to the desktop's trash; false when there is no trash or the
// move failed.
using MoveToTrash = std::function<bool(const std::filesystem::path& path)>;
struct CDeleteResult {
    // The dictionary file and the companion when they could not be removed;
    // a failure on the information file is of no concern.
    std::vector<std::filesystem::path> arrFailed;
};
// The trash where there is one, else the files are deleted outright.
CDeleteResult DeleteDictionaryFiles(const CDeletePlan& plan, const MoveToTrash& moveToTrash);
