#include "DialogButtons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QString OkText() {
    return QCoreApplication::translate("Dialogs", "OK");
}

QString CancelText() {
    return QCoreApplication::translate("Dialogs", "Cancel");
}

QDialogButtonBox* NewOkCancelButtons(QDialog& dialog) {
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    pButtons->button(QDialogButtonBox::Ok)->setText(OkText());
    pButtons->button(QDialogButtonBox::Cancel)->setText(CancelText());
    // accept and reject are virtual: a dialog's own checks still run.
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return pButtons;
}
