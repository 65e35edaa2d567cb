// The buttons that close a dialog: their words, translated once for every
// window of both programs, and the OK and Cancel pair wired to accept and
// reject.
#pragma once

#include <QDialogButtonBox>
#include <QString>

class QDialog;

QString OkText();
QString CancelText();

// A child of the dialog, to be placed in its layout.
QDialogButtonBox* NewOkCancelButtons(QDialog& dialog);
