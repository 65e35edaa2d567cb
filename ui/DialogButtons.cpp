#include "DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>

QDialogButtonBox* NewOkCancelButtons(QDialog& dialog) {
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    // accept and reject are virtual: a dialog's own checks still run.
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return pButtons;
}
