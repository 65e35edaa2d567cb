// Result pages are written for a light page: black text, blue highlights,
// red alerts, a very light grey on the start page. On a dark palette these
// colours are swapped for readable ones before the page is shown; the page
// text itself (what the headless HTML output prints) is not changed.
#pragma once

#include <QColor>
#include <QString>

struct CPageColours {
    QColor text;       // replaces black
    QColor highlight;  // replaces blue
    QColor alert;      // replaces red
    QColor faint;      // replaces the start page's #EAEAEA
};

// A palette is dark when its page background is darker than its text.
bool IsDarkPalette(const QColor& base, const QColor& text);
// The colours for a dark palette with this base and text colour.
CPageColours DarkPageColours(const QColor& base, const QColor& text);
// The page with its colour attributes and styles replaced.
QString AdaptPageColours(const QString& strPage, const CPageColours& colours);
