#include "shell/PagePalette.h"

#include <QRegularExpression>

namespace {

// The colour a dark page shows instead of a pure one: bright enough to be
// read on the base, with the hue kept.
QColor Lightened(QColor colour, const QColor& base) {
    const int nLightness = std::max(170, base.lightness() + 140);
    colour = colour.toHsl();
    return QColor::fromHsl(colour.hslHue(), colour.hslSaturation(), std::min(nLightness, 200));
}

QColor Mixed(const QColor& a, const QColor& b, double fB) {
    return QColor::fromRgbF(a.redF() * (1 - fB) + b.redF() * fB,
                            a.greenF() * (1 - fB) + b.greenF() * fB,
                            a.blueF() * (1 - fB) + b.blueF() * fB);
}

}  // namespace

bool IsDarkPalette(const QColor& base, const QColor& text) {
    return base.lightness() < text.lightness();
}

CPageColours DarkPageColours(const QColor& base, const QColor& text) {
    return {text, Lightened(QColor(Qt::blue), base), Lightened(QColor(Qt::red), base),
            Mixed(base, text, 0.25)};
}

QString AdaptPageColours(const QString& strPage, const CPageColours& colours) {
    // COLOR="black" and the like, as attributes or as style values.
    static const QRegularExpression kColour(
        QStringLiteral(R"((?<![-\w])color\s*[=:]\s*"?(black|blue|red|#eaeaea)\b)"),
        QRegularExpression::CaseInsensitiveOption);
    QString strOut;
    strOut.reserve(strPage.size() + 64);
    qsizetype nDone = 0;
    for (auto it = kColour.globalMatch(strPage); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString strName = match.captured(1).toLower();
        const QColor& colour = strName == u"black"  ? colours.text
                               : strName == u"blue" ? colours.highlight
                               : strName == u"red"  ? colours.alert
                                                    : colours.faint;
        strOut += QStringView(strPage).mid(nDone, match.capturedStart(1) - nDone);
        strOut += colour.name();
        nDone = match.capturedEnd(1);
    }
    strOut += QStringView(strPage).mid(nDone);
    return strOut;
}
