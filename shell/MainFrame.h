// Glossmere's main window: menus, the tools and search toolbars, the "List of
// dictionaries" bar and the result view. The rules of what is enabled and
// what a command does live in plain classes (WindowRules, SearchHistory,
// ShellSettings, SearchJob); this class wires them to the widgets.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <span>

#include <QMainWindow>
#include <QTimer>

#include "library/DictSearch.h"
#include "library/ResultFiles.h"
#include "shell/SearchHistory.h"
#include "shell/SearchJob.h"
#include "shell/ShellSettings.h"
#include "shell/WindowRules.h"

class CDictSession;
class CMyDictView;
class QAction;
class QActionGroup;
class QMenu;
class QComboBox;
class QDockWidget;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The session, the search engine over its groups, the settings and the
    // history store belong to the caller and outlive the window. The history
    // is loaded here.
    CMainFrame(CDictSession& session, CDictSearch& search, const CAppSettings& appSettings,
               CViewState viewState, CHistoryStore& historyStore, QWidget* pParent = nullptr);
    ~CMainFrame() override;

    // Once, right after the window is first shown: start page, selectors and
    // the current group (the dictionary manager opens at once when it has no
    // enabled dictionary).
    void SetUpView();

    // Puts the text in the search field and searches, as a "find" link does.
    void SearchFor(const QString& strText);
    void StartSearch();
    void StopSearch();

    // The dictionary manager; with bAddAtOnce its add-dictionaries step
    // opens at once.
    void OpenDictionaryManager(bool bAddAtOnce);
    // After the library or the groups changed (the manager's refresh): the
    // results go and the group selector is filled again.
    void OnDictionariesChanged();

    const CViewState& GetViewState() const { return m_view; }
    CMyDictView* GetView() const { return m_pView; }
    bool IsSearching() const { return m_bSearching; }
    CWindowState GetWindowState() const;
    QAction* GetAction(ShellCommand nCommand) const { return m_actions.at(nCommand); }

    // The actions of the "Interface language" submenu, "English" first.
    QList<QAction*> GetLanguageActions() const;

signals:
    // A search's outcome (results or a status page) has just been shown.
    void searchFinished();
    // The user picked an interface language from the menu.
    void languagePicked(int nLanguage);

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    // Construction
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateListBar();
    QAction* AddCommand(ShellCommand nCommand, const QString& strText,
                        const QKeySequence& shortcut = {});
    // One checkable command per choice, named from names by its value, with
    // modifier+1, +2, ... as shortcuts.
    void AddChoiceCommands(std::span<const CChoiceCommand> choices, std::span<const QString> names,
                           Qt::Modifier modifier, void (CMainFrame::*set)(int));

    // Selectors
    void FillGroupSelector();
    void ApplyCurrentGroup();
    void FillHistoryField();
    void SelectSearchText();
    void OnGroupChosen(int nIndex);
    void OnFontSizeChosen(int nIndex);
    void StepFontSize(int nSteps);

    // Commands
    void SetLayout(int nLayout);
    void SetSort(int nSort);
    void ShowPage(int nPage);
    void ShowFile(int nFile);
    void DeleteHistory();
    void UpdateCommands();

    // Services (MainFrameServices.cpp)
    void CreateServiceActions();
    void CreateLanguageMenu(QMenu* pView);
    void CreateHelpMenu();
    void DownloadDictionaries();
    void ShowHelp();
    void OpenDictionaryInformation();
    void RunCompiler();
    void ShowAbout();
    void ShowSelectionMenu(const QPoint& position);
    void CopySelection();
    void SearchSelection();

    // Search
    void OnSearchTimer();
    void ShowSearchOutcome(const CSearchOutcome& outcome);
    void ClearResults();
    void ShowStartPage();
    void RenderShownPage();
    void FillListBar();
    void ShowListBar();
    void OnListBarItem(QTreeWidgetItem* pItem);
    void SetDocumentTitle(const QString& strTitle);

    QString CurrentGroupName() const;
    QString InterfaceLanguageName() const;
    int BaseFontSize() const { return m_view.nFontSize; }

    CDictSession& m_session;
    const CAppSettings& m_appSettings;
    CViewState m_view;
    CHistoryStore& m_historyStore;
    CSearchHistory m_history;
    CDictSearch& m_search;
    std::unique_ptr<CSearchJob> m_pJob;
    QTimer m_searchTimer;

    // Run state
    bool m_bSearching = false;
    bool m_bInitialising = false;
    bool m_bListBarSized = false;
    bool m_bFieldHadFocus = false;
    CResultFileList m_files;
    std::optional<int> m_nShownFile;
    int m_nPage = 0;

    CMyDictView* m_pView = nullptr;
    QToolBar* m_pToolsBar = nullptr;
    QToolBar* m_pSearchBar = nullptr;
    QComboBox* m_pGroupCombo = nullptr;
    QComboBox* m_pAreaCombo = nullptr;
    QComboBox* m_pFontCombo = nullptr;
    QComboBox* m_pSearchCombo = nullptr;
    QDockWidget* m_pListBar = nullptr;
    QTreeWidget* m_pListTree = nullptr;
    std::map<ShellCommand, QAction*> m_actions;
    QActionGroup* m_pLanguageGroup = nullptr;
};
