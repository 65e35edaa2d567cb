// What a click on a link of a result page does. "find" links search from
// inside a page; web and mail addresses open outside; anything else (local
// files, programs, unknown schemes) is refused, so a dictionary from a
// stranger cannot open files or start programs on the user's machine.
#pragma once

#include <QString>

struct CLinkAction {
    enum Kind { Refuse, Search, Open };
    Kind kind = Refuse;
    QString strText;  // Search: the text to search; Open: the address as given
};

// strHref is the link's address exactly as the page wrote it; strLinkText
// the text the link shows.
CLinkAction ClassifyLink(const QString& strHref, const QString& strLinkText);
