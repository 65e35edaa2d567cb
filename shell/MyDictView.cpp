#include "shell/MyDictView.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QWheelEvent>

#include "shell/LinkFilter.h"
#include "shell/PagePalette.h"

namespace {

// The whole text of the link that holds position nPos: the neighbouring
// fragments of its block with the same address.
QString LinkTextAt(const QTextDocument& document, int nPos, const QString& strHref) {
    const QTextBlock block = document.findBlock(nPos);
    QString strText;
    bool bInLink = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const bool bSame =
            fragment.charFormat().isAnchor() && fragment.charFormat().anchorHref() == strHref;
        const bool bHolds =
            fragment.position() <= nPos && nPos <= fragment.position() + fragment.length();
        if (bSame) {
            strText += fragment.text();
            bInLink = bInLink || bHolds;
        } else if (bInLink) {
            break;
        } else {
            strText.clear();
        }
    }
    return bInLink ? strText : QString();
}

}  // namespace

CMyDictView::CMyDictView(QWidget* pParent)
    : QTextBrowser(pParent),
      m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &CMyDictView::OnAnchorClicked);
}

void CMyDictView::SetBaseFolder(const QString& strFolder) {
    const QString strWithSlash = strFolder.endsWith(u'/') ? strFolder : strFolder + u'/';
    document()->setBaseUrl(QUrl::fromLocalFile(strWithSlash));
    setSearchPaths({strFolder});
}

void CMyDictView::SetBaseFontSize(int nPixels) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(nPixels);
    document()->setDefaultFont(font);
}

void CMyDictView::ShowHtmlBody(const QString& strHtml) {
    m_strPage = strHtml;
    Redisplay();
}

void CMyDictView::Redisplay() {
    const QPalette& pal = palette();
    const QColor base = pal.color(QPalette::Base);
    const QColor text = pal.color(QPalette::Text);
    const QUrl baseUrl = document()->baseUrl();
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
    setHtml(IsDarkPalette(base, text) ? AdaptPageColours(m_strPage, DarkPageColours(base, text))
                                      : m_strPage);
    document()->setBaseUrl(baseUrl);
}

QString CMyDictView::GetSelectedText() const {
    QString strText = textCursor().selection().toPlainText();
    strText.remove(QChar(QChar::ObjectReplacementCharacter));
    return strText;
}

void CMyDictView::mouseReleaseEvent(QMouseEvent* pEvent) {
    m_lastClick = pEvent->position().toPoint();
    m_bClickPending = true;
    QTextBrowser::mouseReleaseEvent(pEvent);
    m_bClickPending = false;
}

void CMyDictView::wheelEvent(QWheelEvent* pEvent) {
    if (!(pEvent->modifiers() & Qt::ControlModifier)) {
        QTextBrowser::wheelEvent(pEvent);
        return;
    }
    // A wheel click is 120; touchpads send smaller steps that add up.
    m_nWheelAngle += pEvent->angleDelta().y();
    while (m_nWheelAngle >= 120) {
        m_nWheelAngle -= 120;
        emit fontStepRequested(+1);
    }
    while (m_nWheelAngle <= -120) {
        m_nWheelAngle += 120;
        emit fontStepRequested(-1);
    }
    pEvent->accept();
}

void CMyDictView::changeEvent(QEvent* pEvent) {
    QTextBrowser::changeEvent(pEvent);
    if (pEvent->type() == QEvent::PaletteChange && !m_strPage.isEmpty()) Redisplay();
}

std::pair<QString, QString> CMyDictView::ClickedLink() const {
    if (m_bClickPending) {
        const QString strHref = anchorAt(m_lastClick);
        const int nPos = cursorForPosition(m_lastClick).position();
        return {strHref, LinkTextAt(*document(), nPos, strHref)};
    }
    // Keyboard: the activated link is the cursor's selection.
    const QTextCursor cursor = textCursor();
    return {cursor.charFormat().anchorHref(), cursor.selectedText()};
}

void CMyDictView::OnAnchorClicked(const QUrl& url) {
    auto [strHref, strText] = ClickedLink();
    if (strHref.isEmpty()) strHref = url.toString();
    const CLinkAction action = ClassifyLink(strHref, strText);
    switch (action.kind) {
        case CLinkAction::Search:
            emit searchRequested(action.strText);
            break;
        case CLinkAction::Open:
            m_openUrl(QUrl(action.strText));
            break;
        case CLinkAction::Refuse:
            break;
    }
}
