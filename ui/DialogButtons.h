// The OK and Cancel buttons of a dialog, wired to accept and reject it.
#pragma once

#include <QDialogButtonBox>

class QDialog;

// A child of the dialog, to be placed in its layout.
QDialogButtonBox* NewOkCancelButtons(QDialog& dialog);
