// The real main window, offscreen, over the sample dictionaries in a
// temporary home: typing, paging, layout and font size, links, stopping and
// closing during a search.
#include "shell/MainFrame.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "library/DictSession.h"
#include "shell/MyDictView.h"
#include "support/MapHistoryStore.h"

namespace {

namespace fs = std::filesystem;

// While closed, the search thread waits in its first lemma lookup, so a test
// can act while a search is surely running.
std::atomic<bool> g_bGateOpen{true};

CLemmaProvider GatedLemmas() {
    return {[](int) { return true; },
            [](std::u16string_view, int, std::vector<std::u16string>&) {
                while (!g_bGateOpen.load())
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }};
}

// A dictionary with links of every kind and 45 articles that share a word.
const char kLinksSource[] =
    "$FILE_TYPE: DICT\n$DICT_TYPE: MAIN\n$INDEX: BOTH\n$MORPH: English(L)\n$NAME: Links\n\n"
    "kitten ##:## a young <a href=\"find\"> cat </a>; see <a href=\"find://Tiger\">big ones</a>, "
    "<a href=\"http://example.org/cats\">pictures</a> or <a href=\"file:///etc/passwd\">this</a>"
    "\n\ncat ##:## a small animal\n\ntiger ##:## a big cat\n";

class MainFrameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_pDictionaries = new QTemporaryDir;
        const fs::path folder = s_pDictionaries->path().toStdString();
        for (const auto& entry : fs::directory_iterator(GLOSS_SAMPLES_DIR))
            fs::copy_file(entry.path(), folder / entry.path().filename());
        const fs::path source = folder.parent_path() / "links-source.txt";
        std::ofstream(source) << kLinksSource << [] {
            std::string more;
            for (int n = 1; n <= 45; ++n)
                more += "\nentry" + std::to_string(n) + " ##:## common word\n";
            return more;
        }();
        const std::string command = std::string(GLOSS_BIN_DIR) + "/glossmill --compile '" +
                                    source.string() + "' --out '" + folder.string() +
                                    "' --quiet >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
        fs::remove(source);
    }
    static void TearDownTestSuite() { delete s_pDictionaries; }

    void SetUp() override {
        fs::copy(s_pDictionaries->path().toStdString(), Home() / "Dictionaries");
        m_pSession =
            std::make_unique<CDictSession>(Home().u16string(), Home().u16string(), nullptr);
        ASSERT_TRUE(m_pSession->InitDictionaries())
            << QString::fromStdU16String(m_pSession->GetError()).toStdString();
        m_pSearch = std::make_unique<CDictSearch>(GatedLemmas(), *m_pSession->GetGroupList());
        m_pFrame = std::make_unique<CMainFrame>(*m_pSession, *m_pSearch, m_app, m_view, m_store);
        m_pFrame->GetView()->SetUrlOpener([this](const QUrl& url) {
            m_opened.push_back(url.toString());
            return true;
        });
        m_pFrame->show();
        m_pFrame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_pFrame.get()));
        m_pFrame->SetUpView();
    }
    void TearDown() override {
        g_bGateOpen = true;
        WaitIdle();
    }

    fs::path Home() const { return fs::path(m_home.path().toStdString()); }
    QComboBox* Field() const { return m_pFrame->findChild<QComboBox*>("SearchText"); }
    QString Page() const { return m_pFrame->GetView()->GetShownHtml(); }
    bool Enabled(ShellCommand nCommand) const { return m_pFrame->GetAction(nCommand)->isEnabled(); }

    void Type(const QString& strText) {
        Field()->lineEdit()->clear();
        QTest::keyClicks(Field()->lineEdit(), strText);
        QTest::keyClick(Field()->lineEdit(), Qt::Key_Return);
    }
    void WaitIdle() {
        if (m_pFrame) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !m_pFrame->IsSearching(); }, 10000));
        }
    }
    // Clicks the link whose address is strHref.
    void ClickLink(const QString& strHref) {
        CMyDictView* pView = m_pFrame->GetView();
        for (QTextBlock block = pView->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.charFormat().anchorHref() != strHref) continue;
                QTextCursor cursor(pView->document());
                cursor.setPosition(fragment.position() + 1);
                QTest::mouseClick(pView->viewport(), Qt::LeftButton, {},
                                  pView->cursorRect(cursor).center());
                return;
            }
        }
        FAIL() << "no link " << strHref.toStdString();
    }

    QTemporaryDir m_home;
    static QTemporaryDir* s_pDictionaries;
    CAppSettings m_app;
    CViewState m_view;
    CMapStore m_store;
    std::unique_ptr<CDictSession> m_pSession;
    std::unique_ptr<CDictSearch> m_pSearch;
    std::unique_ptr<CMainFrame> m_pFrame;
    std::vector<QString> m_opened;
};

QTemporaryDir* MainFrameTest::s_pDictionaries = nullptr;

TEST_F(MainFrameTest, EnterSearchesAndThePagesLayoutAndFontSizeFollow) {
    EXPECT_TRUE(Page().contains(u"Glossmere 2.03"));
    Type(QStringLiteral("  common "));
    WaitIdle();
    EXPECT_EQ(m_pFrame->windowTitle(), QStringLiteral("[common] - Glossmere"));
    EXPECT_EQ(Field()->itemText(0), QStringLiteral("common"));
    EXPECT_TRUE(
        Page().contains(u"Page <B>1</B> of <B>3</B>, articles <B>1</B> - <B>20</B> of <B>45</B>"));
    EXPECT_FALSE(Enabled(ID_PREV_PAGE));
    m_pFrame->GetAction(ID_NEXT_PAGE)->trigger();
    m_pFrame->GetAction(ID_NEXT_PAGE)->trigger();
    EXPECT_TRUE(Page().contains(u"articles <B>41</B> - <B>45</B> of <B>45</B>"));
    EXPECT_FALSE(Enabled(ID_NEXT_PAGE));
    m_pFrame->GetAction(ID_PREV_PAGE)->trigger();
    EXPECT_TRUE(Page().contains(u"Page <B>2</B> of <B>3</B>"));

    EXPECT_FALSE(Page().contains(u"border-collapse"));
    m_pFrame->GetAction(ID_LAYOUT_TABLE)->trigger();
    EXPECT_TRUE(Page().contains(u"border-collapse"));
    EXPECT_TRUE(Page().contains(u"Page <B>2</B> of <B>3</B>"));
    QTest::keyClick(m_pFrame.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(m_pFrame->GetViewState().nFontSize, 20);
    EXPECT_TRUE(Page().contains(u"FONT-SIZE: 20px"));

    // A sort order already in force changes nothing; another clears the page.
    m_pFrame->GetAction(ID_SORT_NONE)->trigger();
    EXPECT_TRUE(Page().contains(u"Page <B>2</B> of <B>3</B>"));
    m_pFrame->GetAction(ID_SORT_ALPHABET)->trigger();
    EXPECT_TRUE(Page().contains(u"Glossmere 2.03"));
    EXPECT_EQ(m_pFrame->windowTitle(), QStringLiteral("Glossmere"));
    EXPECT_FALSE(Enabled(ID_NEXT_PAGE));

    Type(QStringLiteral("zzzz"));
    WaitIdle();
    EXPECT_TRUE(Page().contains(u"zzzz") && Page().contains(u"not found"));
}

TEST_F(MainFrameTest, FindLinksSearchAndOnlyWebLinksOpen) {
    Type(QStringLiteral("kitten"));
    WaitIdle();
    const QString strKittenPage = Page();
    ClickLink(QStringLiteral("http://example.org/cats"));
    ClickLink(QStringLiteral("file:///etc/passwd"));
    EXPECT_EQ(m_opened, std::vector<QString>{QStringLiteral("http://example.org/cats")});
    EXPECT_EQ(Page(), strKittenPage);

    ClickLink(QStringLiteral("find"));
    WaitIdle();
    EXPECT_EQ(m_pFrame->windowTitle(), QStringLiteral("[cat] - Glossmere"));
    Type(QStringLiteral("kitten"));
    WaitIdle();
    ClickLink(QStringLiteral("find://Tiger"));
    WaitIdle();
    EXPECT_EQ(m_pFrame->windowTitle(), QStringLiteral("[tiger] - Glossmere"));
    EXPECT_TRUE(Page().contains(u"a big cat"));
}

TEST_F(MainFrameTest, ADarkPaletteShowsThePageInItsColours) {
    Type(QStringLiteral("sea"));
    WaitIdle();
    const QString strPage = Page();
    QPalette dark = m_pFrame->GetView()->palette();
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, QColor(0xdd, 0xdd, 0xdd));
    m_pFrame->GetView()->setPalette(dark);
    const QString strShown = m_pFrame->GetView()->document()->toHtml();
    EXPECT_TRUE(strShown.contains(u"#dddddd"));
    EXPECT_FALSE(strShown.contains(u"#000000"));
    EXPECT_FALSE(strShown.contains(u"#0000ff"));
    EXPECT_EQ(Page(), strPage);  // what the renderer wrote stays as it was
    if (qEnvironmentVariableIsSet("GLOSS_WINDOW_SHOTS"))
        m_pFrame->grab().save(qEnvironmentVariable("GLOSS_WINDOW_SHOTS") + "/dark.png");
}

TEST_F(MainFrameTest, StopEndsASearchWithTheAbortedPage) {
    g_bGateOpen = false;
    Type(QStringLiteral("apple"));
    EXPECT_TRUE(m_pFrame->IsSearching());
    EXPECT_TRUE(Page().contains(u"Searching"));
    EXPECT_TRUE(Enabled(ID_STOP));
    EXPECT_FALSE(Enabled(ID_SEARCH));
    EXPECT_FALSE(Field()->isEnabled());
    m_pFrame->GetAction(ID_STOP)->trigger();
    EXPECT_FALSE(Enabled(ID_STOP));
    g_bGateOpen = true;
    WaitIdle();
    EXPECT_TRUE(Page().contains(u"Text search aborted"));
    EXPECT_TRUE(Enabled(ID_SEARCH));
    EXPECT_FALSE(Enabled(ID_STOP));
}

TEST_F(MainFrameTest, ClosingDuringASearchAsksAndStopsWithoutClosing) {
    g_bGateOpen = false;
    Type(QStringLiteral("apple"));
    QString strQuestion;
    QTimer::singleShot(0, [&] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(pBox, nullptr);
        strQuestion = pBox->text();
        pBox->button(QMessageBox::Yes)->click();
    });
    EXPECT_FALSE(m_pFrame->close());
    EXPECT_EQ(strQuestion, QStringLiteral("Text search in progress\r\nStop text search?"));
    g_bGateOpen = true;
    WaitIdle();
    EXPECT_TRUE(Page().contains(u"Text search aborted"));
    EXPECT_TRUE(m_pFrame->close());
    EXPECT_EQ(m_store.values[QStringLiteral("MyDictHist0")], QStringLiteral("apple"));
}

}  // namespace
