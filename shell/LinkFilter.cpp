#include "shell/LinkFilter.h"

#include <QUrl>

namespace {

const QString kFindScheme = QStringLiteral("find://");

bool IsOpenedOutside(const QString& strHref) {
    const QString strScheme = QUrl(strHref.trimmed()).scheme().toLower();
    return strScheme == u"http" || strScheme == u"https" || strScheme == u"mailto";
}

}  // namespace

CLinkAction ClassifyLink(const QString& strHref, const QString& strLinkText) {
    QString strLower = strHref.toLower();
    while (strLower.endsWith(u'\\'))
        strLower.chop(1);
    while (strLower.endsWith(u'/'))
        strLower.chop(1);
    if (strLower.endsWith(u"find")) return {CLinkAction::Search, strLinkText.trimmed()};
    const qsizetype nFind = strLower.indexOf(kFindScheme);
    if (nFind >= 0 && nFind + kFindScheme.size() < strLower.size())
        return {CLinkAction::Search, strLower.mid(nFind + kFindScheme.size())};
    if (IsOpenedOutside(strHref)) return {CLinkAction::Open, strHref.trimmed()};
    return {CLinkAction::Refuse, {}};
}
