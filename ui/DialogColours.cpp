#include "DialogColours.h"

#include <QWidget>

bool IsLightPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() >= 128;
}

QColor DialogBackground(const QPalette& palette) {
    return IsLightPalette(palette) ? QColor(235, 243, 255) : palette.color(QPalette::Window);
}

void ApplyDialogBackground(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, DialogBackground(palette));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QColor StatusTextColour(bool bError, const QPalette& palette) {
    if (IsLightPalette(palette)) return bError ? QColor(255, 0, 0) : QColor(0, 0, 255);
    return bError ? QColor(255, 110, 110) : QColor(130, 170, 255);
}
