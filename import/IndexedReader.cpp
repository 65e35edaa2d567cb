#include "IndexedReader.h"

bool CIndexedReader::OpenData(const std::filesystem::path& path, std::string& strError) {
    m_dataPath = path;
    std::string strDataError;
    if (m_dict.Open(m_dataPath, strDataError)) return true;
    strError = ImportFault(m_dataPath, strDataError);
    return false;
}

bool CIndexedReader::ReadDefinition(const CIndexEntry& entry, const std::filesystem::path& index,
                                    std::string_view where, std::string& out,
                                    std::string& strError) {
    std::string strDataError;
    if (m_dict.Read(entry.nOffset, entry.nLength, out, strDataError)) return true;
    strError =
        ImportFault(index, where,
                    "definition at " + std::to_string(entry.nOffset) + " (" +
                        std::to_string(entry.nLength) + " bytes) in " + m_dataPath.string() + " (" +
                        std::to_string(m_dict.GetSize()) + " bytes): " + strDataError);
    return false;
}
