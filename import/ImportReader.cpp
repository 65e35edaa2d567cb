#include "ImportReader.h"

#include <fstream>
#include <iterator>

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

std::filesystem::path WithoutSuffix(const std::filesystem::path& path,
                                    std::initializer_list<std::string_view> suffixes) {
    std::string name = path.string();
    for (std::string_view suffix : suffixes) {
        if (name.ends_with(suffix)) {
            name.resize(name.size() - suffix.size());
            break;
        }
    }
    return name;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}
