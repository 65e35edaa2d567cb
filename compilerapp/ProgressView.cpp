#include "ProgressView.h"

#include <algorithm>

#include "core/Utf8.h"

std::string ToConsoleText(std::u16string_view text) {
    std::u16string lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        lines += text[i] == u'\r' ? u'\n' : text[i];
    }
    return ToUtf8(lines);
}

void CProgressView::Show(const std::u16string& strStatus, int32_t nMin, int32_t nPos,
                         int32_t nMax) {
    int nPercent = 0;
    if (nMax > nMin) {
        nPercent = static_cast<int>(100.0 * (static_cast<double>(nPos) - nMin) / (nMax - nMin));
        nPercent = std::max(0, std::min(100, nPercent));
    }
    if (!m_bTerminal) {
        if (strStatus != m_strShown && !strStatus.empty()) {
            std::fprintf(m_pOut, "%s\n", ToConsoleText(strStatus).c_str());
            std::fflush(m_pOut);
        }
        m_strShown = strStatus;
        return;
    }
    if (strStatus == m_strShown && nPercent == m_nShownPercent) return;
    m_strShown = strStatus;
    m_nShownPercent = nPercent;
    constexpr int kWidth = 30;
    const int nFilled = nPercent * kWidth / 100;
    std::string bar(static_cast<size_t>(nFilled), '#');
    bar.append(static_cast<size_t>(kWidth - nFilled), '.');
    std::fprintf(m_pOut, "\r\x1b[K[%s] %3d%% %s", bar.c_str(), nPercent,
                 ToConsoleText(strStatus).c_str());
    std::fflush(m_pOut);
    m_bBarShown = true;
}

void CProgressView::Clear() {
    if (m_bTerminal && m_bBarShown) {
        std::fprintf(m_pOut, "\r\x1b[K");
        std::fflush(m_pOut);
    }
    m_bBarShown = false;
}
