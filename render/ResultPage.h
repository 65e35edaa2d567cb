// The result page of one dictionary: one HTML string with head, header line,
// a table of up to 20 articles in the chosen layout, and the matched stretches
// highlighted.
#pragma once

#include <functional>
#include <string>

#include "core/MyObject.h"
#include "dictformat/DictCommon.h"
#include "library/DictResults.h"

// Reads a piece of the dictionary's text, positions in code units, end
// exclusive; on failure it returns false and leaves the reader's error text.
using ArticleTextReader =
    std::function<bool(int nStart, int nEnd, std::u16string& strText, std::u16string& strError)>;

enum ResultLayout { LAYOUT_STANDARD = 0, LAYOUT_SEPARATED = 1, LAYOUT_TABLE = 2 };

struct CViewSettings {
    int m_nLayout = LAYOUT_STANDARD;
    int m_nBaseFontSize = 18;
};

struct CResultPageRequest {
    const CDictResults* pResults = nullptr;
    int nFileType = FILE_TYPE_DICT;
    int nTotal = 0;  // the file's count in the list of files with results
    int nPage = 0;   // from 0
    std::u16string strDisplayName;
    std::u16string strProgramFolder;  // without a trailing separator
};

class CResultPageRenderer : public CMyObject {
public:
    explicit CResultPageRenderer(CViewSettings settings) : m_settings(settings) {}

    // False when a piece of text cannot be read; the reader's error text is
    // then this object's error.
    [[nodiscard]] bool RenderResultPage(const CResultPageRequest& request,
                                        const ArticleTextReader& readText, std::u16string& strPage);

private:
    CViewSettings m_settings;
};
