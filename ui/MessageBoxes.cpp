#include "MessageBoxes.h"

#include <QMessageBox>

#include "QtText.h"
#include "core/StringTable.h"

namespace {

constexpr int kErrorCaption = 40101;
constexpr int kInformationCaption = 40201;
constexpr int kWarningCaption = 40301;

QMessageBox::StandardButton ShowBox(QWidget* pParent, QMessageBox::Icon icon, int nCaption,
                                    std::u16string_view text,
                                    QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, ToQString(FormatTextId(nCaption)), ToDisplayText(text), buttons, pParent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void ShowErrorBox(QWidget* pParent, std::u16string_view text) {
    ShowBox(pParent, QMessageBox::Critical, kErrorCaption, text, QMessageBox::Ok);
}

void ShowInformationBox(QWidget* pParent, std::u16string_view text) {
    ShowBox(pParent, QMessageBox::Information, kInformationCaption, text, QMessageBox::Ok);
}

void ShowWarningBox(QWidget* pParent, std::u16string_view text) {
    ShowBox(pParent, QMessageBox::Warning, kWarningCaption, text, QMessageBox::Ok);
}

bool AskWarningYesNo(QWidget* pParent, std::u16string_view text) {
    return ShowBox(pParent, QMessageBox::Warning, kWarningCaption, text,
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool AskInformationYesNo(QWidget* pParent, std::u16string_view text) {
    return ShowBox(pParent, QMessageBox::Information, kWarningCaption, text,
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
