#include "MessageBoxes.h"

#include <QMessageBox>

#include "QtText.h"
#include "core/StringTable.h"
#include "core/TextIds.h"

namespace {

QMessageBox::StandardButton ShowBox(QWidget* pParent, QMessageBox::Icon icon, int nCaption,
                                    std::u16string_view text,
                                    QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, ToQString(FormatTextId(nCaption)), ToDisplayText(text), buttons, pParent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void ShowErrorBox(QWidget* pParent, std::u16string_view text) {
    ShowBox(pParent, QMessageBox::Critical, IDS_CAPTION_ERROR, text, QMessageBox::Ok);
}

void ShowInformationBox(QWidget* pParent, std::u16string_view text) {
    ShowBox(pParent, QMessageBox::Information, IDS_CAPTION_INFORMATION, text, QMessageBox::Ok);
}

void ShowWarningBox(QWidget* pParent, std::u16string_view text) {
    ShowBox(pParent, QMessageBox::Warning, IDS_CAPTION_WARNING, text, QMessageBox::Ok);
}

bool AskWarningYesNo(QWidget* pParent, std::u16string_view text) {
    return ShowBox(pParent, QMessageBox::Warning, IDS_CAPTION_WARNING, text,
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool AskInformationYesNo(QWidget* pParent, std::u16string_view text) {
    return ShowBox(pParent, QMessageBox::Information, IDS_CAPTION_WARNING, text,
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
