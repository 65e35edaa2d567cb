// Opening the dictionary manager: the "ManageDlgLess" setting chooses the
// form it opens in, each form switch closes the window and opens the other
// form in its place, and the form last shown is written back.
#pragma once

#include <filesystem>

#include "DictionaryManagerDlg.h"
#include "DictionaryManagerPrompts.h"

class CDictSession;
class QWidget;

struct CManagerSetup {
    CDictSession* pSession = nullptr;
    // "Glossmere.ini"; its "ADD_ADJUST" "ManageDlgLess" is read and written.
    std::filesystem::path iniPath;
    CNameLanguages names;
    CManagerPrompts prompts = DesktopManagerPrompts();
    // Called with each window before it runs (tests drive it from here).
    std::function<void(CDictionaryManagerDlg&)> onWindow;
};

// Runs the manager over the session until the user closes it. False when a
// bad "ManageDlgLess" value kept it from opening (its message was shown). The
// caller refills whatever shows the groups afterwards.
bool RunDictionaryManager(QWidget* parent, const CManagerSetup& setup, bool bAddAtOnce);
