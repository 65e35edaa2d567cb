// The rows of the "List of dictionaries" bar: the files with results of the
// last search, in folders by category (main dictionaries, reference
// materials, parallel texts), each item "name (count)". Folders and items
// are numbered with consecutive command identifiers in display order.
#pragma once

#include <optional>
#include <string>
#include <vector>

inline constexpr int ID_FIRST_LIST_BAR_ROW = 45533;

struct CListBarFile {
    int nCategory = 0;  // DictCategory
    std::u16string strName;
    int nTotal = 0;
};

struct CListBarRow {
    int nCommand = 0;
    bool bFolder = false;
    int nCategory = 0;
    std::u16string strText;  // the category's name, or "name (count)"
    // For an item: its index in the list of files with results.
    std::optional<int> nFile;
};

// aFiles in the order of the list of files with results.
std::vector<CListBarRow> BuildListBarRows(const std::vector<CListBarFile>& aFiles);
