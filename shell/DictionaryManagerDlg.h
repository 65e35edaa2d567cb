// The dictionary manager window, in its full or its reduced form: groups,
// the disabled and enabled dictionaries of the selected group, their search
// order, and adding and deleting dictionary files. Every change of the
// groups goes through the library's group operations; the rules of the
// window are in ManagerRules.h and the file work in ManagerFiles.h.
#pragma once

#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <optional>
#include <string>

#include "DictionaryManagerPrompts.h"
#include "ManagerRules.h"

class CDictSession;
class CDictGroup;
class CDictIndexFile;
class CManagerList;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The languages a display name is chosen by: the interface language, the
// preferred dictionary-name language and "English".
struct CNameLanguages {
    std::u16string strFirst = u"English";
    std::u16string strSecond = u"English";
    std::u16string strThird = u"English";
};

class CDictionaryManagerDlg : public QDialog {
    Q_OBJECT
public:
    CDictionaryManagerDlg(CDictSession& session, const CManagerFormState& state,
                          const CManagerPrompts& prompts, const CNameLanguages& names,
                          QWidget* parent = nullptr);
    ~CDictionaryManagerDlg() override;

    // After the window closed with kFormSwitchResult: the other form's state.
    const CManagerFormState& NextState() const { return m_next; }

    int SelectedGroup() const { return m_nGroup; }
    CListSelection Selection() const;
    CListCounts Counts() const;
    CManagerList* DisabledList() const { return m_pDisabled; }
    CManagerList* EnabledList() const { return m_pEnabled; }
    QString ImportantMessages() const;
    // Name, file name, articles and words as the information pane shows them.
    QStringList InformationFields() const;

    // The 50-millisecond check of the two lists' selection; runs on a timer.
    void CheckSelection();

    void SelectGroup(int nGroup);
    void CreateGroup();
    void RenameGroup();
    void DeleteGroup();
    void EnableDictionary();
    void EnableAll();
    void DisableDictionary();
    void DisableAll();
    void MoveToTop();
    void MoveUp();
    void MoveDown();
    void MoveToBottom();
    void AddDictionaries();
    void DeleteDictionary();
    void Refresh();
    void Explore();
    void OpenAdditionalInfo();
    void SwitchForm();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildWindow();
    QWidget* BuildGroupRow();
    QWidget* BuildLists();
    QWidget* BuildFileRow();
    QWidget* BuildInformationPane();
    QWidget* BuildMessagesPane();
    QToolButton* ListButton(int nToolTip, int nIcon, void (CDictionaryManagerDlg::*command)());

    CDictGroup* Group() const;
    const CDictIndexFile* SelectedDictionary() const;
    QString DisplayName(const CDictIndexFile& dict) const;
    void FillGroups();
    void FillLists();
    void ApplySelection(CListSelection sel);
    void UpdateButtons();
    void UpdateInformation();
    void ComposeMessages();
    // Disables the window while a command works; the selection check then
    // leaves the information pane alone.
    void BeginCommand();
    void EndCommand();
    // Rescans the library and reloads the groups; one error box with all of
    // its messages. The selection is left to the caller.
    void RefreshLibrary();
    // RefreshLibrary, then the selection where the user left it.
    void RefreshKeepingSelection();
    void ShowError(const std::u16string& text);
    std::filesystem::path DictionariesFolder() const;

    CDictSession& m_session;
    CManagerPrompts m_prompts;
    CNameLanguages m_names;
    CManagerFormState m_state;
    CManagerFormState m_next;
    int m_nGroup = 0;
    bool m_bBusy = false;
    bool m_bStarted = false;
    CSelectionSync m_sync;
    // What the information pane shows, to redraw it only on a change.
    std::optional<const CDictIndexFile*> m_paneDict;
    QTimer m_timer;
    QString m_strMessages;

    QComboBox* m_pGroups = nullptr;
    CManagerList* m_pDisabled = nullptr;
    CManagerList* m_pEnabled = nullptr;
    QToolButton* m_pEnable = nullptr;
    QToolButton* m_pEnableAll = nullptr;
    QToolButton* m_pDisable = nullptr;
    QToolButton* m_pDisableAll = nullptr;
    QToolButton* m_pTop = nullptr;
    QToolButton* m_pUp = nullptr;
    QToolButton* m_pDown = nullptr;
    QToolButton* m_pBottom = nullptr;
    QPushButton* m_pDeleteDict = nullptr;
    QLineEdit* m_pFolder = nullptr;
    QLineEdit* m_pName = nullptr;
    QLineEdit* m_pFileName = nullptr;
    QLineEdit* m_pArticles = nullptr;
    QLineEdit* m_pWords = nullptr;
    QPushButton* m_pAdditionalInfo = nullptr;
    QPlainTextEdit* m_pMessages = nullptr;
};
