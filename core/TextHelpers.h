// Number-syntax checks and hexadecimal code groups.
#pragma once

#include <string>

bool FitsInBytes(double value, int nBytes, bool bSigned);
bool IsDecimalNumber(std::u16string text, int nBytes, bool bSigned);
bool IsHexNumber(std::u16string text, int nBytes);
bool SymbolsToHexCodes(const std::u16string& text, std::u16string& out);
bool HexCodesToSymbols(std::u16string text, std::u16string& out);
