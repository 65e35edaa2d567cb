// The compiler's dialogs driven as a user drives them, offscreen, in a
// temporary home.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "compiler/DictCompiler.h"
#include "compiler/LemmaSource.h"
#include "compilerapp/dialog/MainDialog.h"
#include "compilerapp/dialog/SettingsDialog.h"
#include "core/IniFile.h"
#include "core/StringTable.h"
#include "ui/DialogColours.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRunTimeoutMs = 120000;

// Runs action on the next modal window of type T as soon as it shows.
template <typename T>
void WhenModal(std::function<void(T&)> action) {
    auto* pTimer = new QTimer;
    pTimer->setInterval(10);
    QObject::connect(pTimer, &QTimer::timeout, [pTimer, action] {
        if (auto* pWindow = qobject_cast<T*>(QApplication::activeModalWidget())) {
            pTimer->stop();
            pTimer->deleteLater();
            action(*pWindow);
        }
    });
    pTimer->start();
}

// Morphology whose every module fails to load.
class CMissingModules : public CLemmaSource {
public:
    bool IsLanguageAvailable(int32_t) const override { return true; }
    bool LoadLanguage(int32_t, std::u16string&, std::u16string& strError) override {
        strError = u"No module here";
        return false;
    }
    void AppendWordLemmas(const std::string&, int32_t, std::vector<std::u16string>&) override {}
};

class MillDialog : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "milldialog_tests";
        static char* argv[] = {name, nullptr};
        s_pApp = new QApplication(argc, argv);
        QStandardPaths::setTestModeEnabled(true);
        SelectTextSet(TextSet::Compiler);
    }
    // Before the program's own globals go, which the application uses.
    static void TearDownTestSuite() {
        delete s_pApp;
        s_pApp = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        m_folder = fs::path(m_home.path().toStdString());
        fs::create_directories(m_folder / "Dictionaries");
        m_settings.SetDictFolder(m_folder / "Dictionaries");
        m_pDialog = std::make_unique<CMainDialog>(CMillDialogContext{
            m_settings, m_compiler, m_folder / "Glossmill.ini", m_folder, m_folder / "help"});
        m_pDialog->show();
    }

    template <typename T>
    T* Child(const char* name) {
        T* pChild = m_pDialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(pChild, nullptr) << name;
        return pChild;
    }
    QString Info() { return Child<QLabel>("Info")->text(); }
    QColor InfoColour() { return Child<QLabel>("Info")->palette().color(QPalette::WindowText); }
    QPushButton* CompileButton() { return Child<QPushButton>("CompileButton"); }

    fs::path Write(const std::string& name, const std::string& text) {
        std::ofstream(m_folder / name, std::ios::binary) << text;
        return m_folder / name;
    }

    // Presses Compile; the settings dialog that comes up is confirmed after
    // change has set it up.
    void Compile(const fs::path& source, std::function<void(CSettingsDialog&)> change = {}) {
        Child<QLineEdit>("SourceEdit")->setText(QString::fromStdString(source.string()));
        WhenModal<CSettingsDialog>([change](CSettingsDialog& dialog) {
            if (change) change(dialog);
            dialog.accept();
        });
        QTest::mouseClick(CompileButton(), Qt::LeftButton);
    }

    bool WaitIdle() {
        return QTest::qWaitFor([this] { return CompileButton()->text() == "Compile"; },
                               kRunTimeoutMs);
    }

    // Articles enough that a run takes a while.
    fs::path LargeSource() {
        std::string text = "$NAME: Large\n\n";
        for (int i = 0; i < 400000; ++i) {
            text += "headword" + std::to_string(i) + " ##:## translation of word number " +
                    std::to_string(i) + "\n\n";
        }
        return Write("large.txt", text);
    }

    static inline QApplication* s_pApp = nullptr;
    QTemporaryDir m_home;
    fs::path m_folder;
    CMillSettings m_settings;
    CDictCompiler m_compiler;
    std::unique_ptr<CMainDialog> m_pDialog;
};

TEST_F(MillDialog, CompilesASampleAndShowsItsStatistics) {
    const fs::path samples = GLOSS_SAMPLES_DIR;
    Child<QLineEdit>("MappingEdit")
        ->setText(QString::fromStdString((samples / "de-en-phrasebook.map").string()));
    EXPECT_FALSE(Child<QProgressBar>("Progress")->isVisible());
    EXPECT_EQ(Child<QComboBox>("LanguageBox")->currentText(), "English");
    Compile(samples / "de-en-phrasebook.txt");
    EXPECT_FALSE(Child<QLineEdit>("SourceEdit")->isEnabled());
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(Info().contains("articles and")) << Info().toStdString();
    EXPECT_TRUE(Info().contains("File size with index:")) << Info().toStdString();
    EXPECT_EQ(InfoColour(), QColor(0, 0, 255));
    EXPECT_EQ(Child<QGroupBox>("InfoGroup")->title(), "Information (de-en-phrasebook.txt)");
    EXPECT_FALSE(Child<QProgressBar>("Progress")->isVisible());
    EXPECT_TRUE(Child<QLineEdit>("SourceEdit")->isEnabled());
    EXPECT_TRUE(fs::exists(m_folder / "Dictionaries" / "de-en-phrasebook.gmd"));
    // The confirmed separators are kept.
    CIniFile ini;
    std::u16string strError;
    ASSERT_TRUE(ini.Load(m_folder / "Glossmill.ini", strError));
    EXPECT_EQ(ini.Find(u"DictSetting", u"ArticlePartsSep"), u"00230023003A00230023");
    EXPECT_EQ(ini.Find(u"DictSetting", u"ArticlesSepType"), u"2");
}

TEST_F(MillDialog, AbortStopsALargeRunWithoutAQuestion) {
    Compile(LargeSource());
    EXPECT_EQ(CompileButton()->text(), "Abort");
    // The polling shows the run's progress before the abort.
    ASSERT_TRUE(QTest::qWaitFor([this] { return Child<QProgressBar>("Progress")->value() > 0; },
                                kRunTimeoutMs));
    EXPECT_TRUE(Child<QProgressBar>("Progress")->isVisible());
    EXPECT_FALSE(Info().isEmpty());
    QTest::mouseClick(CompileButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Info(), "Indexing abort");
    EXPECT_FALSE(fs::exists(m_folder / "Dictionaries" / "large.gmd"));
    EXPECT_TRUE(fs::is_empty(m_folder / "Dictionaries"));
}

TEST_F(MillDialog, SyntaxErrorIsShownInRedWithItsLine) {
    const fs::path source =
        Write("bad.txt", "$NAME: Bad\n\nalpha ##:## one\n\nbeta ##:## two ##:## three\n");
    Compile(source);
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(Info().startsWith("Error in file, line 5\n")) << Info().toStdString();
    EXPECT_EQ(InfoColour(), QColor(255, 0, 0));
    EXPECT_FALSE(fs::exists(m_folder / "Dictionaries" / "bad.gmd"));
}

TEST_F(MillDialog, ClosingWhileCompilingAsksAndStaysOpen) {
    Compile(LargeSource());
    QString question;
    for (bool bStop : {false, true}) {
        WhenModal<QMessageBox>([&question, bStop](QMessageBox& box) {
            question = box.text();
            box.done(bStop ? QMessageBox::Yes : QMessageBox::No);
        });
        m_pDialog->reject();
        EXPECT_TRUE(m_pDialog->isVisible());
        EXPECT_EQ(question, "Dictionary compilation in progress\nStop compilation?");
        if (!bStop) {
            EXPECT_FALSE(m_compiler.IsAborted());
        }
    }
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Info(), "Indexing abort");
    // Idle, the dialog closes at once and keeps the folder.
    m_pDialog->reject();
    EXPECT_FALSE(m_pDialog->isVisible());
    CIniFile ini;
    std::u16string strError;
    ASSERT_TRUE(ini.Load(m_folder / "Glossmill.ini", strError));
    EXPECT_EQ(ini.Find(u"Parameters", u"DictFolder"),
              QString::fromStdString((m_folder / "Dictionaries").string()).toStdU16String());
}

TEST_F(MillDialog, SettingsDialogRefusesAnOverlongSeparator) {
    QString message;
    bool bStillOpen = false;
    WhenModal<CSettingsDialog>([&](CSettingsDialog& dialog) {
        EXPECT_FALSE(dialog.findChild<QLineEdit*>("OtherSeparator")->isEnabled());
        dialog.findChild<QRadioButton*>("OtherButton")->click();
        EXPECT_TRUE(dialog.findChild<QLineEdit*>("OtherSeparator")->isEnabled());
        dialog.findChild<QLineEdit*>("OtherSeparator")->setText(QString(26, '-'));
        WhenModal<QMessageBox>([&message](QMessageBox& box) {
            message = box.text();
            box.accept();
        });
        dialog.accept();
        bStillOpen = dialog.isVisible();
        dialog.reject();
    });
    Child<QLineEdit>("SourceEdit")->setText(QString::fromStdString(Write("a.txt", "a\n").string()));
    QTest::mouseClick(CompileButton(), Qt::LeftButton);
    EXPECT_TRUE(message.startsWith("Articles separator error")) << message.toStdString();
    EXPECT_TRUE(bStillOpen);
    // Cancel ends the compile before it starts.
    EXPECT_EQ(CompileButton()->text(), "Compile");
    EXPECT_TRUE(Info().isEmpty());
    EXPECT_EQ(m_settings.GetSeparatorInput().nType, ARTICLES_SEP_DOUBLE_LINE);
}

TEST_F(MillDialog, MissingFieldsAreReportedBeforeTheSettings) {
    struct Case {
        std::string source, folder;
        QString message;
    };
    const Case cases[] = {
        {"", (m_folder / "Dictionaries").string(), "Source file name not found"},
        {"a.txt", "", "Dictionary folder path not found:\n"},
        {"a.txt", (m_folder / "gone").string(),
         QString::fromStdString("Dictionary folder path not found:\n" +
                                (m_folder / "gone").string())},
    };
    for (const Case& c : cases) {
        Child<QLineEdit>("SourceEdit")->setText(QString::fromStdString(c.source));
        Child<QLineEdit>("FolderEdit")->setText(QString::fromStdString(c.folder));
        QString message;
        WhenModal<QMessageBox>([&message](QMessageBox& box) {
            message = box.text();
            box.accept();
        });
        QTest::mouseClick(CompileButton(), Qt::LeftButton);
        EXPECT_EQ(message, c.message);
    }
}

TEST_F(MillDialog, FailedModulesAskWhetherToGoOn) {
    CMissingModules modules;
    m_compiler.SetLemmaSource(&modules);
    const fs::path source = Write("morph.txt", "$MORPH: English(L)\n\nword ##:## Wort\n");
    for (bool bGoOn : {false, true}) {
        QString question;
        WhenModal<QMessageBox>([&question, bGoOn](QMessageBox& box) {
            question = box.text();
            box.done(bGoOn ? QMessageBox::Yes : QMessageBox::No);
        });
        Compile(source);
        ASSERT_TRUE(WaitIdle());
        EXPECT_EQ(question, "No module here\nContinue indexing?");
        EXPECT_EQ(Info().startsWith("Indexing abort"), !bGoOn) << Info().toStdString();
        EXPECT_EQ(fs::exists(m_folder / "Dictionaries" / "morph.gmd"), bGoOn);
    }
    m_compiler.SetLemmaSource(nullptr);
}

TEST_F(MillDialog, ADroppedFileBecomesTheSource) {
    const fs::path source = Write("dropped.txt", "word\n");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(source.string()))});
    const QPoint centre = m_pDialog->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_pDialog.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_pDialog.get(), &drop);
    EXPECT_EQ(Child<QLineEdit>("SourceEdit")->text().toStdString(), source.string());
}

TEST_F(MillDialog, AnotherLanguageIsSavedAndClosesForTheRestart) {
    CIniFile ini;
    ini.LoadText("[Languages]\n1=Russian\n[LangDLLs]\n1=ru\n");
    ASSERT_TRUE(m_settings.ReadLanguages(ini));
    CMainDialog dialog({m_settings, m_compiler, m_folder / "Glossmill.ini", m_folder, m_folder});
    dialog.show();
    auto* pBox = dialog.findChild<QComboBox*>("LanguageBox");
    ASSERT_EQ(pBox->count(), 2);
    EXPECT_EQ(pBox->itemText(1), "Russian");
    pBox->setCurrentIndex(1);
    emit pBox->activated(1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(m_settings.NeedsRestart());
    std::u16string strError;
    ASSERT_TRUE(ini.Load(m_folder / "Glossmill.ini", strError));
    EXPECT_EQ(ini.Find(u"Languages", u"AppLang"), u"1");
}

TEST_F(MillDialog, HelpWithoutPagesSaysSo) {
    QString message;
    WhenModal<QMessageBox>([&message](QMessageBox& box) {
        message = box.text();
        box.accept();
    });
    QTest::mouseClick(Child<QPushButton>("HelpButton"), Qt::LeftButton);
    EXPECT_EQ(message, "Help Topics in English not found");
}

TEST_F(MillDialog, PaleBlueOnALightPaletteOnlyAndReadableStatusText) {
    EXPECT_EQ(m_pDialog->palette().color(QPalette::Window), QColor(235, 243, 255));
    const QPalette light(QColor(240, 240, 240));
    const QPalette dark(QColor(40, 40, 40));
    EXPECT_EQ(DialogBackground(light), QColor(235, 243, 255));
    EXPECT_EQ(DialogBackground(dark), dark.color(QPalette::Window));
    EXPECT_EQ(StatusTextColour(true, light), QColor(255, 0, 0));
    EXPECT_EQ(StatusTextColour(false, light), QColor(0, 0, 255));
    // On a dark background both stay well apart from it.
    for (bool bError : {true, false})
        EXPECT_GT(StatusTextColour(bError, dark).lightness(), 128);
}

}  // namespace
