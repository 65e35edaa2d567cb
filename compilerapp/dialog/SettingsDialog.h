// The "Settings" dialog shown before every compile: how articles are cut
// apart and what separates an article's two parts.
#pragma once

#include <QDialog>
#include <functional>

#include "compilerapp/MillSettings.h"

class QLineEdit;
class QRadioButton;

class CSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // help runs on F1, as in every window of the program.
    CSettingsDialog(const CSeparatorInput& input, std::function<void()> help,
                    QWidget* pParent = nullptr);

    // What the user confirmed; valid after the dialog ended with OK.
    const CSeparatorInput& GetInput() const { return m_input; }

    void accept() override;

private:
    CSeparatorInput InputShown() const;
    void UpdateOtherField();

    CSeparatorInput m_input;
    QRadioButton* m_pSingleLine = nullptr;
    QRadioButton* m_pDoubleLine = nullptr;
    QRadioButton* m_pOther = nullptr;
    QLineEdit* m_pOtherEdit = nullptr;
    QLineEdit* m_pPartsEdit = nullptr;
};
