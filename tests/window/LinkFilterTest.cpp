#include "shell/LinkFilter.h"

#include <gtest/gtest.h>

namespace {

struct LinkCase {
    const char16_t* pszHref;
    const char16_t* pszLinkText;
    CLinkAction::Kind kind;
    const char16_t* pszResult;
};

TEST(LinkFilterTest, FindLinksSearchWebLinksOpenEverythingElseIsRefused) {
    const LinkCase cases[] = {
        {u"find", u"  cat  ", CLinkAction::Search, u"cat"},
        {u"FIND/", u"dog", CLinkAction::Search, u"dog"},
        {u"find\\\\", u"dog", CLinkAction::Search, u"dog"},
        {u"find://CAT", u"ignored", CLinkAction::Search, u"cat"},
        {u"find://Кот/", u"", CLinkAction::Search, u"кот"},
        {u"find://big city", u"", CLinkAction::Search, u"big city"},
        {u"find://", u"x", CLinkAction::Refuse, u""},
        {u"http://example.org/Page", u"x", CLinkAction::Open, u"http://example.org/Page"},
        {u"HTTPS://example.org", u"x", CLinkAction::Open, u"HTTPS://example.org"},
        {u"mailto:someone@example.org", u"x", CLinkAction::Open, u"mailto:someone@example.org"},
        {u"file:///etc/passwd", u"x", CLinkAction::Refuse, u""},
        {u"/usr/bin/xterm", u"x", CLinkAction::Refuse, u""},
        {u"javascript:alert(1)", u"x", CLinkAction::Refuse, u""},
        {u"smb://server/share", u"x", CLinkAction::Refuse, u""},
        {u"picture.png", u"x", CLinkAction::Refuse, u""},
        {u"", u"x", CLinkAction::Refuse, u""},
    };
    for (const LinkCase& c : cases) {
        const QString strHref = QString::fromUtf16(c.pszHref);
        const CLinkAction action = ClassifyLink(strHref, QString::fromUtf16(c.pszLinkText));
        EXPECT_EQ(action.kind, c.kind) << strHref.toStdString();
        EXPECT_EQ(action.strText, QString::fromUtf16(c.pszResult)) << strHref.toStdString();
    }
}

}  // namespace
