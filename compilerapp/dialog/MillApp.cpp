#include "MillApp.h"

#include <QApplication>
#include <QProcess>

#include "MainDialog.h"
#include "compiler/DictCompiler.h"
#include "compiler/LemmatizerSource.h"
#include "core/InstallLayout.h"
#include "core/Lemmatizer.h"
#include "core/MorphologySettings.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"
#include "ui/HelpPages.h"
#include "ui/LanguagePack.h"
#include "ui/MessageBoxes.h"
#include "ui/SingleInstance.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;

// Shows the message and gives the exit code of a start that cannot go on.
int StartFailed(std::u16string_view text) {
    ShowErrorBox(nullptr, text);
    return kExitFailed;
}

// The main dialog over one compiler with the program's morphology, until the
// dialog closes.
void RunMainDialog(CMillSettings& settings, CSingleInstance& instance,
                   const std::filesystem::path& iniPath, bool bGerman) {
    const CInstallLayout layout = GetInstallLayout();
    CLemmatizer lemmatizer(layout.strLibraryFolder);
    lemmatizer.SetMorphologyRoot(layout.strLibraryFolder);
    if (bGerman) lemmatizer.EnableLanguage(CLemmatizer::LANG_GERMAN);
    CLemmatizerSource lemmas(lemmatizer);
    CDictCompiler compiler;
    compiler.SetLemmaSource(&lemmas);
    CMainDialog dialog({settings, compiler, iniPath, ToUtf8(layout.strProgramFolder),
                        HelpFolder(ToUtf8(layout.strDataFolder))});
    // A second start brings this one to the front.
    QObject::connect(&instance, &CSingleInstance::messageReceived, &dialog, [&dialog] {
        dialog.showNormal();
        dialog.raise();
        dialog.activateWindow();
    });
    dialog.exec();
}

}  // namespace

int RunMillWindow(int argc, char** argv, const std::filesystem::path& configFolder,
                  const std::filesystem::path& dictFolder, const QStringList& restartArguments) {
    QApplication app(argc, argv);
    const std::filesystem::path dataFolder = ToUtf8(GetInstallLayout().strDataFolder);
    const std::filesystem::path iniPath = configFolder / "Glossmill.ini";
    {
        // A first start begins from the shipped settings, which list the
        // interface languages.
        std::error_code ec;
        if (!std::filesystem::exists(iniPath, ec))
            std::filesystem::copy_file(dataFolder / "Glossmill.ini", iniPath, ec);
    }
    CIniFile ini;
    std::u16string strError;
    if (!ini.Load(iniPath, strError)) return StartFailed(strError);
    CMillSettings settings;
    if (!settings.ReadLanguages(ini)) return StartFailed(settings.GetError());
    if (const std::u16string strLibrary = settings.GetStartLibrary(); !strLibrary.empty()) {
        const std::filesystem::path pack =
            dataFolder / "GlossmillLang" / (ToUtf8(strLibrary) + ".qm");
        if (!InstallLanguagePack(QString::fromStdString(pack.string())))
            return StartFailed(
                FormatTextId(IDS_MILL_LANGUAGE_PACK_MISSING, {FromUtf8(pack.string())}));
    }
    {
        CSingleInstance instance(QStringLiteral("Glossmill"));
        if (instance.Start({}) != CSingleInstance::Outcome::First) {
            ShowWarningBox(nullptr, FormatTextId(IDS_ALREADY_IN_USE));
            return kExitFailed;
        }
        const std::filesystem::path& defaultFolder = dictFolder;
        settings.ReadDictFolder(ini, defaultFolder);
        if (settings.GetDictFolder() == defaultFolder) {
            // A first start finds its dictionaries folder ready to compile into.
            std::error_code ec;
            std::filesystem::create_directories(defaultFolder, ec);
        }
        if (!settings.ReadDictSetting(ini)) return StartFailed(settings.GetError());
        // A bad value is said and leaves German lemmas off.
        const bool bGerman = ReadGermanSetting(ini, IDS_MILL_INI_LOCATION, strError);
        if (!strError.empty()) ShowErrorBox(nullptr, strError);
        RunMainDialog(settings, instance, iniPath, bGerman);
    }
    // The lock is gone, so the new start is the only one.
    if (settings.NeedsRestart())
        QProcess::startDetached(QCoreApplication::applicationFilePath(), restartArguments);
    return kExitOk;
}
