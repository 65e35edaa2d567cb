#include "DictionaryManagerIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace {

constexpr int kSize = 32;

// A triangle pointing right, centred at (x, y), in a 32-unit square.
void Triangle(QPainter& painter, qreal x, qreal y) {
    QPainterPath path;
    path.moveTo(x - 5, y - 9);
    path.lineTo(x + 6, y);
    path.lineTo(x - 5, y + 9);
    path.closeSubpath();
    painter.drawPath(path);
}

QPixmap Draw(ManagerIcon kind, const QColor& colour) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.translate(kSize / 2.0, kSize / 2.0);
    // Every image is the right-pointing one turned: left for the disable
    // buttons, up and down for the order buttons.
    switch (kind) {
        case ManagerIcon::Disable:
        case ManagerIcon::DisableAll:
            painter.rotate(180);
            break;
        case ManagerIcon::Top:
        case ManagerIcon::Up:
            painter.rotate(-90);
            break;
        case ManagerIcon::Down:
        case ManagerIcon::Bottom:
            painter.rotate(90);
            break;
        default:
            break;
    }
    switch (kind) {
        case ManagerIcon::EnableAll:
        case ManagerIcon::DisableAll:
            Triangle(painter, -5, 0);
            Triangle(painter, 6, 0);
            break;
        case ManagerIcon::Top:
        case ManagerIcon::Bottom:
            Triangle(painter, -2, 0);
            painter.drawRect(QRectF(6, -10, 3.5, 20));
            break;
        default:
            Triangle(painter, 0, 0);
            break;
    }
    return pixmap;
}

}  // namespace

QIcon MakeManagerIcon(ManagerIcon kind, const QPalette& palette) {
    QIcon icon;
    icon.addPixmap(Draw(kind, palette.color(QPalette::Active, QPalette::ButtonText)));
    icon.addPixmap(Draw(kind, palette.color(QPalette::Disabled, QPalette::ButtonText)),
                   QIcon::Disabled);
    return icon;
}
