#include "DictionaryManager.h"

#include "ManagerRules.h"
#include "core/IniFile.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "library/DictSession.h"

namespace {

constexpr char16_t kSection[] = u"ADD_ADJUST";
constexpr char16_t kKey[] = u"ManageDlgLess";

std::optional<bool> ReadManageDlgLess(const std::filesystem::path& iniPath) {
    CIniFile ini;
    std::u16string ignored;
    // An unreadable file reads as an empty one: every key has its default.
    static_cast<void>(ini.Load(iniPath, ignored));
    return ParseManageDlgLess(ini.GetString(kSection, kKey, u"0"));
}

void WriteManageDlgLess(const std::filesystem::path& iniPath, bool bReduced) {
    CIniFile ini;
    std::u16string error;
    if (!ini.Load(iniPath, error)) return;  // never overwrite a file we could not read
    ini.SetString(kSection, kKey, bReduced ? u"1" : u"0");
    static_cast<void>(ini.Save(iniPath, error));
}

}  // namespace

bool RunDictionaryManager(QWidget* parent, const CManagerSetup& setup, bool bAddAtOnce) {
    const std::optional<bool> reduced = ReadManageDlgLess(setup.iniPath);
    if (!reduced) {
        setup.prompts.error(parent, QString::fromStdU16String(
                                        FormatTextId(IDS_REDUCED_MANAGER_ERROR) + u"\r\n" +
                                        FormatTextId(IDS_SHELL_INI_LOCATION, {kSection, kKey})));
        return false;
    }
    CManagerFormState state;
    state.nGroup = setup.pSession->GetGroupList()->GetCurrentGroup();
    state.bReduced = *reduced;
    state.bAddAtOnce = bAddAtOnce;
    for (;;) {
        CDictionaryManagerDlg dlg(*setup.pSession, state, setup.prompts, setup.names, parent);
        if (setup.onWindow) setup.onWindow(dlg);
        if (dlg.exec() != kFormSwitchResult) break;
        state = dlg.NextState();
    }
    WriteManageDlgLess(setup.iniPath, state.bReduced);
    return true;
}
