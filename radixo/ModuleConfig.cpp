#include "ModuleConfig.h"

#include <fstream>

namespace {

std::string Trimmed(const std::string& text) {
    const size_t nBegin = text.find_first_not_of(" \t\r");
    if (nBegin == std::string::npos) return {};
    const size_t nEnd = text.find_last_not_of(" \t\r");
    return text.substr(nBegin, nEnd - nBegin + 1);
}

}  // namespace

bool CModuleConfig::Load(const std::string& dataFolder) {
    m_folder = dataFolder;
    m_values.clear();
    if (!m_folder.empty() && m_folder.back() != '/') m_folder += '/';
    std::ifstream file(m_folder + kModuleConfigName, std::ios::binary);
    if (!file) return false;
    std::string line;
    while (std::getline(file, line)) {
        line = Trimmed(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        const size_t nEqual = line.find('=');
        if (nEqual == std::string::npos) return false;
        m_values[Trimmed(line.substr(0, nEqual))] = Trimmed(line.substr(nEqual + 1));
    }
    return !file.bad();
}

std::optional<std::string> CModuleConfig::Get(const std::string& key) const {
    const auto it = m_values.find(key);
    if (it == m_values.end() || it->second.empty()) return std::nullopt;
    return it->second;
}

std::optional<std::string> CModuleConfig::GetPath(const std::string& key) const {
    std::optional<std::string> value = Get(key);
    if (value && value->front() != '/') *value = m_folder + *value;
    return value;
}
