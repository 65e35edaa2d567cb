// The window's services offscreen: switching to Russian through the restart
// path, and the menu of a selection in the result page.
#include <gtest/gtest.h>

#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include "core/StringTable.h"
#include "core/TextIds.h"
#include "library/DictSession.h"
#include "shell/MainFrame.h"
#include "shell/MyDictView.h"
#include "shell/ServiceRules.h"
#include "ui/LanguagePack.h"

namespace {

namespace fs = std::filesystem;

class CNoStore : public CHistoryStore {
public:
    std::optional<QString> Read(const QString&) const override { return std::nullopt; }
    void Write(const QString&, const QString&) override {}
    void Remove(const QString&) override {}
};

class ServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path home = m_home.path().toStdString();
        fs::create_directories(home / "Dictionaries");
        fs::copy_file(fs::path(GLOSS_SAMPLES_DIR) / "en-ru-basic.gmd",
                      home / "Dictionaries" / "en-ru-basic.gmd");
        m_pSession = std::make_unique<CDictSession>(home.u16string(), home.u16string(), nullptr);
        ASSERT_TRUE(m_pSession->InitDictionaries());
        m_pSearch = std::make_unique<CDictSearch>(CLemmaProvider{}, *m_pSession->GetGroupList());
        m_app.aLanguages = {{u"Russian", u"Russian"}};
    }
    std::unique_ptr<CMainFrame> MakeFrame() {
        auto pFrame =
            std::make_unique<CMainFrame>(*m_pSession, *m_pSearch, m_app, CViewState{}, m_store);
        pFrame->show();
        return pFrame;
    }
    // The text of every menu of the menu bar, without the "&" marks.
    static QStringList MenuTitles(CMainFrame& frame) {
        QStringList titles;
        for (QAction* pAction : frame.menuBar()->actions())
            titles << pAction->text().remove(QLatin1Char('&'));
        return titles;
    }

    QTemporaryDir m_home;
    std::unique_ptr<CDictSession> m_pSession;
    std::unique_ptr<CDictSearch> m_pSearch;
    CAppSettings m_app;
    CNoStore m_store;
};

TEST_F(ServicesTest, PickingRussianRestartsIntoRussianMenusDialogsAndMessages) {
    {
        auto pFrame = MakeFrame();
        EXPECT_EQ(MenuTitles(*pFrame), (QStringList{"Tools", "Format", "View", "Help"}));
        const QList<QAction*> languages = pFrame->GetLanguageActions();
        ASSERT_EQ(languages.size(), 2);
        EXPECT_TRUE(languages[0]->isChecked());
        QSignalSpy picked(pFrame.get(), &CMainFrame::languagePicked);
        languages[0]->trigger();
        languages[1]->trigger();
        ASSERT_EQ(picked.size(), 2);
        EXPECT_FALSE(PickLanguage(m_app, picked[0][0].toInt()));
        EXPECT_TRUE(PickLanguage(m_app, picked[1][0].toInt()));
    }
    // What the program saves at the end and reads at the restart.
    CIniFile ini;
    ini.SetString(u"Languages", u"1", u"Russian");
    ini.SetString(u"LangDLLs", u"1", u"Russian");
    WriteAppSettings(ini, m_app);
    CAppSettings restarted;
    ASSERT_FALSE(ReadAppSettings(ini, restarted));
    ASSERT_EQ(restarted.nCurrentLanguage, 40002);
    const fs::path pack = LanguagePackPath(restarted, restarted.nCurrentLanguage, GLOSS_BIN_DIR);
    ASSERT_TRUE(InstallLanguagePack(QString::fromStdString(pack.string())));
    m_app = restarted;

    auto pFrame = MakeFrame();
    EXPECT_EQ(MenuTitles(*pFrame), (QStringList{"Сервис", "Формат", "Вид", "Справка"}));
    EXPECT_TRUE(pFrame->GetLanguageActions()[1]->isChecked());
    EXPECT_EQ(FormatTextId(IDS_SHELL_HELP_NOT_FOUND), u"Справка на английском языке не найдена");
    QString strAboutTitle;
    QTimer::singleShot(0, [&] {
        if (auto* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            strAboutTitle = pDialog->windowTitle();
            pDialog->accept();
        }
    });
    pFrame->GetAction(ID_ABOUT)->trigger();
    EXPECT_EQ(strAboutTitle, "О программе");
}

TEST_F(ServicesTest, OnlyASelectionHasAMenuAndItsTextIsCopiedTrimmed) {
    auto pFrame = MakeFrame();
    CMyDictView* pView = pFrame->GetView();
    pView->ShowHtmlBody(QStringLiteral("<pre>   big city   and more</pre>"));
    bool bMenuShown = false;
    const auto watchForMenu = [&] {
        QTimer::singleShot(50, [&] {
            if (auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                bMenuShown = pMenu->objectName() == "SelectionMenu";
                pMenu->close();
            }
        });
    };
    watchForMenu();
    emit pView->customContextMenuRequested(QPoint(5, 5));
    QTest::qWait(100);
    EXPECT_FALSE(bMenuShown);

    QTextCursor cursor(pView->document());
    cursor.setPosition(0);
    cursor.setPosition(14, QTextCursor::KeepAnchor);  // "   big city   "
    pView->setTextCursor(cursor);
    watchForMenu();
    emit pView->customContextMenuRequested(QPoint(5, 5));
    EXPECT_TRUE(bMenuShown);
    pFrame->GetAction(ID_COPY_SELECTION)->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "big city");
}

}  // namespace
