// The window that asks for the interface language at the first start.
#pragma once

#include <QDialog>

#include "shell/ShellSettings.h"

class QComboBox;

class CLanguageDialog : public QDialog {
    Q_OBJECT
public:
    // Lists "English" and the added languages, the current one selected.
    explicit CLanguageDialog(const CAppSettings& settings, QWidget* pParent = nullptr);
    // The identifier of the language selected in the list.
    int GetLanguage() const;

private:
    QComboBox* m_pList = nullptr;
};
