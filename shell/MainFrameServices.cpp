// The main window's smaller services: the interface-language menu, help, the
// selection menu of the result page, the information file, the compiler and
// the about box.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/InstallLayout.h"
#include "core/ProgramFolder.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "library/DictSession.h"
#include "shell/MainFrame.h"
#include "shell/MyDictView.h"
#include "shell/QtText.h"
#include "shell/ServiceRules.h"
#include "ui/DialogButtons.h"
#include "ui/HelpPages.h"

#ifndef GLOSS_VERSION
#define GLOSS_VERSION "0.0.0"
#endif

namespace {

// The section of the help page on getting dictionaries.
constexpr char kGettingDictionaries[] = "getting-dictionaries";

std::filesystem::path ProgramHelpFolder() {
    return HelpFolder(ToUtf8(GetInstallLayout().strDataFolder));
}

void Warn(QWidget* pParent, int nId) {
    QMessageBox::warning(pParent, TextOf(IDS_CAPTION_WARNING), TextOf(nId));
}

// A font height h becomes h - 2 when positive, h + 2 when negative, -9 when 0;
// Qt's point sizes are positive.
QFont SmallerFont(QFont font) {
    const qreal size = font.pointSizeF();
    font.setPointSizeF(size > 2 ? size - 2 : 9);
    return font;
}

QGroupBox* TextBox(const QString& strTitle, const QString& strText, QWidget* pParent,
                   const QFont* pFont = nullptr) {
    auto* pBox = new QGroupBox(strTitle, pParent);
    auto* pLabel = new QLabel(strText, pBox);
    pLabel->setWordWrap(true);
    if (pFont) pLabel->setFont(*pFont);
    (new QVBoxLayout(pBox))->addWidget(pLabel);
    return pBox;
}

}  // namespace

void CMainFrame::CreateServiceActions() {
    connect(AddCommand(ID_DICTIONARY_INFO, tr("Dictionary &information"),
                       QKeySequence(Qt::CTRL | Qt::Key_I)),
            &QAction::triggered, this, &CMainFrame::OpenDictionaryInformation);
    connect(AddCommand(ID_RUN_COMPILER, tr("Dictionary &compilation")), &QAction::triggered, this,
            &CMainFrame::RunCompiler);
    connect(AddCommand(ID_HELP_TOPICS, tr("&Help Topics"), QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, &CMainFrame::ShowHelp);
    connect(AddCommand(ID_ABOUT, tr("&About...")), &QAction::triggered, this,
            &CMainFrame::ShowAbout);
    connect(AddCommand(ID_COPY_SELECTION, tr("Copy")), &QAction::triggered, this,
            &CMainFrame::CopySelection);
    connect(AddCommand(ID_SEARCH_SELECTION, tr("Search")), &QAction::triggered, this,
            &CMainFrame::SearchSelection);
    // The view's own menu never shows: only a selection has a menu.
    m_pView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_pView, &QWidget::customContextMenuRequested, this, &CMainFrame::ShowSelectionMenu);
}

void CMainFrame::CreateLanguageMenu(QMenu* pView) {
    QMenu* pMenu = pView->addMenu(tr("Interface &language"));
    pMenu->setObjectName(QStringLiteral("LanguageMenu"));
    m_pLanguageGroup = new QActionGroup(this);
    for (const CLanguageItem& item : InterfaceLanguageItems(m_appSettings)) {
        QAction* pAction = pMenu->addAction(QString::fromStdU16String(item.strName));
        pAction->setCheckable(true);
        pAction->setChecked(item.nId == m_appSettings.nChosenLanguage);
        m_pLanguageGroup->addAction(pAction);
        connect(pAction, &QAction::triggered, this,
                [this, nId = item.nId] { emit languagePicked(nId); });
    }
}

QList<QAction*> CMainFrame::GetLanguageActions() const {
    return m_pLanguageGroup->actions();
}

void CMainFrame::CreateHelpMenu() {
    QMenu* pHelp = menuBar()->addMenu(tr("&Help"));
    pHelp->addAction(m_actions[ID_HELP_TOPICS]);
    pHelp->addSeparator();
    pHelp->addAction(m_actions[ID_ABOUT]);
}

void CMainFrame::ShowHelp() {
    const auto page = FindHelpPage(ProgramHelpFolder(), HelpLanguageName(m_appSettings));
    if (!page || !OpenHelpPage(*page)) Warn(this, IDS_SHELL_HELP_NOT_FOUND);
}

// There is no vendor's download page: the help tells where dictionaries come
// from and how to compile or import them.
void CMainFrame::DownloadDictionaries() {
    const auto page = FindHelpPage(ProgramHelpFolder(), HelpLanguageName(m_appSettings));
    if (!page) {
        Warn(this, IDS_SHELL_HELP_NOT_FOUND);
        return;
    }
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(page->string()));
    url.setFragment(QString::fromLatin1(kGettingDictionaries));
    if (!QDesktopServices::openUrl(url)) Warn(this, IDS_SHELL_HELP_NOT_FOUND);
}

void CMainFrame::OpenDictionaryInformation() {
    if (!m_nShownFile) return;
    const CFileWithResults& file = m_files.aFiles[static_cast<size_t>(*m_nShownFile)];
    const CDictIndexFile* pDict = m_search.GetParticipant(file.nPosition);
    if (!pDict) return;
    CDictLibrary& library = m_session.GetLibrary();
    library.SetShell(
        {[](std::u16string_view strPath) {
             return QDesktopServices::openUrl(
                 QUrl::fromLocalFile(QString::fromStdU16String(std::u16string(strPath))));
         },
         [this](std::u16string_view strText, std::u16string_view strCaption) {
             QMessageBox::warning(this, QString::fromStdU16String(std::u16string(strCaption)),
                                  QString::fromStdU16String(std::u16string(strText)));
         }});
    library.OpenDictInfoFile(pDict->GetFilePath());
}

void CMainFrame::RunCompiler() {
    const QString strProgram =
        QString::fromStdU16String(JoinPath(GetInstallLayout().strProgramFolder, u"glossmill"));
    if (!QFileInfo(strProgram).isExecutable() || !QProcess::startDetached(strProgram, {})) {
        QMessageBox::critical(this, TextOf(IDS_CAPTION_ERROR), TextOf(IDS_COMPILER_NOT_FOUND));
    }
}

void CMainFrame::ShowAbout() {
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("AboutDialog"));
    dialog.setWindowTitle(tr("About the program"));
    auto* pLayout = new QVBoxLayout(&dialog);
    auto* pHead = new QHBoxLayout;
    auto* pLogo = new QLabel(&dialog);
    pLogo->setPixmap(windowIcon().pixmap(64, 64));
    pHead->addWidget(pLogo);
    auto* pProduct = new QLabel(QStringLiteral("Glossmere \u00AE Version 2.03<br>") +
                                    tr("Build %1").arg(QStringLiteral(GLOSS_VERSION)),
                                &dialog);
    pProduct->setObjectName(QStringLiteral("ProductLine"));
    pHead->addWidget(pProduct, 1);
    pLayout->addLayout(pHead);
    pLayout->addWidget(TextBox(tr("Additional information"), TextOf(IDS_ABOUT_CREDITS), &dialog));
    const QFont smaller = SmallerFont(dialog.font());
    pLayout->addWidget(TextBox(tr("Warning"), TextOf(IDS_ABOUT_COPYRIGHT), &dialog, &smaller));
    auto* pButtons = new QDialogButtonBox(&dialog);
    QPushButton* pDownload =
        pButtons->addButton(tr("Download dictionaries"), QDialogButtonBox::ActionRole);
    connect(pDownload, &QPushButton::clicked, this, &CMainFrame::DownloadDictionaries);
    pButtons->addButton(OkText(), QDialogButtonBox::AcceptRole);
    connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    pLayout->addWidget(pButtons);
    dialog.setMinimumWidth(480);
    dialog.exec();
}

void CMainFrame::ShowSelectionMenu(const QPoint& position) {
    if (!m_pView->textCursor().hasSelection()) return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("SelectionMenu"));
    menu.addAction(m_actions[ID_COPY_SELECTION]);
    menu.addAction(m_actions[ID_SEARCH_SELECTION]);
    menu.exec(m_pView->viewport()->mapToGlobal(position));
}

void CMainFrame::CopySelection() {
    QClipboard* pClipboard = QApplication::clipboard();
    if (!m_pView->textCursor().hasSelection()) {
        QMessageBox::critical(this, TextOf(IDS_CAPTION_ERROR), tr("Copy failed"));
        return;
    }
    if (!pClipboard) return;
    pClipboard->setText(
        QString::fromStdU16String(SelectionText(m_pView->GetSelectedText().toStdU16String())));
}

void CMainFrame::SearchSelection() {
    if (!m_pView->textCursor().hasSelection()) {
        QMessageBox::critical(this, TextOf(IDS_CAPTION_ERROR), tr("Search failed"));
        return;
    }
    SearchFor(
        QString::fromStdU16String(SelectionText(m_pView->GetSelectedText().toStdU16String())));
}
