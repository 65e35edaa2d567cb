// What glossmill shows on stderr while a compile runs: a bar with the phase
// name on a terminal, the phase names one per line otherwise.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

class CProgressView {
public:
    CProgressView(std::FILE* pOut, bool bTerminal) : m_pOut(pOut), m_bTerminal(bTerminal) {}
    void Show(const std::u16string& strStatus, int32_t nMin, int32_t nPos, int32_t nMax);
    // Removes the bar, so that what follows starts on a clean line.
    void Clear();

private:
    std::FILE* m_pOut;
    bool m_bTerminal;
    std::u16string m_strShown;
    int m_nShownPercent = -1;
    bool m_bBarShown = false;
};

// A text with CR LF line ends as lines ending with LF, in UTF-8.
std::string ToConsoleText(std::u16string_view text);
