// The dictionary manager's window driven offscreen over a temporary program
// folder with dictionaries compiled by the test; users' answers come from
// scripted prompts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <fstream>

#include "compiler/DictCompiler.h"
#include "core/IniFile.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"
#include "library/DictGroupFile.h"
#include "library/DictSession.h"
#include "shell/DictionaryManager.h"
#include "shell/DictionaryManagerGroupName.h"
#include "shell/DictionaryManagerList.h"

namespace fs = std::filesystem;

namespace {

// One application for all tests, offscreen, with its home (and so the
// desktop's trash) in a temporary folder.
class CQtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        m_home = std::make_unique<QTemporaryDir>();
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("HOME", m_home->path().toUtf8());
        qputenv("XDG_DATA_HOME", (m_home->path() + "/.local/share").toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_home->path() + "/.config").toUtf8());
        static int argc = 1;
        static char name[] = "manager_tests";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override {
        m_app.reset();
        m_home.reset();
    }
    static fs::path TrashFiles() {
        return fs::path(qgetenv("XDG_DATA_HOME").toStdString()) / "Trash" / "files";
    }

private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QApplication> m_app;
};
[[maybe_unused]] const auto* const kQt = ::testing::AddGlobalTestEnvironment(new CQtEnvironment);

std::string Source(std::string_view name) {
    return "\xEF\xBB\xBF$FILE_TYPE: DICT\r\n$DICT_TYPE: MAIN\r\n$INDEX: LEFT\r\n$NAME: " +
           std::string(name) +
           "\r\n\r\ncat ##:## Katze\r\n\r\ndog ##:## Hund\r\n\r\nbig dog ##:## Dogge\r\n";
}

void WriteFile(const fs::path& path, std::string_view text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string Dump(const CManagerList& list) {
    std::string rows;
    for (int n = 0; n < list.RowCount(); ++n) {
        if (!rows.empty()) rows += ",";
        rows += list.RowText(n).trimmed().toStdString();
        if (list.IsBrokenRow(n)) rows += "!";
    }
    return rows;
}

struct ManagerTest : ::testing::Test {
    QTemporaryDir temp;
    fs::path root = temp.path().toStdString();
    fs::path program = root / "program";
    fs::path dicts = program / "Dictionaries";
    fs::path download = root / "download";
    std::unique_ptr<CDictSession> session;
    CManagerPrompts prompts;
    // What the window said, in order: "warn: ...", "error: ...", "ask: ...".
    std::vector<std::string> said;
    std::deque<QString> groupNames;
    QStringList chosenFiles;
    ReplaceAnswer replaceAnswer = ReplaceAnswer::No;
    bool bYes = true;
    std::vector<std::string> opened;

    ManagerTest() {
        fs::create_directories(dicts);
        fs::create_directories(download);
        const auto note = [this](const char* kind) {
            return [this, kind](QWidget*, const QString& text) {
                said.push_back(kind + (": " + text.toStdString()));
            };
        };
        prompts.warn = note("warn");
        prompts.inform = note("inform");
        prompts.error = note("error");
        prompts.askYesNo = [this](QWidget*, const QString& text) {
            said.push_back("ask: " + text.toStdString());
            return bYes;
        };
        prompts.askGroupName = [this](QWidget*, const QString&) -> std::optional<QString> {
            if (groupNames.empty()) return std::nullopt;
            QString name = groupNames.front();
            groupNames.pop_front();
            return name;
        };
        prompts.chooseDictionaryFiles = [this](QWidget*) { return chosenFiles; };
        prompts.askReplace = [this](QWidget*, const QString& target) {
            said.push_back("replace: " + fs::path(target.toStdString()).filename().string());
            return replaceAnswer;
        };
        prompts.openPath = [this](const QString& path) {
            opened.push_back(path.toStdString());
            return true;
        };
        prompts.moveToTrash = DesktopManagerPrompts().moveToTrash;
    }

    void Compile(const fs::path& folder, const std::string& file, std::string_view name) {
        const fs::path source = root / "sources" / (file + ".txt");
        WriteFile(source, Source(name));
        CDictCompiler compiler;
        compiler.SetLowerPriority(false);
        ASSERT_TRUE(compiler.StartCompile(FromUtf8(source.string()),
                                          FromUtf8((folder / (file + ".gmd")).string()), u""));
        compiler.Wait();
        ASSERT_FALSE(compiler.HasError()) << ToUtf8(compiler.GetError());
    }

    void StartSession() {
        session = std::make_unique<CDictSession>(FromUtf8(program.string()),
                                                 FromUtf8(program.string()), nullptr);
        static_cast<void>(session->InitDictionaries());
    }

    std::unique_ptr<CDictionaryManagerDlg> Open(CManagerFormState state = {}) {
        state.nGroup = session->GetGroupList()->GetCurrentGroup();
        return std::make_unique<CDictionaryManagerDlg>(*session, state, prompts, CNameLanguages{});
    }

    // A click in a list: the row is selected, then the 50 ms check runs.
    static void Click(CDictionaryManagerDlg& dlg, CManagerList* pList, int nRow) {
        pList->SelectRow(nRow);
        dlg.CheckSelection();
    }
};

TEST_F(ManagerTest, AddEnableOrderDisableRenameAndDeleteReachTheGroupsFileAndTheFolder) {
    Compile(dicts, "birds", "Birds");
    WriteFile(dicts / "broken.gmd", "$FILE_TYPE: DICT\r\n");
    Compile(download, "animals", "Animals");
    WriteFile(download / "animals" / "pictures" / "cat.png", "png");
    WriteFile(download / "animals_info.txt", "<English>\nAnimals of the farm\n");
    Compile(download, "colours", "Colours");
    Compile(download, "birds", "Other birds");
    StartSession();
    auto dlg = Open();
    CManagerList& disabled = *dlg->DisabledList();
    CManagerList& enabled = *dlg->EnabledList();
    // A file that did not open is listed by its file name, in its own colour.
    EXPECT_EQ(Dump(disabled), "broken.gmd!");
    EXPECT_EQ(Dump(enabled), "Birds");
    EXPECT_EQ(dlg->Selection(), CListSelection::Disabled(0));
    dlg->CheckSelection();
    EXPECT_EQ(dlg->InformationFields(),
              (QStringList{QString::fromStdU16String(FormatTextId(IDS_DICTIONARY_CORRUPTED)),
                           "broken.gmd", "", ""}));

    // Add: companions and information files come along; a file of the same
    // name is replaced only when the user agrees (here: no).
    chosenFiles = {QString::fromStdString((download / "animals.gmd").string()),
                   QString::fromStdString((download / "birds.gmd").string()),
                   QString::fromStdString((download / "colours.gmd").string())};
    dlg->AddDictionaries();
    // The refresh reports the broken file again, in one error box.
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[0], "replace: birds.gmd");
    EXPECT_EQ(said[1].rfind("error: Error while processing file", 0), 0u) << said[1];
    EXPECT_TRUE(fs::exists(dicts / "animals" / "pictures" / "cat.png"));
    EXPECT_TRUE(fs::exists(dicts / "animals_info.txt"));
    // New files join the end of "All dictionaries", enabled.
    EXPECT_EQ(Dump(enabled), "Birds,Animals of the farm,Colours");

    // A new group starts with every dictionary disabled.
    groupNames = {"Travel"};
    dlg->CreateGroup();
    EXPECT_EQ(dlg->SelectedGroup(), 1);
    EXPECT_EQ(Dump(disabled), "Animals of the farm,Birds,broken.gmd!,Colours");
    EXPECT_EQ(Dump(enabled), "");
    EXPECT_EQ(dlg->Selection(), CListSelection::Disabled(0));

    // A file that did not open cannot be enabled.
    said.clear();
    Click(*dlg, &disabled, 2);
    dlg->EnableDictionary();
    EXPECT_EQ(said,
              std::vector<std::string>{"warn: " + ToUtf8(FormatTextId(IDS_DICTIONARY_CORRUPTED))});
    EXPECT_EQ(Dump(enabled), "");

    Click(*dlg, &disabled, 3);  // Colours, the last row: the selection moves up
    dlg->EnableDictionary();
    EXPECT_EQ(dlg->Selection(), CListSelection::Disabled(2));
    Click(*dlg, &disabled, 0);  // Animals
    dlg->EnableDictionary();
    EXPECT_EQ(Dump(enabled), "Animals of the farm,Colours");
    Click(*dlg, &enabled, 1);
    EXPECT_EQ(dlg->Selection(), CListSelection::Enabled(1));
    EXPECT_EQ(dlg->InformationFields(), (QStringList{"Colours", "colours.gmd", "3", "4"}));
    dlg->MoveToTop();
    EXPECT_EQ(Dump(enabled), "Colours,Animals of the farm");
    EXPECT_EQ(dlg->Selection(), CListSelection::Enabled(0));
    Click(*dlg, &disabled, 0);  // Birds
    dlg->EnableDictionary();
    Click(*dlg, &enabled, 2);
    dlg->MoveUp();
    EXPECT_EQ(Dump(enabled), "Colours,Birds,Animals of the farm");
    EXPECT_EQ(dlg->Selection(), CListSelection::Enabled(1));
    dlg->DisableDictionary();
    EXPECT_EQ(Dump(enabled), "Colours,Animals of the farm");
    EXPECT_EQ(dlg->Selection(), CListSelection::Enabled(1));

    groupNames = {"Trips", "All dictionaries"};
    dlg->RenameGroup();
    said.clear();
    dlg->RenameGroup();  // onto another group's name
    EXPECT_EQ(said,
              std::vector<std::string>{"warn: " + ToUtf8(FormatTextId(IDS_GROUP_NAME_TAKEN))});

    // Delete: the companion folder and the information file go too, to the
    // trash, without a second question.
    said.clear();
    Click(*dlg, &enabled, 1);
    dlg->DeleteDictionary();
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said[0], "ask: Delete dictionary 'Animals of the farm'?");
    for (const char* name : {"animals.gmd", "animals", "animals_info.txt"}) {
        EXPECT_FALSE(fs::exists(dicts / name)) << name;
        EXPECT_TRUE(fs::exists(CQtEnvironment::TrashFiles() / name)) << name;
    }
    EXPECT_FALSE(fs::exists(fs::current_path() / "files" / "animals.gmd"));
    EXPECT_EQ(dlg->Selection(), CListSelection::Enabled(0));
    // A file that did not open can be deleted.
    Click(*dlg, &disabled, 1);
    ASSERT_EQ(disabled.RowText(1).trimmed(), "broken.gmd");
    dlg->DeleteDictionary();
    EXPECT_FALSE(fs::exists(dicts / "broken.gmd"));
    EXPECT_EQ(Dump(disabled), "Birds");
    EXPECT_EQ(dlg->Selection(), CListSelection::Disabled(0));

    dlg->Refresh();
    CDictGroupFile file;
    ASSERT_TRUE(file.ReadGroupFile(program / "DictGroup.bin")) << ToUtf8(file.GetError());
    EXPECT_EQ(file.m_arrGroupNames, (std::vector<std::u16string>{u"All dictionaries", u"Trips"}));
    EXPECT_EQ(file.m_arrFileNames, (std::vector<std::u16string>{u"birds.gmd", u"colours.gmd"}));
    using E = CGroupTableEntry;
    EXPECT_EQ(file.m_arrGroupTables,
              (std::vector<std::vector<E>>{{{0, true}, {1, true}}, {{1, true}, {0, false}}}));
    EXPECT_EQ(file.m_nFirstGroupMarker, 1);
    // The "birds.gmd" that was not to be replaced is still the old one.
    EXPECT_EQ(Dump(*dlg->EnabledList()), "Colours");
    EXPECT_EQ(ToUtf8(session->GetLibrary().GetDictionary(0)->GetName()), "Birds");
}

TEST_F(ManagerTest, ADictionaryInstalledForEveryUserIsListedAfterOursAndNeverDeleted) {
    const fs::path system = root / "system";
    fs::create_directories(system);
    Compile(system, "shared", "Shared");
    Compile(dicts, "own", "Own");
    session = std::make_unique<CDictSession>(FromUtf8(program.string()), FromUtf8(program.string()),
                                             nullptr);
    session->SetDictionaryFolders(FromUtf8(dicts.string()), {FromUtf8(system.string())});
    static_cast<void>(session->InitDictionaries());
    auto dlg = Open();
    EXPECT_EQ(Dump(*dlg->EnabledList()), "Own,Shared");
    Click(*dlg, dlg->EnabledList(), 1);
    dlg->DeleteDictionary();
    EXPECT_EQ(said, std::vector<std::string>{
                        "warn: " +
                        ToUtf8(FormatTextId(IDS_SYSTEM_DICTIONARY_NOT_DELETABLE, {u"Shared"}))});
    EXPECT_TRUE(fs::exists(system / "shared.gmd"));
    EXPECT_EQ(Dump(*dlg->EnabledList()), "Own,Shared");
}

TEST_F(ManagerTest, GroupZeroOnlyOrders) {
    for (const char* name : {"a", "b", "c"})
        Compile(dicts, name, std::string("Dict ") + name);
    StartSession();
    auto dlg = Open();
    Click(*dlg, dlg->EnabledList(), 2);
    dlg->DisableDictionary();
    dlg->DisableAll();
    EXPECT_EQ(Dump(*dlg->EnabledList()), "Dict a,Dict b,Dict c");
    dlg->MoveToTop();
    EXPECT_EQ(Dump(*dlg->EnabledList()), "Dict c,Dict a,Dict b");
    dlg->MoveToBottom();
    EXPECT_EQ(Dump(*dlg->EnabledList()), "Dict a,Dict b,Dict c");
    EXPECT_EQ(dlg->Selection(), CListSelection::Enabled(2));
    EXPECT_EQ(dlg->ImportantMessages().toStdU16String(),
              FormatTextId(IDS_ALL_ENABLED) + u" " + FormatTextId(IDS_CREATE_GROUP_HINT));
    dlg->DeleteGroup();
    EXPECT_EQ(said, std::vector<std::string>{"warn: " +
                                             ToUtf8(FormatTextId(IDS_FIRST_GROUP_NOT_DELETABLE))});
}

TEST_F(ManagerTest, GroupCommandsAndMessages) {
    Compile(dicts, "a", "Dict a");
    StartSession();
    auto dlg = Open();
    groupNames = {"  ", "Mine"};
    dlg->CreateGroup();  // blanks only: refused
    EXPECT_EQ(said,
              std::vector<std::string>{"warn: " + ToUtf8(FormatTextId(IDS_ENTER_GROUP_NAME))});
    dlg->CreateGroup();
    ASSERT_EQ(session->GetGroupList()->GetGroupCount(), 2);
    EXPECT_EQ(dlg->ImportantMessages(), "");
    // The library's current group without enabled dictionaries is named.
    ASSERT_TRUE(session->GetGroupList()->SetCurrentGroup(1));
    dlg->SelectGroup(0);
    EXPECT_EQ(dlg->ImportantMessages().toStdString(),
              "Warning! There are no enabled dictionaries in group 'Mine'.\r\n" +
                  ToUtf8(FormatTextId(IDS_ALL_ENABLED)));
    dlg->SelectGroup(1);
    said.clear();
    bYes = false;
    dlg->DeleteGroup();
    EXPECT_EQ(session->GetGroupList()->GetGroupCount(), 2);
    bYes = true;
    dlg->DeleteGroup();
    EXPECT_EQ(said,
              (std::vector<std::string>{"ask: Delete group 'Mine'?", "ask: Delete group 'Mine'?"}));
    EXPECT_EQ(session->GetGroupList()->GetGroupCount(), 1);
    EXPECT_EQ(dlg->SelectedGroup(), 0);
}

TEST_F(ManagerTest, FilesAlreadyInTheFolderAndAMissingFolder) {
    Compile(dicts, "a", "Dict a");
    Compile(dicts, "b", "Dict b");
    StartSession();
    auto dlg = Open();
    chosenFiles = {QString::fromStdString((dicts / "a.gmd").string())};
    dlg->AddDictionaries();
    chosenFiles.append(QString::fromStdString((dicts / "b.gmd").string()));
    dlg->AddDictionaries();
    EXPECT_EQ(said, (std::vector<std::string>{
                        "inform: " + ToUtf8(FormatTextId(IDS_DICTIONARY_INSTALLED)),
                        "inform: " + ToUtf8(FormatTextId(IDS_DICTIONARIES_INSTALLED))}));
    dlg->Explore();
    EXPECT_EQ(opened, std::vector<std::string>{dicts.string() + "/"});
    said.clear();
    fs::remove_all(dicts);
    dlg->Explore();
    EXPECT_EQ(said, std::vector<std::string>{
                        "error: " + ToUtf8(FormatTextId(IDS_FOLDER_NOT_FOUND,
                                                        {FromUtf8(dicts.string() + "/")}))});
}

TEST(GroupNameWindow, AnEmptyNameIsRefusedAndTheWindowStays) {
    std::vector<QString> warnings;
    CGroupNameDlg dlg(
        QString(), [&](QWidget*, const QString& text) { warnings.push_back(text); }, nullptr);
    dlg.NameField()->setText("   ");
    dlg.accept();
    EXPECT_EQ(warnings,
              std::vector<QString>{QString::fromStdU16String(FormatTextId(IDS_ENTER_GROUP_NAME))});
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    dlg.NameField()->setText(" Travel ");
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Name(), "Travel");
}

// The form switch through the settings file: the reduced form opens with
// the same group, selection and place, and the form is written back.
TEST_F(ManagerTest, TheFormSwitchKeepsPositionGroupAndSelection) {
    for (const char* name : {"a", "b", "c", "d"})
        Compile(dicts, name, std::string("Dict ") + name);
    StartSession();
    const fs::path ini = program / "Glossmere.ini";
    CManagerSetup setup;
    setup.pSession = session.get();
    setup.iniPath = ini;
    setup.prompts = prompts;
    std::vector<std::string> seen;
    setup.onWindow = [&](CDictionaryManagerDlg& dlg) {
        QTimer::singleShot(0, &dlg, [&dlg, &seen] {
            seen.push_back(std::to_string(dlg.pos().x()) + "," + std::to_string(dlg.pos().y()) +
                           " " + std::to_string(EncodeSelection(dlg.Selection())) + " " +
                           (dlg.InformationFields().isEmpty() ? "reduced" : "full"));
            if (seen.size() == 1) {
                dlg.move(140, 90);
                Click(dlg, dlg.EnabledList(), 2);
                dlg.SwitchForm();
            } else {
                dlg.accept();
            }
        });
    };
    ASSERT_TRUE(RunDictionaryManager(nullptr, setup, false));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1], "140,90 3 reduced");
    CIniFile file;
    std::u16string error;
    ASSERT_TRUE(file.Load(ini, error));
    EXPECT_EQ(file.GetString(u"ADD_ADJUST", u"ManageDlgLess"), u"1");

    // A bad value keeps the manager closed.
    WriteFile(ini, "[ADD_ADJUST]\nManageDlgLess=2\n");
    said.clear();
    setup.prompts = prompts;
    EXPECT_FALSE(RunDictionaryManager(nullptr, setup, false));
    EXPECT_EQ(said, std::vector<std::string>{
                        "error: " + ToUtf8(FormatTextId(IDS_REDUCED_MANAGER_ERROR)) +
                        "\r\nINI file; section 'ADD_ADJUST'; key = 'ManageDlgLess'"});
}

}  // namespace
