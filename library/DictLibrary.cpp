#include "DictLibrary.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/StringTable.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"

namespace {

constexpr int kMinFormatVersion = 2;

bool HasGmdExtension(std::string_view name) {
    constexpr std::string_view kExt = ".gmd";
    if (name.size() < kExt.size()) return false;
    return std::ranges::equal(name.substr(name.size() - kExt.size()), kExt, [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
    });
}

// The dictionary files of a folder, sorted by the bytes of their names:
// the system lists a folder in no useful order, and groups and search order
// should not change from one run to the next.
std::vector<std::string> ListDictionaryFiles(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code ecType;
        if (!HasGmdExtension(name) || it->is_directory(ecType)) continue;
        names.push_back(name);
    }
    std::ranges::sort(names);
    return names;
}

std::u16string FileDisabledMessage(std::u16string_view strPath, std::u16string_view reason) {
    return FormatTextId(41326, {strPath}) + u"\r\n" + std::u16string(reason) + u"\r\n" +
           FormatTextId(41013, {strPath});
}

}  // namespace

CDictLibrary::CDictLibrary() = default;
CDictLibrary::~CDictLibrary() = default;

void CDictLibrary::Clear() {
    m_arrEntries.clear();
    m_strLoadMessages.clear();
}

bool CDictLibrary::ScanFolder(std::u16string_view strFolder,
                              std::span<const std::u16string> systemFolders) {
    Clear();
    ClearError();
    std::u16string folder(strFolder);
    if (folder.empty() || folder.back() != u'/') folder += u'/';
    std::error_code ec;
    const bool bFound = std::filesystem::is_directory(ToFileName(folder), ec);
    if (bFound) AddFolder(folder, false);
    for (std::u16string system : systemFolders) {
        if (system.empty() || system.back() != u'/') system += u'/';
        if (system != folder) AddFolder(system, true);
    }
    if (!bFound) {
        SetError(FormatTextId(41325, {folder}) + u"\r\n" + FormatTextId(41011));
        return false;
    }
    return true;
}

void CDictLibrary::AddFolder(const std::u16string& folder, bool bSystem) {
    for (const std::string& name : ListDictionaryFiles(ToFileName(folder))) {
        const std::u16string strName = FromFileName(name);
        if (bSystem && std::ranges::any_of(m_arrEntries, [&](const CEntry& entry) {
                return entry.pDict->GetFileName() == strName;
            }))
            continue;
        const std::u16string path = folder + strName;
        auto pDict = std::make_unique<CDictIndexFile>();
        const bool bListed = OpenDictionary(path, *pDict, kMinFormatVersion);
        if (!GetError().empty()) {
            if (!m_strLoadMessages.empty()) m_strLoadMessages += u"\r\n";
            m_strLoadMessages += GetError();
            ClearError();
        }
        if (bListed) m_arrEntries.push_back({std::move(pDict), std::nullopt, bSystem});
    }
}

bool CDictLibrary::OpenDictionary(std::u16string_view strPath, CDictIndexFile& dict,
                                  int nMinVersion) {
    if (!dict.Open(strPath, CMyFile::MODE_READ | CMyFile::SHARE_DENY_WRITE)) {
        SetError(FileDisabledMessage(strPath, dict.GetError()));
        return false;
    }
    dict.SetValid(true);
    if (!dict.ReadDictionary(static_cast<uint8_t>(nMinVersion))) {
        SetError(FileDisabledMessage(strPath, dict.GetError()));
        dict.SetValid(false);
    } else if (m_bReadAhead) {
        dict.StartReadAhead();
    }
    return true;
}

void CDictLibrary::SetReadAhead(bool bOn) {
    if (bOn && !m_bReadAhead)
        for (CEntry& entry : m_arrEntries)
            if (entry.pDict->IsValid()) entry.pDict->StartReadAhead();
    m_bReadAhead = bOn;
}

bool CDictLibrary::ReopenIfChanged(CDictIndexFile& dict) {
    ClearError();
    if (!dict.HasFileChanged()) return true;
    const std::u16string path = dict.GetFilePath();
    dict.Close();
    if (!OpenDictionary(path, dict, kMinFormatVersion)) dict.SetValid(false);
    return GetError().empty();
}

bool CDictLibrary::CheckReadFault(CDictIndexFile& dict) {
    ClearError();
    if (dict.CheckReadFault()) return true;
    dict.SetValid(false);
    SetError(FileDisabledMessage(dict.GetFilePath(), dict.GetError()));
    return false;
}

void CDictLibrary::CloseAllFiles() {
    for (CEntry& entry : m_arrEntries)
        entry.pDict->Close();
}

bool CDictLibrary::IsSystemDictionary(const CDictIndexFile& dict) const {
    const CEntry* pEntry = FindEntry(dict);
    return pEntry != nullptr && pEntry->bSystem;
}

CDictIndexFile* CDictLibrary::GetDictionary(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount()) return nullptr;
    return m_arrEntries[static_cast<size_t>(nIndex)].pDict.get();
}

int CDictLibrary::IndexOf(const CDictIndexFile* pDict) const {
    for (size_t i = 0; i < m_arrEntries.size(); ++i) {
        if (m_arrEntries[i].pDict.get() == pDict) return static_cast<int>(i);
    }
    return -1;
}

std::vector<CLibraryEntryInfo> CDictLibrary::GetEntryInfos() const {
    std::vector<CLibraryEntryInfo> infos;
    infos.reserve(m_arrEntries.size());
    for (const CEntry& entry : m_arrEntries) {
        infos.push_back({entry.pDict->GetFileName(), entry.pDict->IsValid()});
    }
    return infos;
}

DictCategory CDictLibrary::GetCategory(const CDictIndexFile& dict) {
    if (dict.GetFileType() == FILE_TYPE_PARTEXT) return DICT_CATEGORY_PARALLEL;
    return dict.GetDictType() == DICT_TYPE_OTHER ? DICT_CATEGORY_REFERENCE : DICT_CATEGORY_MAIN;
}

std::u16string CDictLibrary::GetCategoryName(DictCategory category) {
    return FormatTextId(41008 + static_cast<int>(category));
}

const CDictLibrary::CEntry* CDictLibrary::FindEntry(const CDictIndexFile& dict) const {
    const int nIndex = IndexOf(&dict);
    return nIndex < 0 ? nullptr : &m_arrEntries[static_cast<size_t>(nIndex)];
}

namespace {

std::vector<CDisplayName> LoadDisplayNames(const CDictIndexFile& dict) {
    std::vector<CDisplayName> names;
    if (const auto text = ReadDictInfoText(DictInfoFilePath(dict.GetFilePath()))) {
        names = ParseDictInfoText(*text);
    }
    if (names.empty()) {
        std::u16string fallback = dict.GetName();
        if (fallback.empty()) fallback = dict.GetFileTitle();
        names.push_back({std::move(fallback), {}});
    }
    return names;
}

}  // namespace

std::vector<CDisplayName> CDictLibrary::GetDisplayNames(const CDictIndexFile& dict) const {
    const CEntry* pEntry = FindEntry(dict);
    if (!pEntry) return LoadDisplayNames(dict);
    if (!pEntry->names) pEntry->names = LoadDisplayNames(dict);
    return *pEntry->names;
}

std::u16string CDictLibrary::GetDisplayName(const CDictIndexFile& dict, std::u16string_view first,
                                            std::u16string_view second,
                                            std::u16string_view third) const {
    return ChooseDisplayName(GetDisplayNames(dict), first, second, third);
}

bool CDictLibrary::OpenDictInfoFile(std::u16string_view strDictPath) {
    const std::u16string path = DictInfoFilePath(strDictPath);
    std::error_code ec;
    if (!std::filesystem::exists(ToFileName(path), ec)) {
        if (m_shell.warn) m_shell.warn(FormatTextId(40315), FormatTextId(40301));
        return false;
    }
    return m_shell.openFile && m_shell.openFile(path);
}
