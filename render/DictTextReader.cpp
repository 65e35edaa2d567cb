#include "render/DictTextReader.h"

#include "dictformat/DictIndexFile.h"

ArticleTextReader MakeTextReader(CDictIndexFile& dict) {
    return [&dict](int nStart, int nEnd, std::u16string& strText, std::u16string& strError) {
        if (dict.GetText(nStart, nEnd, strText)) return true;
        strError = dict.GetError();
        return false;
    };
}
