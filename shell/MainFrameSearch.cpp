// The main window's side of a search: starting it, polling its thread,
// showing its outcome and paging through the results.
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>

#include "core/TextIds.h"
#include "dictformat/DictIndexFile.h"
#include "library/DictLibrary.h"
#include "library/DictSession.h"
#include "render/DictTextReader.h"
#include "render/ResultPage.h"
#include "render/StatusPages.h"
#include "shell/MainFrame.h"
#include "shell/MyDictView.h"
#include "shell/QtText.h"
#include "shell/ResultListBar.h"

namespace {

constexpr int kRowFileRole = Qt::UserRole;
constexpr int kRowCommandRole = Qt::UserRole + 1;

}  // namespace

void CMainFrame::SearchFor(const QString& strText) {
    if (m_bSearching) return;
    m_pSearchCombo->setEditText(strText);
    if (CWindowRules::IsSearchEnabled(GetWindowState())) StartSearch();
}

void CMainFrame::StartSearch() {
    if (m_bSearching) return;
    m_bSearching = true;
    m_bFieldHadFocus = m_pSearchCombo->hasFocus();
    ClearResults();
    ShowStartPage();
    m_pView->ShowHtmlBody(QString::fromStdU16String(SearchingPageHtml()));

    const QString strTyped = m_pSearchCombo->currentText();
    const std::optional<QString> added = m_history.Add(strTyped);
    FillHistoryField();
    if (added) m_pSearchCombo->setCurrentIndex(0);
    SelectSearchText();
    SetDocumentTitle(added ? u'[' + *added + u']' : QString());
    // A text of blanks only is not added and reaches the engine unchanged.
    const QString strSearchText = added ? *added : strTyped;

    m_searchTimer.start();
    m_pJob->Start(strSearchText.toStdU16String(), m_view.nSort, m_view.nArea,
                  m_view.bOutSearchTime);
    UpdateCommands();
}

void CMainFrame::SelectSearchText() {
    // All selected, so typing replaces it, with the cursor at the start.
    QLineEdit* pEdit = m_pSearchCombo->lineEdit();
    pEdit->setSelection(static_cast<int>(pEdit->text().size()),
                        -static_cast<int>(pEdit->text().size()));
}

void CMainFrame::StopSearch() {
    if (!m_bSearching) return;
    m_pJob->RequestStop();
    UpdateCommands();
}

void CMainFrame::OnSearchTimer() {
    if (!m_pJob->IsDone()) return;
    m_searchTimer.stop();
    const CSearchOutcome outcome = m_pJob->TakeOutcome();
    if (outcome.bFailed && !m_pJob->IsStopRequested() && !outcome.strError.empty())
        QMessageBox::critical(this, TextOf(IDS_CAPTION_ERROR),
                              QString::fromStdU16String(outcome.strError));
    if (outcome.seconds)
        QMessageBox::information(this, TextOf(IDS_CAPTION_INFORMATION),
                                 TextOf(IDS_SEARCH_TIME, {*outcome.seconds}));
    ShowSearchOutcome(outcome);
    m_bSearching = false;
    UpdateCommands();
    // The field lost the focus while it was disabled; the next word goes there.
    if (m_bFieldHadFocus) m_pSearchCombo->setFocus();
    SelectSearchText();
    emit searchFinished();
}

void CMainFrame::ShowSearchOutcome(const CSearchOutcome& outcome) {
    m_files = outcome.files;
    if (!m_files.nFirstShown) {
        m_files.aFiles.clear();
        std::u16string page;
        if (m_pJob->IsStopRequested()) {
            page = AbortedPageHtml(BaseFontSize());
            m_pJob->ClearStopRequest();
        } else if (!outcome.strSearchText.empty()) {
            page = NotFoundPageHtml(BaseFontSize(), outcome.strSearchText,
                                    CurrentGroupName().toStdU16String());
        } else {
            page = EmptyTextPageHtml(BaseFontSize());
        }
        m_pView->ShowHtmlBody(QString::fromStdU16String(page));
        return;
    }
    m_nShownFile = *m_files.nFirstShown;
    m_nPage = 0;
    RenderShownPage();
    FillListBar();
    if (m_files.aFiles.size() >= 2) ShowListBar();
}

void CMainFrame::ShowListBar() {
    m_pListBar->show();
    if (m_bListBarSized) return;
    m_bListBarSized = true;
    // Wide enough for a dictionary's name the first time, once the bar has
    // its place; the user's width after that.
    QTimer::singleShot(0, this, [this] {
        resizeDocks({m_pListBar}, {m_pListTree->fontMetrics().averageCharWidth() * 44},
                    Qt::Horizontal);
    });
}

void CMainFrame::ClearResults() {
    m_files = {};
    m_nShownFile.reset();
    m_nPage = 0;
    m_pListTree->clear();
    m_pListBar->hide();
    SetDocumentTitle({});
}

void CMainFrame::ShowStartPage() {
    m_pView->ShowHtmlBody(QString::fromStdU16String(StartPageHtml()));
}

void CMainFrame::SetDocumentTitle(const QString& strTitle) {
    const QString strProgram = QStringLiteral("Glossmere");
    setWindowTitle(strTitle.isEmpty() ? strProgram : strTitle + QStringLiteral(" - ") + strProgram);
}

void CMainFrame::RenderShownPage() {
    if (!m_nShownFile) return;
    const CFileWithResults& file = m_files.aFiles[static_cast<size_t>(*m_nShownFile)];
    CDictIndexFile* pDict = m_search.GetParticipant(file.nPosition);
    if (!pDict) return;
    const QString strLanguage = InterfaceLanguageName();
    CResultPageRequest request{
        m_search.GetResults(file.nPosition),
        pDict->GetFileType(),
        file.nTotal,
        m_nPage,
        m_session.GetLibrary().GetDisplayName(*pDict, strLanguage.toStdU16String(),
                                              m_appSettings.strPreferDictNameLang, u"English"),
        m_session.GetHome()};
    while (request.strProgramFolder.size() > 1 && request.strProgramFolder.back() == u'/')
        request.strProgramFolder.pop_back();
    CResultPageRenderer renderer({m_view.nLayout, m_view.nFontSize});
    std::u16string page;
    if (!renderer.RenderResultPage(request, MakeTextReader(*pDict), page)) {
        QMessageBox::critical(this, TextOf(IDS_CAPTION_ERROR),
                              QString::fromStdU16String(renderer.GetError()));
        return;
    }
    m_pView->ShowHtmlBody(QString::fromStdU16String(page));
}

void CMainFrame::FillListBar() {
    std::vector<CListBarFile> files;
    for (const CFileWithResults& file : m_files.aFiles) {
        const CDictIndexFile* pDict = m_search.GetParticipant(file.nPosition);
        const QString strLanguage = InterfaceLanguageName();
        files.push_back({pDict ? CDictLibrary::GetCategory(*pDict) : DICT_CATEGORY_MAIN,
                         pDict ? m_session.GetLibrary().GetDisplayName(
                                     *pDict, strLanguage.toStdU16String(),
                                     m_appSettings.strPreferDictNameLang, u"English")
                               : std::u16string(),
                         file.nTotal});
    }
    m_pListTree->clear();
    QTreeWidgetItem* pFolder = nullptr;
    for (const CListBarRow& row : BuildListBarRows(files)) {
        const QString strText = QString::fromStdU16String(row.strText);
        QTreeWidgetItem* pItem = row.bFolder ? new QTreeWidgetItem(m_pListTree, {strText})
                                             : new QTreeWidgetItem(pFolder, {strText});
        pItem->setData(0, kRowCommandRole, row.nCommand);
        if (row.bFolder) {
            pFolder = pItem;
            pItem->setFlags(Qt::ItemIsEnabled);
            QFont font = pItem->font(0);
            font.setBold(true);
            pItem->setFont(0, font);
        } else {
            pItem->setData(0, kRowFileRole, *row.nFile);
            if (row.nFile == m_nShownFile) m_pListTree->setCurrentItem(pItem);
        }
    }
    m_pListTree->expandAll();
}

void CMainFrame::OnListBarItem(QTreeWidgetItem* pItem) {
    const QVariant file = pItem ? pItem->data(0, kRowFileRole) : QVariant();
    if (!file.isValid() || m_bSearching) return;
    ShowFile(file.toInt());
}

void CMainFrame::ShowFile(int nFile) {
    if (nFile < 0 || nFile >= static_cast<int>(m_files.aFiles.size())) return;
    if (m_nShownFile == nFile && m_nPage == 0) return;
    m_nShownFile = nFile;
    m_nPage = 0;
    RenderShownPage();
    UpdateCommands();
}
