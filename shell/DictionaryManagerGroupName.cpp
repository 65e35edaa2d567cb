#include "DictionaryManagerGroupName.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include "ManagerRules.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "ui/DialogButtons.h"

CGroupNameDlg::CGroupNameDlg(const QString& initial,
                             std::function<void(QWidget*, const QString&)> warn, QWidget* parent)
    : QDialog(parent), m_pName(new QLineEdit(initial, this)), m_warn(std::move(warn)) {
    setWindowTitle(tr("Group name"));
    // Names are stored with a 16-bit length.
    m_pName->setMaxLength(255);
    m_pName->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    m_pName->selectAll();
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pName);
    pLayout->addWidget(NewOkCancelButtons(*this));
    setSizeGripEnabled(false);
}

QString CGroupNameDlg::Name() const {
    return QString::fromStdU16String(TrimGroupName(m_pName->text().toStdU16String()));
}

void CGroupNameDlg::accept() {
    if (Name().isEmpty()) {
        if (m_warn) m_warn(this, QString::fromStdU16String(FormatTextId(IDS_ENTER_GROUP_NAME)));
        m_pName->setFocus();
        return;
    }
    QDialog::accept();
}
