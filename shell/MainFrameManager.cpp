// The main window's door to the dictionary manager.
#include <QMessageBox>

#include "core/ProgramFolder.h"
#include "core/TextIds.h"
#include "library/DictSession.h"
#include "shell/DictionaryManager.h"
#include "shell/MainFrame.h"
#include "shell/QtText.h"

void CMainFrame::OpenDictionaryManager(bool bAddAtOnce) {
    if (m_bSearching) return;
    CManagerSetup setup;
    setup.pSession = &m_session;
    setup.iniPath = std::filesystem::path(JoinPath(m_session.GetHome(), kSettingsFileName));
    setup.names = {InterfaceLanguageName().toStdU16String(), m_appSettings.strPreferDictNameLang,
                   u"English"};
    RunDictionaryManager(this, setup, bAddAtOnce);
    OnDictionariesChanged();
}

void CMainFrame::OnDictionariesChanged() {
    // The manager may have replaced every dictionary object: nothing of the
    // last search may be shown or paged any more.
    m_search.ClearResults();
    ClearResults();
    FillGroupSelector();
    ApplyCurrentGroup();
    UpdateCommands();
}
