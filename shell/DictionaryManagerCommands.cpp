// The dictionary manager's commands: groups, enabling and order within a
// group, and the file commands.
#include <QComboBox>
#include <QFileInfo>
#include <vector>

#include "DictionaryManagerDlg.h"
#include "DictionaryManagerList.h"
#include "ManagerFiles.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "library/DictSession.h"
#include "shell/QtText.h"

namespace fs = std::filesystem;

namespace {

QString JoinLines(const std::vector<std::u16string>& lines) {
    std::u16string text;
    for (const std::u16string& line : lines) {
        if (!text.empty()) text += u"\r\n";
        text += line;
    }
    return QString::fromStdU16String(text);
}

}  // namespace

fs::path CDictionaryManagerDlg::DictionariesFolder() const {
    return ToFileName(m_session.GetDictionariesFolder());
}

void CDictionaryManagerDlg::BeginCommand() {
    m_bBusy = true;
    for (QWidget* pChild : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        pChild->setEnabled(false);
}

void CDictionaryManagerDlg::EndCommand() {
    for (QWidget* pChild : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        pChild->setEnabled(true);
    m_bBusy = false;
    UpdateButtons();
    UpdateInformation();
}

void CDictionaryManagerDlg::ShowError(const std::u16string& text) {
    if (!text.empty() && m_prompts.error) m_prompts.error(this, QString::fromStdU16String(text));
}

// ---- Groups ----

void CDictionaryManagerDlg::SelectGroup(int nGroup) {
    if (!m_session.GetGroupList()->GetGroup(nGroup)) return;
    m_nGroup = nGroup;
    m_pGroups->setCurrentIndex(nGroup);
    FillLists();
    ApplySelection(FirstRowSelection(Counts()));
    ComposeMessages();
}

void CDictionaryManagerDlg::CreateGroup() {
    const std::optional<QString> name = m_prompts.askGroupName(this, QString());
    if (!name) return;
    CDictGroupList& groups = *m_session.GetGroupList();
    const std::u16string strName = TrimGroupName(name->toStdU16String());
    const int nMessage = GroupNameMessage(
        strName, u"", [&](std::u16string_view s) { return groups.HasGroupName(s); });
    if (nMessage != 0) {
        m_prompts.warn(this, TextOf(nMessage));
        return;
    }
    groups.AddGroup(strName, false);
    m_nGroup = groups.GetGroupCount() - 1;
    FillGroups();
    SelectGroup(m_nGroup);
}

void CDictionaryManagerDlg::RenameGroup() {
    CDictGroup* pGroup = Group();
    if (!pGroup) return;
    const std::optional<QString> name =
        m_prompts.askGroupName(this, QString::fromStdU16String(pGroup->GetName()));
    if (!name) return;
    const CDictGroupList& groups = *m_session.GetGroupList();
    const std::u16string strName = TrimGroupName(name->toStdU16String());
    const int nMessage = GroupNameMessage(
        strName, pGroup->GetName(), [&](std::u16string_view s) { return groups.HasGroupName(s); });
    if (nMessage != 0) {
        m_prompts.warn(this, TextOf(nMessage));
        return;
    }
    pGroup->SetName(strName);
    m_pGroups->setItemText(m_nGroup, QString::fromStdU16String(strName));
    ComposeMessages();
}

void CDictionaryManagerDlg::DeleteGroup() {
    if (m_nGroup == 0) {
        m_prompts.warn(this, TextOf(IDS_FIRST_GROUP_NOT_DELETABLE));
        return;
    }
    CDictGroupList& groups = *m_session.GetGroupList();
    if (!m_prompts.askYesNo(this, TextOf(IDS_ASK_DELETE_GROUP, {Group()->GetName()}))) return;
    if (!groups.DeleteGroup(m_nGroup)) return;
    m_nGroup = groups.GetCurrentGroup();
    FillGroups();
    SelectGroup(m_nGroup);
}

// ---- Enabling and order ----

void CDictionaryManagerDlg::EnableDictionary() {
    CDictGroup* pGroup = Group();
    const int nRow = m_pDisabled->SelectedRow();
    if (m_nGroup == 0 || !pGroup || nRow < 0) return;
    const CDictIndexFile* pDict = pGroup->GetDict(nRow, GROUP_FILTER_DISABLED);
    if (!pDict) return;
    if (!pDict->IsValid()) {
        m_prompts.warn(this, TextOf(IDS_DICTIONARY_CORRUPTED));
        return;
    }
    pGroup->SetEnabled(nRow, true, GROUP_FILTER_DISABLED);
    FillLists();
    ApplySelection(SelectionAfterRemoval(ManagerList::Disabled, nRow, Counts()));
    ComposeMessages();
}

void CDictionaryManagerDlg::EnableAll() {
    CDictGroup* pGroup = Group();
    if (m_nGroup == 0 || !pGroup || pGroup->Count(GROUP_FILTER_DISABLED) == 0) return;
    for (int n = 0; n < pGroup->Count(); ++n) {
        if (pGroup->GetDict(n)->IsValid()) pGroup->SetEnabled(n, true);
    }
    FillLists();
    ApplySelection(Counts().nEnabled > 0 ? CListSelection::Enabled(0)
                                         : FirstRowSelection(Counts()));
    ComposeMessages();
}

void CDictionaryManagerDlg::DisableDictionary() {
    CDictGroup* pGroup = Group();
    const int nRow = m_pEnabled->SelectedRow();
    if (m_nGroup == 0 || !pGroup || nRow < 0) return;
    if (!pGroup->SetEnabled(nRow, false, GROUP_FILTER_ENABLED)) return;
    FillLists();
    ApplySelection(SelectionAfterRemoval(ManagerList::Enabled, nRow, Counts()));
    ComposeMessages();
}

void CDictionaryManagerDlg::DisableAll() {
    CDictGroup* pGroup = Group();
    if (m_nGroup == 0 || !pGroup || !pGroup->HasEnabled()) return;
    for (int n = 0; n < pGroup->Count(); ++n)
        pGroup->SetEnabled(n, false);
    FillLists();
    ApplySelection(FirstRowSelection(Counts()));
    ComposeMessages();
}

void CDictionaryManagerDlg::MoveToTop() {
    CDictGroup* pGroup = Group();
    const int nRow = m_pEnabled->SelectedRow();
    if (!pGroup || !pGroup->MoveToTop(nRow, GROUP_FILTER_ENABLED)) return;
    FillLists();
    ApplySelection(CListSelection::Enabled(0));
}

void CDictionaryManagerDlg::MoveUp() {
    CDictGroup* pGroup = Group();
    const int nRow = m_pEnabled->SelectedRow();
    if (!pGroup || !pGroup->MoveUp(nRow, GROUP_FILTER_ENABLED)) return;
    FillLists();
    ApplySelection(CListSelection::Enabled(nRow - 1));
}

void CDictionaryManagerDlg::MoveDown() {
    CDictGroup* pGroup = Group();
    const int nRow = m_pEnabled->SelectedRow();
    if (!pGroup || !pGroup->MoveDown(nRow, GROUP_FILTER_ENABLED)) return;
    FillLists();
    ApplySelection(CListSelection::Enabled(nRow + 1));
}

void CDictionaryManagerDlg::MoveToBottom() {
    CDictGroup* pGroup = Group();
    const int nRow = m_pEnabled->SelectedRow();
    if (!pGroup || !pGroup->MoveToBottom(nRow, GROUP_FILTER_ENABLED)) return;
    FillLists();
    ApplySelection(CListSelection::Enabled(Counts().nEnabled - 1));
}

// ---- Files ----

void CDictionaryManagerDlg::RefreshLibrary() {
    if (!m_session.RefreshDictionaries()) ShowError(m_session.GetError());
    const CDictGroupList& groups = *m_session.GetGroupList();
    // A groups file that could not be read leaves only the default group.
    if (!groups.GetGroup(m_nGroup)) m_nGroup = groups.GetCurrentGroup();
    FillGroups();
    FillLists();
    ComposeMessages();
}

void CDictionaryManagerDlg::RefreshKeepingSelection() {
    const CListSelection before = Selection();
    const CListCounts countsBefore = Counts();
    RefreshLibrary();
    ApplySelection(SelectionAfterRefresh(before, countsBefore, Counts()));
}

void CDictionaryManagerDlg::Refresh() {
    BeginCommand();
    RefreshKeepingSelection();
    EndCommand();
}

void CDictionaryManagerDlg::AddDictionaries() {
    BeginCommand();
    const QStringList files = m_prompts.chooseDictionaryFiles(this);
    std::vector<fs::path> chosen;
    for (const QString& file : files)
        chosen.emplace_back(file.toStdString());
    const fs::path folder = DictionariesFolder();
    const CAddPlan plan = PlanAddDictionaries(chosen, folder);
    if (plan.bAlreadyInstalled) {
        m_prompts.inform(this, TextOf(chosen.size() == 1 ? IDS_DICTIONARY_INSTALLED
                                                         : IDS_DICTIONARIES_INSTALLED));
    }
    if (plan.arrPaths.empty()) {
        EndCommand();
        return;
    }
    m_session.GetLibrary().CloseAllFiles();
    std::error_code ec;
    fs::create_directories(folder, ec);
    const CCopyResult result = CopyIntoFolder(plan.arrPaths, folder, [this](const fs::path& p) {
        return m_prompts.askReplace(this, QString::fromStdString(p.string()));
    });
    raise();
    activateWindow();
    if (!result.arrErrors.empty()) m_prompts.error(this, JoinLines(result.arrErrors));
    RefreshKeepingSelection();
    EndCommand();
}

void CDictionaryManagerDlg::DeleteDictionary() {
    const CDictIndexFile* pDict = SelectedDictionary();
    if (!pDict) return;
    const QString name =
        pDict->IsValid() ? DisplayName(*pDict) : QString::fromStdU16String(pDict->GetFileName());
    // A dictionary installed for every user is read-only to the program.
    if (m_session.GetLibrary().IsSystemDictionary(*pDict)) {
        m_prompts.warn(this, TextOf(IDS_SYSTEM_DICTIONARY_NOT_DELETABLE, {name.toStdU16String()}));
        return;
    }
    if (!m_prompts.askYesNo(this, TextOf(IDS_ASK_DELETE_DICTIONARY, {name.toStdU16String()})))
        return;
    BeginCommand();
    const CListSelection sel = Selection();
    const ManagerList list = sel.nEnabledRow >= 0 ? ManagerList::Enabled : ManagerList::Disabled;
    const int nRow = std::max(sel.nEnabledRow, sel.nDisabledRow);
    const fs::path path = ToFileName(pDict->GetFilePath());
    m_session.GetLibrary().CloseAllFiles();
    const CDeleteResult result =
        DeleteDictionaryFiles(PlanDeleteDictionary(path), m_prompts.moveToTrash);
    for (const fs::path& failed : result.arrFailed)
        m_prompts.warn(this, TextOf(IDS_CANNOT_DELETE_FILE, {FromUtf8(failed.string())}));
    RefreshLibrary();
    ApplySelection(SelectionAfterRemoval(list, nRow, Counts()));
    EndCommand();
}

void CDictionaryManagerDlg::Explore() {
    const std::u16string folder = m_session.GetDictionariesFolder();
    std::error_code ec;
    if (!fs::is_directory(ToFileName(folder), ec)) {
        m_prompts.error(this, TextOf(IDS_FOLDER_NOT_FOUND, {folder}));
        return;
    }
    m_prompts.openPath(QString::fromStdU16String(folder));
}

void CDictionaryManagerDlg::OpenAdditionalInfo() {
    const CDictIndexFile* pDict = SelectedDictionary();
    if (!pDict) return;
    const fs::path info = InfoFileOf(ToFileName(pDict->GetFilePath()));
    if (!QFileInfo(QString::fromStdString(info.string())).isFile()) {
        m_prompts.warn(this, TextOf(IDS_INFO_FILE_NOT_FOUND));
        return;
    }
    m_prompts.openPath(QString::fromStdString(info.string()));
}

void CDictionaryManagerDlg::SwitchForm() {
    m_next = ::SwitchForm(m_state, {geometry().x(), geometry().y()}, m_nGroup, Selection());
    done(kFormSwitchResult);
}
