#include "shell/LanguageDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ServiceRules.h"
#include "ui/DialogButtons.h"

CLanguageDialog::CLanguageDialog(const CAppSettings& settings, QWidget* pParent)
    : QDialog(pParent) {
    setObjectName(QStringLiteral("LanguageDialog"));
    setWindowTitle(tr("Interface language"));
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(new QLabel(tr("Select program interface language:"), this));
    m_pList = new QComboBox(this);
    m_pList->setObjectName(QStringLiteral("LanguageList"));
    for (const CLanguageItem& item : InterfaceLanguageItems(settings)) {
        m_pList->addItem(QString::fromStdU16String(item.strName), item.nId);
        if (item.nId == settings.nCurrentLanguage) m_pList->setCurrentIndex(m_pList->count() - 1);
    }
    pLayout->addWidget(m_pList);
    auto* pButtons = new QDialogButtonBox(this);
    pButtons->addButton(OkText(), QDialogButtonBox::AcceptRole);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    pLayout->addWidget(pButtons);
    setMinimumWidth(320);
}

int CLanguageDialog::GetLanguage() const {
    return m_pList->currentData().toInt();
}
