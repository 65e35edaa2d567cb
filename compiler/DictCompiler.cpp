// CDictCompiler: starting a run, and what the caller reads while and after
// it runs. The run itself is in CompileThread.cpp.
#include "DictCompiler.h"

#include "CompileTexts.h"
#include "SourceText.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"

CDictCompiler::CDictCompiler() = default;

CDictCompiler::~CDictCompiler() {
    RequestAbort();
    Wait();
}

void CDictCompiler::Wait() {
    if (m_thread.joinable()) m_thread.join();
}

void CDictCompiler::ResetRun() {
    if (m_pOutput) m_pOutput->DiscardWriting();
    m_pSource.reset();
    m_pOutput.reset();
    m_nProgressMin = 0;
    m_nProgressPos = 0;
    m_nProgressMax = 0;
    m_nProgressShift = 0;
    SetStatusText(u"");
    ClearError();
    m_bRunning = false;
    m_bAborted = false;
    m_bError = false;
    m_nLine = -1;
    m_strLineFault.clear();
    m_bSourceOpenFault = false;
    m_warnings.clear();
    m_builder.Reset();
    m_morph.clear();
    m_nTextUnits = 0;
    m_nSourceSize = 0;
    m_nOutputSize = 0;
}

bool CDictCompiler::StartCompile(std::u16string_view strSourcePath,
                                 std::u16string_view strOutputPath,
                                 std::u16string_view strMappingPath) {
    if (IsRunning()) {
        SetError(InternalError(u"CDictCompiler::StartCompile", u"A compilation is running"));
        return false;
    }
    Wait();
    ResetRun();
    m_bRunning = true;
    auto fail = [this](std::u16string_view strText) {
        SetError(strText);
        if (m_pOutput) m_pOutput->DiscardWriting();
        m_bRunning = false;
        return false;
    };
    std::u16string strFault;
    if (!CheckSeparatorSettings(m_separators, strFault)) return fail(strFault);
    m_pSource = std::make_unique<CDictSource>();
    m_pOutput = std::make_unique<CDictIndexFile>();
    m_pSource->SetSeparators(m_separators);
    if (!m_pSource->OpenUnicode(strSourcePath)) {
        m_bSourceOpenFault = true;
        return fail(
            WrapMessage(LoadText(IDS_OPEN_FILE_ERROR).value_or(u""), m_pSource->GetError()));
    }
    if (!LoadCharMap(strMappingPath, m_charMap, *this)) return fail(GetError());
    if (!m_pOutput->OpenForWriting(strOutputPath)) {
        return fail(
            WrapMessage(LoadText(IDS_OPEN_FILE_ERROR).value_or(u""), m_pOutput->GetError()));
    }
    const std::filesystem::path output(ToFileName(strOutputPath));
    m_outputFolder = output.has_parent_path() ? output.parent_path() : ".";
    if (m_bFixedDateAndKey) {
        m_pOutput->SetFixedDate(m_dwFixedDate);
        m_pOutput->SetFixedKey(m_fixedKey);
    }
    m_thread = std::thread([this] { CompileThread(); });
    return true;
}

std::u16string CDictCompiler::GetStatusText() const {
    std::lock_guard lock(m_statusMutex);
    return m_strStatus;
}

void CDictCompiler::SetStatusText(std::u16string_view strText) {
    std::lock_guard lock(m_statusMutex);
    m_strStatus.assign(strText);
}

void CDictCompiler::ReportLineError(int32_t nLine, std::u16string_view strText) {
    SetError(LineErrorText(nLine, strText));
    m_strLineFault = strText;
    m_nLine = nLine;
    m_bError = true;
}

void CDictCompiler::ReportWriteError(std::u16string_view strText) {
    SetError(WrapMessage(kErrorCreatingIndexText, strText));
    m_bError = true;
}

CAutomNodeRel CDictCompiler::GetAutom(int nIndex) {
    if (nIndex < 0 || static_cast<uint32_t>(nIndex) >= m_builder.GetNodeCount()) {
        ThrowError(InternalError(u"CDictCompiler::GetAutom", u"Invalid array index"));
    }
    return CAutomNodeRel(m_builder.GetAutomaton(), static_cast<uint32_t>(nIndex));
}

void CDictCompiler::SetFixedDateAndKey(uint32_t dwDate, const std::array<uint16_t, 4>& key) {
    m_bFixedDateAndKey = true;
    m_dwFixedDate = dwDate;
    m_fixedKey = key;
}

void CDictCompiler::SetProgress(int32_t nMin, int64_t nPos, int64_t nMax) {
    m_nProgressMin = nMin;
    m_nProgressMax = static_cast<int32_t>(nMax >> m_nProgressShift);
    SetProgressPos(nPos);
}

void CDictCompiler::SetProgressPos(int64_t nPos) {
    m_nProgressPos = static_cast<int32_t>(nPos >> m_nProgressShift);
}
