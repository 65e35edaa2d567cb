#include "shell/MainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include "core/StringTable.h"
#include "core/TextIds.h"
#include "dictformat/DictIndexFile.h"
#include "library/DictSession.h"
#include "render/StatusPages.h"
#include "shell/MyDictView.h"
#include "shell/QtText.h"

namespace {

constexpr int kGroupSelectorWidth = 384;
constexpr int kAreaSelectorWidth = 100;
constexpr int kFontSelectorWidth = 50;
constexpr int kSearchFieldWidth = 384;
constexpr int kDropDownHeight = 300;

// The part of a command's text before "\n" is its status-line prompt, the
// part after it its tooltip.
void SetPrompts(QWidget* pWidget, int nId) {
    const QStringList parts = TextOf(nId).split(u'\n');
    pWidget->setStatusTip(parts.value(0));
    pWidget->setToolTip(parts.value(1, parts.value(0)));
}

QComboBox* MakeSelector(const char* pszName, int nWidth, int nPromptId, bool bEditable = false) {
    auto* pCombo = new QComboBox;
    pCombo->setObjectName(QString::fromLatin1(pszName));
    pCombo->setFixedWidth(nWidth);
    pCombo->setEditable(bEditable);
    pCombo->setMaxVisibleItems(kDropDownHeight / std::max(1, pCombo->fontMetrics().height() + 4));
    if (bEditable) {
        pCombo->setInsertPolicy(QComboBox::NoInsert);
        // Completing from the history would turn "the" into "the light" as
        // the user presses Enter.
        pCombo->setCompleter(nullptr);
    }
    SetPrompts(pCombo, nPromptId);
    return pCombo;
}

}  // namespace

CMainFrame::CMainFrame(CDictSession& session, CDictSearch& search, const CAppSettings& appSettings,
                       CViewState viewState, CHistoryStore& historyStore, QWidget* pParent)
    : QMainWindow(pParent),
      m_session(session),
      m_appSettings(appSettings),
      m_view(viewState),
      m_historyStore(historyStore),
      m_search(search),
      m_pJob(std::make_unique<CSearchJob>(search)) {
    setWindowTitle(QStringLiteral("Glossmere"));
    m_pView = new CMyDictView(this);
    m_pView->SetBaseFolder(QString::fromStdU16String(m_session.GetDictionariesFolder()));
    setCentralWidget(m_pView);
    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreateListBar();
    statusBar();
    m_history.Load(m_historyStore);
    FillHistoryField();

    m_searchTimer.setInterval(10);
    connect(&m_searchTimer, &QTimer::timeout, this, &CMainFrame::OnSearchTimer);
    connect(m_pView, &CMyDictView::searchRequested, this, &CMainFrame::SearchFor);
    connect(m_pView, &CMyDictView::fontStepRequested, this, &CMainFrame::StepFontSize);
    qApp->installEventFilter(this);
    UpdateCommands();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    // The bars hide while the window's members are already gone.
    for (QObject* pBar : std::initializer_list<QObject*>{m_pListBar, m_pToolsBar, m_pSearchBar})
        disconnect(pBar, nullptr, this, nullptr);
}

QAction* CMainFrame::AddCommand(ShellCommand nCommand, const QString& strText,
                                const QKeySequence& shortcut) {
    auto* pAction = new QAction(strText, this);
    if (!shortcut.isEmpty()) pAction->setShortcut(shortcut);
    if (const std::optional<std::u16string> prompt = LoadText(nCommand)) {
        const QStringList parts = QString::fromStdU16String(*prompt).split(u'\n');
        pAction->setStatusTip(parts.value(0));
        pAction->setToolTip(parts.value(1, parts.value(0)));
    }
    m_actions[nCommand] = pAction;
    addAction(pAction);
    return pAction;
}

void CMainFrame::AddChoiceCommands(std::span<const CChoiceCommand> choices,
                                   std::span<const QString> names, Qt::Modifier modifier,
                                   void (CMainFrame::*set)(int)) {
    for (const CChoiceCommand& choice : choices) {
        QAction* pAction =
            AddCommand(choice.nCommand, names[choice.nValue],
                       QKeySequence(modifier | static_cast<Qt::Key>(Qt::Key_1 + choice.nValue)));
        pAction->setCheckable(true);
        connect(pAction, &QAction::triggered, this,
                [this, set, choice] { (this->*set)(choice.nValue); });
    }
}

void CMainFrame::CreateActions() {
    connect(AddCommand(ID_ORGANIZE_DICTIONARIES, tr("&Organize dictionaries"),
                       QKeySequence(Qt::CTRL | Qt::Key_D)),
            &QAction::triggered, this, [this] { OpenDictionaryManager(false); });
    connect(AddCommand(ID_DOWNLOAD_DICTIONARIES, tr("&Download dictionaries")), &QAction::triggered,
            this, &CMainFrame::DownloadDictionaries);
    connect(AddCommand(ID_ADD_DICTIONARIES, tr("&Add dictionaries")), &QAction::triggered, this,
            [this] { OpenDictionaryManager(true); });

    const QString layoutNames[] = {tr("&Standard view"), tr("Standard view &with separation"),
                                   tr("&Table view")};
    AddChoiceCommands(kLayoutCommands, layoutNames, Qt::ALT, &CMainFrame::SetLayout);
    const QString sortNames[] = {tr("&Without sorting"), tr("By &alphabet"), tr("By &relevance")};
    AddChoiceCommands(kSortCommands, sortNames, Qt::CTRL, &CMainFrame::SetSort);

    AddCommand(ID_VIEW_TOOLS_TOOLBAR, tr("&Tools toolbar"))->setCheckable(true);
    AddCommand(ID_VIEW_SEARCH_TOOLBAR, tr("&Search toolbar"))->setCheckable(true);
    AddCommand(ID_VIEW_LIST_BAR, tr("&List of dictionaries"))->setCheckable(true);
    connect(AddCommand(ID_DELETE_HISTORY, tr("&Delete history")), &QAction::triggered, this,
            &CMainFrame::DeleteHistory);

    QStyle* pStyle = style();
    QAction* pSearch = AddCommand(ID_SEARCH, tr("Search"));
    pSearch->setIcon(QIcon::fromTheme(QStringLiteral("edit-find"),
                                      pStyle->standardIcon(QStyle::SP_FileDialogContentsView)));
    connect(pSearch, &QAction::triggered, this, &CMainFrame::StartSearch);
    QAction* pStop = AddCommand(ID_STOP, tr("Stop"));
    pStop->setIcon(QIcon::fromTheme(QStringLiteral("process-stop"),
                                    pStyle->standardIcon(QStyle::SP_BrowserStop)));
    connect(pStop, &QAction::triggered, this, &CMainFrame::StopSearch);
    QAction* pPrev =
        AddCommand(ID_PREV_PAGE, tr("Previous page"), QKeySequence(Qt::CTRL | Qt::Key_Left));
    pPrev->setIcon(QIcon::fromTheme(QStringLiteral("go-previous"),
                                    pStyle->standardIcon(QStyle::SP_ArrowBack)));
    connect(pPrev, &QAction::triggered, this, [this] { ShowPage(m_nPage - 1); });
    QAction* pNext =
        AddCommand(ID_NEXT_PAGE, tr("Next page"), QKeySequence(Qt::CTRL | Qt::Key_Right));
    pNext->setIcon(
        QIcon::fromTheme(QStringLiteral("go-next"), pStyle->standardIcon(QStyle::SP_ArrowForward)));
    connect(pNext, &QAction::triggered, this, [this] { ShowPage(m_nPage + 1); });
    m_actions[ID_ORGANIZE_DICTIONARIES]->setIcon(QIcon::fromTheme(
        QStringLiteral("accessories-dictionary"), pStyle->standardIcon(QStyle::SP_DirIcon)));
    CreateServiceActions();
}

void CMainFrame::CreateMenus() {
    QMenu* pTools = menuBar()->addMenu(tr("&Tools"));
    pTools->addAction(m_actions[ID_ORGANIZE_DICTIONARIES]);
    pTools->addAction(m_actions[ID_DOWNLOAD_DICTIONARIES]);
    pTools->addAction(m_actions[ID_ADD_DICTIONARIES]);
    pTools->addSeparator();
    pTools->addAction(m_actions[ID_DICTIONARY_INFO]);
    pTools->addAction(m_actions[ID_RUN_COMPILER]);

    QMenu* pFormat = menuBar()->addMenu(tr("F&ormat"));
    QMenu* pLayout = pFormat->addMenu(tr("Search &results"));
    for (const CChoiceCommand& choice : kLayoutCommands)
        pLayout->addAction(m_actions[choice.nCommand]);
    QMenu* pSort = pFormat->addMenu(tr("&Sort"));
    for (const CChoiceCommand& choice : kSortCommands)
        pSort->addAction(m_actions[choice.nCommand]);
    pFormat->addSeparator();
    QAction* pLarger = pFormat->addAction(tr("&Larger text"));
    pLarger->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(pLarger, &QAction::triggered, this, [this] { StepFontSize(+1); });
    QAction* pSmaller = pFormat->addAction(tr("S&maller text"));
    pSmaller->setShortcut(QKeySequence::ZoomOut);
    connect(pSmaller, &QAction::triggered, this, [this] { StepFontSize(-1); });

    QMenu* pView = menuBar()->addMenu(tr("&View"));
    pView->addAction(m_actions[ID_VIEW_TOOLS_TOOLBAR]);
    pView->addAction(m_actions[ID_VIEW_SEARCH_TOOLBAR]);
    pView->addAction(m_actions[ID_VIEW_LIST_BAR]);
    pView->addSeparator();
    CreateLanguageMenu(pView);
    pView->addSeparator();
    pView->addAction(m_actions[ID_DELETE_HISTORY]);
    CreateHelpMenu();
}

void CMainFrame::CreateToolBars() {
    m_pToolsBar = addToolBar(tr("Tools"));
    m_pToolsBar->setObjectName(QStringLiteral("ToolsToolBar"));
    m_pGroupCombo = MakeSelector("GroupSelector", kGroupSelectorWidth, ID_GROUP_SELECTOR);
    m_pToolsBar->addWidget(m_pGroupCombo);
    connect(m_pGroupCombo, &QComboBox::activated, this, &CMainFrame::OnGroupChosen);
    if (m_appSettings.bSearchAreaCombo) {
        m_pAreaCombo = MakeSelector("AreaSelector", kAreaSelectorWidth, ID_AREA_SELECTOR);
        m_pToolsBar->addWidget(m_pAreaCombo);
        connect(m_pAreaCombo, &QComboBox::activated, this, [this](int n) { m_view.nArea = n; });
    }
    m_pToolsBar->addSeparator();
    m_pFontCombo = MakeSelector("FontSizeSelector", kFontSelectorWidth, ID_FONT_SIZE_SELECTOR);
    m_pToolsBar->addWidget(m_pFontCombo);
    connect(m_pFontCombo, &QComboBox::activated, this, &CMainFrame::OnFontSizeChosen);
    m_pToolsBar->addSeparator();
    m_pToolsBar->addAction(m_actions[ID_ORGANIZE_DICTIONARIES]);

    addToolBarBreak();
    m_pSearchBar = addToolBar(tr("Search"));
    m_pSearchBar->setObjectName(QStringLiteral("SearchToolBar"));
    m_pSearchBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_pSearchCombo = MakeSelector("SearchText", kSearchFieldWidth, ID_SEARCH_TEXT, true);
    m_pSearchBar->addWidget(m_pSearchCombo);
    connect(m_pSearchCombo, &QComboBox::activated, this, [this](int nIndex) {
        m_pSearchCombo->setEditText(m_pSearchCombo->itemText(nIndex));
        if (CWindowRules::IsSearchEnabled(GetWindowState())) StartSearch();
    });
    m_pSearchBar->addSeparator();
    m_pSearchBar->addAction(m_actions[ID_SEARCH]);
    m_pSearchBar->addAction(m_actions[ID_STOP]);
    m_pSearchBar->addSeparator();
    m_pSearchBar->addAction(m_actions[ID_PREV_PAGE]);
    m_pSearchBar->addSeparator();
    m_pSearchBar->addAction(m_actions[ID_NEXT_PAGE]);

    connect(m_actions[ID_VIEW_TOOLS_TOOLBAR], &QAction::triggered, m_pToolsBar,
            &QToolBar::setVisible);
    connect(m_actions[ID_VIEW_SEARCH_TOOLBAR], &QAction::triggered, m_pSearchBar,
            &QToolBar::setVisible);
    connect(m_pToolsBar, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommands);
    connect(m_pSearchBar, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommands);
}

void CMainFrame::CreateListBar() {
    m_pListBar = new QDockWidget(TextOf(IDS_DICTIONARY_LIST_TITLE), this);
    m_pListBar->setObjectName(QStringLiteral("ListOfDictionaries"));
    m_pListTree = new QTreeWidget(m_pListBar);
    m_pListTree->setHeaderHidden(true);
    m_pListTree->setRootIsDecorated(false);
    m_pListBar->setWidget(m_pListTree);
    addDockWidget(Qt::LeftDockWidgetArea, m_pListBar);
    m_pListBar->hide();
    connect(m_pListTree, &QTreeWidget::itemActivated, this, &CMainFrame::OnListBarItem);
    connect(m_pListTree, &QTreeWidget::itemClicked, this, &CMainFrame::OnListBarItem);
    connect(m_actions[ID_VIEW_LIST_BAR], &QAction::triggered, m_pListBar, &QDockWidget::setVisible);
    connect(m_pListBar, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommands);
}

void CMainFrame::SetUpView() {
    m_bInitialising = true;
    m_pView->SetBaseFontSize(BaseFontSize());
    ShowStartPage();
    if (m_pAreaCombo) {
        for (int n = 0; n < 3; ++n)
            m_pAreaCombo->addItem(TextOf(IDS_AREA_EVERYWHERE + n));
        m_pAreaCombo->setCurrentIndex(m_view.nArea);
    }
    FillGroupSelector();
    ApplyCurrentGroup();
    m_view.nFontSize = FontSizeForSelector(m_view.nFontSize);
    for (int nSize : FontSizeChoices())
        m_pFontCombo->addItem(QString::number(nSize), nSize);
    m_pFontCombo->setCurrentIndex(m_pFontCombo->findData(m_view.nFontSize));
    m_pView->SetBaseFontSize(BaseFontSize());
    m_bInitialising = false;
    UpdateCommands();
    m_pSearchCombo->setFocus();
}

void CMainFrame::FillGroupSelector() {
    m_pGroupCombo->clear();
    const CDictGroupList* pGroups = m_session.GetGroupList();
    const int nCount = pGroups ? pGroups->GetGroupCount() : 0;
    for (int n = 0; n < nCount; ++n)
        m_pGroupCombo->addItem(QString::fromStdU16String(pGroups->GetGroup(n)->GetName()));
    if (nCount > 0) m_pGroupCombo->setCurrentIndex(pGroups->GetCurrentGroup());
    m_pGroupCombo->setEnabled(nCount > 0);
}

void CMainFrame::OnGroupChosen(int nIndex) {
    if (nIndex < 0 || !m_session.GetGroupList() ||
        nIndex >= m_session.GetGroupList()->GetGroupCount())
        return;
    // A morphology module that fails to load is reported; the group is
    // searched without that language.
    if (!m_session.SelectGroup(nIndex))
        QMessageBox::critical(this, TextOf(IDS_CAPTION_ERROR),
                              QString::fromStdU16String(m_session.GetError()));
    ClearResults();
    ApplyCurrentGroup();
    UpdateCommands();
}

void CMainFrame::ApplyCurrentGroup() {
    if (GetWindowState().bGroupUsable) {
        ShowStartPage();
    } else if (m_bInitialising) {
        // Once: when the manager leaves the group without an enabled
        // dictionary, the red page says so.
        m_bInitialising = false;
        OpenDictionaryManager(false);
    } else {
        m_pView->ShowHtmlBody(QString::fromStdU16String(
            NoEnabledDictionariesPageHtml(BaseFontSize(), CurrentGroupName().toStdU16String())));
    }
}

void CMainFrame::FillHistoryField() {
    const QSignalBlocker blocker(m_pSearchCombo);
    const QString strText = m_pSearchCombo->currentText();
    m_pSearchCombo->clear();
    m_pSearchCombo->addItems(m_history.Items());
    m_pSearchCombo->setEditText(m_history.Items().isEmpty() ? strText : m_history.Items().first());
}

void CMainFrame::OnFontSizeChosen(int nIndex) {
    const int nSize = m_pFontCombo->itemData(nIndex).toInt();
    if (nSize <= 0) return;
    m_view.nFontSize = nSize;
    m_pView->SetBaseFontSize(nSize);
    if (m_nShownFile) RenderShownPage();
}

void CMainFrame::StepFontSize(int nSteps) {
    const int nIndex = m_pFontCombo->findData(::StepFontSize(m_view.nFontSize, nSteps));
    if (nIndex < 0 || nIndex == m_pFontCombo->currentIndex()) return;
    m_pFontCombo->setCurrentIndex(nIndex);
    OnFontSizeChosen(nIndex);
}

void CMainFrame::SetLayout(int nLayout) {
    m_view.nLayout = nLayout;
    if (m_nShownFile) {
        const CFileWithResults& file = m_files.aFiles[static_cast<size_t>(*m_nShownFile)];
        const CDictIndexFile* pDict = m_search.GetParticipant(file.nPosition);
        if (pDict && pDict->GetFileType() != FILE_TYPE_PARTEXT) RenderShownPage();
    }
    UpdateCommands();
}

void CMainFrame::SetSort(int nSort) {
    if (nSort != m_view.nSort) {
        m_view.nSort = nSort;
        ClearResults();
        ShowStartPage();
    }
    UpdateCommands();
}

void CMainFrame::ShowPage(int nPage) {
    if (!m_nShownFile || nPage < 0) return;
    m_nPage = nPage;
    RenderShownPage();
    UpdateCommands();
}

void CMainFrame::DeleteHistory() {
    m_history.Delete(m_historyStore);
    const QSignalBlocker blocker(m_pSearchCombo);
    m_pSearchCombo->clear();
}

CWindowState CMainFrame::GetWindowState() const {
    CWindowState state;
    state.bSearching = m_bSearching;
    state.bStopRequested = m_pJob->IsStopRequested();
    const CDictGroup* pGroup = m_session.GetCurrentGroup();
    state.bGroupUsable = pGroup && pGroup->HasEnabled();
    state.nFilesWithResults = static_cast<int>(m_files.aFiles.size());
    if (m_nShownFile) state.nShownTotal = m_files.aFiles[static_cast<size_t>(*m_nShownFile)].nTotal;
    state.nPage = m_nPage;
    state.nLayout = m_view.nLayout;
    state.nSort = m_view.nSort;
    state.bToolsToolbarVisible = m_pToolsBar && !m_pToolsBar->isHidden();
    state.bSearchToolbarVisible = m_pSearchBar && !m_pSearchBar->isHidden();
    state.bListBarVisible = m_pListBar && !m_pListBar->isHidden();
    return state;
}

void CMainFrame::UpdateCommands() {
    if (!m_pListBar) return;
    const CWindowState state = GetWindowState();
    for (auto& [nCommand, pAction] : m_actions) {
        pAction->setEnabled(CWindowRules::IsEnabled(state, nCommand));
        if (const std::optional<bool> bChecked = CWindowRules::IsChecked(state, nCommand))
            pAction->setChecked(*bChecked);
    }
    const bool bSearchEnabled = CWindowRules::IsSearchEnabled(state);
    m_pSearchCombo->setEnabled(bSearchEnabled);
    const bool bIdle = !state.bSearching;
    m_pGroupCombo->setEnabled(bIdle && m_pGroupCombo->count() > 0);
    m_pFontCombo->setEnabled(bIdle);
    if (m_pAreaCombo) m_pAreaCombo->setEnabled(bIdle);
    m_pListTree->setEnabled(bIdle);
    m_pLanguageGroup->setEnabled(bIdle);
}

QString CMainFrame::CurrentGroupName() const {
    const CDictGroup* pGroup = m_session.GetCurrentGroup();
    return pGroup ? QString::fromStdU16String(pGroup->GetName()) : QString();
}

QString CMainFrame::InterfaceLanguageName() const {
    const int nIndex = m_appSettings.nCurrentLanguage - ID_LANGUAGE_BUILT_IN - 1;
    if (nIndex >= 0 && nIndex < static_cast<int>(m_appSettings.aLanguages.size()))
        return QString::fromStdU16String(
            m_appSettings.aLanguages[static_cast<size_t>(nIndex)].strName);
    return QStringLiteral("English");
}

bool CMainFrame::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pEvent->type() != QEvent::KeyPress || !pWatched->isWidgetType() ||
        static_cast<QWidget*>(pWatched)->window() != this || !isActiveWindow())
        return false;
    const int nKey = static_cast<QKeyEvent*>(pEvent)->key();
    if (nKey == Qt::Key_Return || nKey == Qt::Key_Enter) {
        if (CWindowRules::IsSearchEnabled(GetWindowState())) StartSearch();
        return true;
    }
    return nKey == Qt::Key_F5;
}

void CMainFrame::closeEvent(QCloseEvent* pEvent) {
    if (m_bSearching) {
        pEvent->ignore();
        const QString strQuestion =
            TextOf(IDS_SEARCH_IN_PROGRESS) + QStringLiteral("\r\n") + TextOf(IDS_ASK_STOP_SEARCH);
        if (QMessageBox::warning(this, TextOf(IDS_CAPTION_WARNING), strQuestion,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            StopSearch();
        return;
    }
    const int nCurrent = m_pSearchCombo->currentIndex();
    const bool bSelected =
        nCurrent >= 0 && m_pSearchCombo->itemText(nCurrent) == m_pSearchCombo->currentText();
    m_history.Save(m_historyStore, bSelected ? m_pSearchCombo->currentText() : QString());
    pEvent->accept();
}
