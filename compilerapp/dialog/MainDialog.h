// Glossmill's main dialog: the source, the mapping file and the dictionaries
// folder, the compile button that turns into "Abort" while a run goes, the
// progress and the "Info" text, the interface language and help.
//
// The run itself is the engine's worker thread; the dialog never waits for
// it but polls its flags, progress and status every 50 ms.
#pragma once

#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <string>

#include "compilerapp/MillDialogRules.h"
#include "compilerapp/MillSettings.h"

class CDictCompiler;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;

struct CMillDialogContext {
    CMillSettings& settings;
    CDictCompiler& compiler;
    std::filesystem::path iniPath;        // "Glossmill.ini"
    std::filesystem::path programFolder;  // where the folder browser starts without a folder
    std::filesystem::path helpFolder;     // the help pages
};

class CMainDialog : public QDialog {
    Q_OBJECT
public:
    explicit CMainDialog(CMillDialogContext context, QWidget* pParent = nullptr);
    // A run still going is stopped before the dialog goes.
    ~CMainDialog() override;

    // Cancel, Escape and the window's close button: while compiling, asks
    // whether to stop and stays open; otherwise keeps the folder and closes.
    void reject() override;

protected:
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;

private:
    void BuildControls();
    QLayout* BuildSourceRow();
    QGroupBox* BuildInfoGroup();
    QLayout* BuildBottomRow();
    void OnCompileButton();
    void StartRun();
    void OnTimer();
    void FinishRun();
    void SetCompiling(bool bCompiling);
    void ShowInfo(const CInfoText& info);
    void OnBrowseSource();
    void OnBrowseMapping();
    void OnBrowseFolder();
    void OnLanguageChosen(int nIndex);
    void ShowHelp();
    // Asked on the worker thread when morphology modules failed to load.
    bool AskContinue(const std::u16string& strQuestion);
    void SaveSettings(void (CMillSettings::*write)(CIniFile&) const);

    CMillDialogContext m_context;
    CMillDialogState m_state;
    QTimer m_timer;
    QString m_infoCaption;
    std::u16string m_strShownStatus;
    QLineEdit* m_pSourceEdit = nullptr;
    QLineEdit* m_pMappingEdit = nullptr;
    QLineEdit* m_pFolderEdit = nullptr;
    QPushButton* m_pSourceBrowse = nullptr;
    QPushButton* m_pMappingBrowse = nullptr;
    QPushButton* m_pFolderBrowse = nullptr;
    QPushButton* m_pCompileButton = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QGroupBox* m_pInfoGroup = nullptr;
    QLabel* m_pInfo = nullptr;
    QComboBox* m_pLanguageBox = nullptr;
};

// Opens the help page of the interface language; a warning when there is none.
void ShowMillHelp(QWidget* pParent, const std::filesystem::path& helpFolder,
                  std::u16string_view languageName);
