#include "ImportReader.h"

std::string ImportFault(const std::filesystem::path& file, std::string_view what) {
    return file.string() + ": " + std::string(what);
}

std::string ImportFault(const std::filesystem::path& file, std::string_view where,
                        std::string_view what) {
    return file.string() + ", " + std::string(where) + ": " + std::string(what);
}

std::string EntryName(size_t nIndex, std::string_view headword) {
    constexpr size_t kShown = 60;
    std::string shown(headword.substr(0, kShown));
    if (headword.size() > kShown) shown += "...";
    return "entry " + std::to_string(nIndex + 1) + " ('" + shown + "')";
}

std::filesystem::path SiblingFile(const std::filesystem::path& path, std::string_view extension) {
    std::filesystem::path sibling = path;
    sibling.replace_extension(extension);
    return sibling;
}
