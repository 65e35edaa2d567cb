// "morph.conf" of a language's data folder: "key = value" lines naming what
// the module loads; '#' starts a comment. Keys: language (1-3), aff and dic
// (the Hunspell pair), forms (our own word list), wordnet (WordNet's dict
// folder, English only). Relative paths are taken from the data folder.
#pragma once

#include <map>
#include <optional>
#include <string>

inline constexpr char kModuleConfigName[] = "morph.conf";

class CModuleConfig {
public:
    // False when the file is missing, unreadable or has a line without '='.
    bool Load(const std::string& dataFolder);
    // The value of a key, or nothing.
    std::optional<std::string> Get(const std::string& key) const;
    // The value of a path key resolved against the data folder.
    std::optional<std::string> GetPath(const std::string& key) const;

private:
    std::string m_folder;
    std::map<std::string, std::string> m_values;
};
