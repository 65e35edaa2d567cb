#include "shell/ResultListBar.h"

#include "core/StringTable.h"
#include "library/DictLibrary.h"

std::vector<CListBarRow> BuildListBarRows(const std::vector<CListBarFile>& aFiles) {
    std::vector<CListBarRow> rows;
    int nCommand = ID_FIRST_LIST_BAR_ROW;
    for (int nCategory : {DICT_CATEGORY_MAIN, DICT_CATEGORY_REFERENCE, DICT_CATEGORY_PARALLEL}) {
        bool bFolderAdded = false;
        for (size_t i = 0; i < aFiles.size(); ++i) {
            const CListBarFile& file = aFiles[i];
            if (file.nCategory != nCategory) continue;
            if (!bFolderAdded) {
                rows.push_back({nCommand++, true, nCategory,
                                CDictLibrary::GetCategoryName(static_cast<DictCategory>(nCategory)),
                                std::nullopt});
                bFolderAdded = true;
            }
            rows.push_back(
                {nCommand++, false, nCategory,
                 FormatText(u"%s (%d)", {file.strName, static_cast<int64_t>(file.nTotal)}),
                 static_cast<int>(i)});
        }
    }
    return rows;
}
