#include "DictGroup.h"

#include <algorithm>
#include <utility>

bool CDictGroup::InView(const CEntry& entry, int nFilter) const {
    switch (nFilter) {
        case GROUP_FILTER_DISABLED:
            return !entry.bEnabled;
        case GROUP_FILTER_ENABLED:
            return entry.bEnabled;
        default:
            return true;
    }
}

std::optional<size_t> CDictGroup::MapIndex(int n, int nFilter) const {
    if (n < 0) return std::nullopt;
    for (size_t i = 0; i < m_arrEntries.size(); ++i) {
        if (!InView(m_arrEntries[i], nFilter)) continue;
        if (n-- == 0) return i;
    }
    return std::nullopt;
}

bool CDictGroup::HasDict(const CDictIndexFile* pDict) const {
    return std::ranges::any_of(m_arrEntries, [&](const CEntry& e) { return e.pDict == pDict; });
}

int CDictGroup::Count(int nFilter) const {
    return static_cast<int>(
        std::ranges::count_if(m_arrEntries, [&](const CEntry& e) { return InView(e, nFilter); }));
}

CDictIndexFile* CDictGroup::GetDict(int n, int nFilter) const {
    const auto pos = MapIndex(n, nFilter);
    return pos ? m_arrEntries[*pos].pDict : nullptr;
}

bool CDictGroup::IsEnabled(int n, int nFilter) const {
    const auto pos = MapIndex(n, nFilter);
    return pos && m_arrEntries[*pos].bEnabled;
}

bool CDictGroup::SetEnabled(int n, bool bValue, int nFilter) {
    const auto pos = MapIndex(n, nFilter);
    if (!pos) return false;
    m_arrEntries[*pos].bEnabled = bValue;
    return true;
}

bool CDictGroup::MoveUp(int n, int nFilter) {
    if (n <= 0) return false;
    const auto pos = MapIndex(n, nFilter);
    const auto above = MapIndex(n - 1, nFilter);
    if (!pos || !above) return false;
    std::swap(m_arrEntries[*pos], m_arrEntries[*above]);
    return true;
}

bool CDictGroup::MoveDown(int n, int nFilter) {
    const auto pos = MapIndex(n, nFilter);
    const auto below = MapIndex(n + 1, nFilter);
    if (!pos || !below) return false;
    std::swap(m_arrEntries[*pos], m_arrEntries[*below]);
    return true;
}

bool CDictGroup::MoveToTop(int n, int nFilter) {
    if (n <= 0) return false;
    const auto pos = MapIndex(n, nFilter);
    if (!pos) return false;
    const auto it = m_arrEntries.begin() + static_cast<std::ptrdiff_t>(*pos);
    std::rotate(m_arrEntries.begin(), it, it + 1);
    return true;
}

bool CDictGroup::MoveToBottom(int n, int nFilter) {
    const auto pos = MapIndex(n, nFilter);
    if (!pos || !MapIndex(n + 1, nFilter)) return false;
    const auto it = m_arrEntries.begin() + static_cast<std::ptrdiff_t>(*pos);
    std::rotate(it, it + 1, m_arrEntries.end());
    return true;
}
