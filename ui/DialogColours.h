// The colours of the programs' dialogs: a pale blue background where the
// desktop's palette is light, the palette's own where it is dark; status texts
// in red for errors and blue otherwise, lightened on a dark background.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

bool IsLightPalette(const QPalette& palette);
// The background colour of a dialog on this palette.
QColor DialogBackground(const QPalette& palette);
// Paints the widget's background with DialogBackground.
void ApplyDialogBackground(QWidget& widget);
QColor StatusTextColour(bool bError, const QPalette& palette);
