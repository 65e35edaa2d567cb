#include "DictIndexFile.h"

CDictIndexFile::CDictIndexFile() = default;

CDictIndexFile::~CDictIndexFile() = default;

void CDictIndexFile::Reset() {
    DiscardWriting();
    m_bValid = true;
    m_byFormatVersion = 0;
    m_dwCompileDate = 0;
    m_arrBlockPos = {};
    m_arrTextKey = {};
    CDictCommon::Reset();
}
