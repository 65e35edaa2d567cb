// One named group of dictionaries: its search order and which of its
// dictionaries take part. The dictionaries belong to the library; a group
// only points at them and is rebuilt whenever the library is.
#pragma once

#include <optional>
#include <string>
#include <vector>

class CDictIndexFile;

// Which entries an index counts: the n-th entry of the view maps to a
// position of the full list.
enum DictGroupFilter {
    GROUP_FILTER_ALL = 0,
    GROUP_FILTER_DISABLED = 1,
    GROUP_FILTER_ENABLED = 2,
};

class CDictGroup {
public:
    explicit CDictGroup(std::u16string name = {}) : m_strName(std::move(name)) {}

    const std::u16string& GetName() const { return m_strName; }
    void SetName(std::u16string name) { m_strName = std::move(name); }

    void AddDict(CDictIndexFile* pDict, bool bEnabled) {
        m_arrEntries.push_back({pDict, bEnabled});
    }
    bool HasDict(const CDictIndexFile* pDict) const;

    int Count(int nFilter = GROUP_FILTER_ALL) const;
    bool HasEnabled() const { return Count(GROUP_FILTER_ENABLED) > 0; }
    // An index outside the view gives nullptr / false and changes nothing.
    CDictIndexFile* GetDict(int n, int nFilter = GROUP_FILTER_ALL) const;
    bool IsEnabled(int n, int nFilter = GROUP_FILTER_ALL) const;
    bool SetEnabled(int n, bool bValue, int nFilter = GROUP_FILTER_ALL);

    // The moves keep each dictionary together with its flag. They return
    // whether the order changed.
    bool MoveUp(int n, int nFilter = GROUP_FILTER_ALL);
    bool MoveDown(int n, int nFilter = GROUP_FILTER_ALL);
    bool MoveToTop(int n, int nFilter = GROUP_FILTER_ALL);
    bool MoveToBottom(int n, int nFilter = GROUP_FILTER_ALL);

private:
    struct CEntry {
        CDictIndexFile* pDict;
        bool bEnabled;
    };

    bool InView(const CEntry& entry, int nFilter) const;
    // Position in the full list of the view's n-th entry.
    std::optional<size_t> MapIndex(int n, int nFilter) const;

    std::u16string m_strName;
    std::vector<CEntry> m_arrEntries;
};
