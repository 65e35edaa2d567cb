#include "shell/GlossmereApp.h"

#include <iostream>

#include <QApplication>
#include <QCryptographicHash>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include "core/IniFile.h"
#include "core/InstallLayout.h"
#include "core/Lemmatizer.h"
#include "core/MorphologySettings.h"
#include "core/ProgramFolder.h"
#include "core/TextIds.h"
#include "core/Utf8.h"
#include "library/DictSearch.h"
#include "library/DictSession.h"
#include "shell/FirstPaintProbe.h"
#include "shell/HistoryStore.h"
#include "shell/HomeFolder.h"
#include "shell/LanguageDialog.h"
#include "shell/MainFrame.h"
#include "shell/QtText.h"
#include "shell/ServiceRules.h"
#include "shell/ShellSettings.h"
#include "shell/WindowCommandLine.h"
#include "ui/LanguagePack.h"
#include "ui/SingleInstance.h"

namespace {

void ShowError(const std::u16string& strText) {
    QMessageBox::critical(nullptr, TextOf(IDS_CAPTION_ERROR), QString::fromStdU16String(strText));
}

// One window per home folder: two libraries kept apart are two programs to
// their user.
QString InstanceName(const std::u16string& strHome) {
    const QByteArray hash = QCryptographicHash::hash(QString::fromStdU16String(strHome).toUtf8(),
                                                     QCryptographicHash::Sha1);
    return QStringLiteral("Glossmere-") + QString::fromLatin1(hash.toHex().left(12));
}

// The interface language: asked for at the first start, then its pack is
// installed. False when the pack cannot be loaded; the start then ends.
bool SetUpInterfaceLanguage(CAppSettings& settings, const std::filesystem::path& dataFolder) {
    if (settings.bFirstRun) {
        CLanguageDialog dialog(settings);
        dialog.exec();
        settings.nCurrentLanguage = settings.nChosenLanguage = dialog.GetLanguage();
    }
    if (settings.nCurrentLanguage <= ID_LANGUAGE_BUILT_IN) return true;
    const std::filesystem::path pack =
        LanguagePackPath(settings, settings.nCurrentLanguage, dataFolder);
    if (!pack.empty() && InstallLanguagePack(QString::fromStdString(pack.string()))) return true;
    ShowError(FormatTextId(IDS_SHELL_LANGUAGE_PACK_MISSING, {FromUtf8(pack.string())}));
    return false;
}

int RunFirstInstance(const CWindowCommandLine& line, const CInstallLayout& layout,
                     const QElapsedTimer& sinceStart, bool& bRestart);

}  // namespace

int RunGlossmereWindow(int& argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glossmere"));
    QApplication::setOrganizationName(QStringLiteral("Glossmere"));
    // Qt has taken its own options out of the arguments.
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    std::string strUsageError;
    const std::optional<CWindowCommandLine> line = ParseWindowCommandLine(args, strUsageError);
    if (!line) {
        std::cerr << "glossmere: " << strUsageError << "\nTry 'glossmere --help'.\n";
        return 2;
    }
    const CInstallLayout layout = GetInstallLayout();

    bool bRestart = false;
    const int nExit = RunFirstInstance(*line, layout, sinceStart, bRestart);
    // The lock is gone, so the new start is the only one; it loads the
    // chosen language.
    if (bRestart) {
        QStringList arguments;
        if (!line->strHome.empty())
            arguments << QStringLiteral("--home") << QString::fromStdU16String(line->strHome);
        QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
    }
    return nExit;
}

namespace {

int RunFirstInstance(const CWindowCommandLine& line, const CInstallLayout& layout,
                     const QElapsedTimer& sinceStart, bool& bRestart) {
    const QString strQuery = QString::fromStdU16String(line.strQuery);
    const CUserFolders folders = ChooseHomeFolders(line.strHome, layout);
    const std::u16string& strHome = folders.strConfigFolder;
    CSingleInstance instance(InstanceName(strHome));
    switch (instance.Start(strQuery)) {
        case CSingleInstance::Outcome::HandedOver:
            return 0;
        case CSingleInstance::Outcome::Failed:
            QMessageBox::warning(nullptr, TextOf(IDS_CAPTION_WARNING), TextOf(IDS_ALREADY_IN_USE));
            return 1;
        case CSingleInstance::Outcome::First:
            break;
    }

    // Settings: a file that cannot be read, or a bad application setting,
    // stops the start before anything is written.
    const std::u16string strIniPath = JoinPath(strHome, kSettingsFileName);
    const std::filesystem::path dataFolder = ToUtf8(layout.strDataFolder);
    std::u16string strError;
    if (!PrepareHomeFolders(folders, layout, strError)) {
        ShowError(strError);
        return 1;
    }
    {
        // A first start begins from the shipped settings, which list the
        // interface languages.
        std::error_code ec;
        if (!std::filesystem::exists(ToUtf8(strIniPath), ec))
            std::filesystem::copy_file(dataFolder / ToUtf8(kSettingsFileName), ToUtf8(strIniPath),
                                       ec);
    }
    CIniFile ini;
    if (!ini.Load(std::filesystem::path(strIniPath), strError)) {
        ShowError(strError);
        return 1;
    }
    CAppSettings appSettings;
    if (const auto message = ReadAppSettings(ini, appSettings)) {
        ShowError(*message);
        return 1;
    }
    if (!SetUpInterfaceLanguage(appSettings, dataFolder)) return 1;

    CLemmatizer lemmatizer(layout.strLibraryFolder);
    if (ReadGermanSetting(ini, IDS_SHELL_INI_LOCATION, strError))
        lemmatizer.EnableLanguage(CLemmatizer::LANG_GERMAN);
    if (!strError.empty()) ShowError(strError);
    CDictSession session(strHome, layout.strLibraryFolder, &lemmatizer);
    session.SetDictionaryFolders(folders.strDictionariesFolder, folders.systemDictionaries);
    if (!session.InitDictionaries()) ShowError(session.GetError());
    CDictSearch search(&lemmatizer, *session.GetGroupList());

    CViewState viewState;
    const std::optional<std::u16string> viewMessage = ReadViewSettings(ini, viewState);
    CSettingsHistoryStore historyStore;
    CMainFrame frame(session, search, appSettings, viewState, historyStore);
    if (viewMessage) ShowError(*viewMessage);
    CFirstPaintProbe::InstallIfAsked(frame, sinceStart);
    QObject::connect(&frame, &CMainFrame::languagePicked, &frame,
                     [&frame, &appSettings, &bRestart](int nLanguage) {
                         if (PickLanguage(appSettings, nLanguage)) {
                             bRestart = true;
                             frame.close();
                         }
                     });
    frame.resize(1024, 720);
    frame.show();
    QTimer::singleShot(0, &frame, [&frame, &session, strQuery] {
        frame.SetUpView();
        if (!strQuery.isEmpty()) frame.SearchFor(strQuery);
        // After the first page: the words typed later find the index read in.
        session.GetLibrary().SetReadAhead(true);
    });
    QObject::connect(&instance, &CSingleInstance::messageReceived, &frame,
                     [&frame](const QString& strQuery) {
                         frame.setWindowState(frame.windowState() & ~Qt::WindowMinimized);
                         frame.raise();
                         frame.activateWindow();
                         if (!strQuery.isEmpty()) frame.SearchFor(strQuery);
                     });
    const int nExit = QApplication::exec();

    // The file as it is now: the dictionary manager writes its own key.
    CIniFile current;
    if (current.Load(std::filesystem::path(strIniPath), strError)) ini = std::move(current);
    WriteViewSettings(ini, frame.GetViewState());
    WriteAppSettings(ini, appSettings);
    if (!ini.Save(std::filesystem::path(strIniPath), strError)) ShowError(strError);
    return nExit;
}

}  // namespace
