// Message boxes with the captions and icons both programs use: "Error!" with
// the error icon, "Information", and "Warning!" with the exclamation icon.
#pragma once

#include <string_view>

class QWidget;

void ShowErrorBox(QWidget* pParent, std::u16string_view text);
void ShowInformationBox(QWidget* pParent, std::u16string_view text);
void ShowWarningBox(QWidget* pParent, std::u16string_view text);
// A warning with Yes and No; true for Yes.
bool AskWarningYesNo(QWidget* pParent, std::u16string_view text);
// A question with Yes and No and the information icon, captioned "Warning!".
bool AskInformationYesNo(QWidget* pParent, std::u16string_view text);
