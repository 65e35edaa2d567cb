// Tests of the compiler's side read its numbered texts; every test leaves
// the shell's set selected, as the other tests expect.
#pragma once

#include <gtest/gtest.h>

#include "core/StringTable.h"

// Selects a text set for its lifetime.
class CTextSetGuard {
public:
    explicit CTextSetGuard(TextSet set) { SelectTextSet(set); }
    CTextSetGuard(const CTextSetGuard&) = delete;
    CTextSetGuard& operator=(const CTextSetGuard&) = delete;
    ~CTextSetGuard() { SelectTextSet(TextSet::Shell); }
};

// A fixture whose tests see the compiler's texts.
class CCompilerTextsTest : public ::testing::Test {
    CTextSetGuard m_texts{TextSet::Compiler};
};
