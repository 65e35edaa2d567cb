// The result view: shows the pages the renderer writes, follows the system
// palette, and turns link clicks into searches or outside addresses.
#pragma once

#include <functional>

#include <QPoint>
#include <QTextBrowser>
#include <QUrl>

class CMyDictView : public QTextBrowser {
    Q_OBJECT
public:
    explicit CMyDictView(QWidget* pParent = nullptr);

    // Replaces the whole page; the selection is emptied first.
    void ShowHtmlBody(const QString& strHtml);
    const QString& GetShownHtml() const { return m_strPage; }
    // The folder relative addresses of a page resolve against.
    void SetBaseFolder(const QString& strFolder);
    // The page's default font: Arial at the base size in pixels.
    void SetBaseFontSize(int nPixels);
    // The selected text as plain text, without object replacement characters.
    QString GetSelectedText() const;
    // How outside addresses are opened; QDesktopServices unless replaced.
    void SetUrlOpener(std::function<bool(const QUrl&)> opener) { m_openUrl = std::move(opener); }

signals:
    // A "find" link was clicked: search this text.
    void searchRequested(const QString& strText);
    // Ctrl+wheel: the font size one choice larger (+1) or smaller (-1).
    void fontStepRequested(int nSteps);

protected:
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    void OnAnchorClicked(const QUrl& url);
    // The raw address and the text of the link at the last click, or of the
    // link the keyboard activated.
    std::pair<QString, QString> ClickedLink() const;
    void Redisplay();

    QString m_strPage;
    QPoint m_lastClick;
    bool m_bClickPending = false;
    int m_nWheelAngle = 0;
    std::function<bool(const QUrl&)> m_openUrl;
};
