#include "MainDialog.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <chrono>
#include <future>

#include "SettingsDialog.h"
#include "compiler/DictCompiler.h"
#include "compilerapp/CommandLine.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"
#include "ui/DialogButtons.h"
#include "ui/DialogColours.h"
#include "ui/FileFilter.h"
#include "ui/HelpPages.h"
#include "ui/MessageBoxes.h"
#include "ui/QtText.h"

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(50);

QString Text(int nId) {
    return ToQString(FormatTextId(nId));
}

std::filesystem::path PathOf(const QString& text) {
    return std::filesystem::path(text.toStdString());
}

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::vector<std::filesystem::path> LocalFiles(const QMimeData& data) {
    std::vector<std::filesystem::path> paths;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) paths.push_back(PathOf(url.toLocalFile()));
    }
    return paths;
}

// A group box holding an edit field and its "..." browse button.
QGroupBox* PathGroup(const QString& title, QLineEdit*& pEdit, QPushButton*& pBrowse,
                     const QString& name, QWidget* pParent) {
    auto* pGroup = new QGroupBox(title, pParent);
    pEdit = new QLineEdit(pGroup);
    pEdit->setObjectName(name + QStringLiteral("Edit"));
    // A file dropped on the field fills the source, as anywhere on the dialog.
    pEdit->setAcceptDrops(false);
    pBrowse = new QPushButton(QStringLiteral("..."), pGroup);
    pBrowse->setObjectName(name + QStringLiteral("Browse"));
    pBrowse->setFixedWidth(pBrowse->fontMetrics().horizontalAdvance(QStringLiteral("....")) * 3);
    auto* pLayout = new QHBoxLayout(pGroup);
    pLayout->addWidget(pEdit, 1);
    pLayout->addWidget(pBrowse);
    return pGroup;
}

}  // namespace

void ShowMillHelp(QWidget* pParent, const std::filesystem::path& helpFolder,
                  std::u16string_view languageName) {
    const auto page = FindHelpPage(helpFolder, languageName);
    if (!page || !OpenHelpPage(*page))
        ShowWarningBox(pParent, FormatTextId(IDS_MILL_HELP_NOT_FOUND));
}

CMainDialog::CMainDialog(CMillDialogContext context, QWidget* pParent)
    : QDialog(pParent), m_context(context) {
    setObjectName(QStringLiteral("MainDialog"));
    setWindowTitle(tr("Glossmill (dictionary compilation)"));
    setAcceptDrops(true);
    ApplyDialogBackground(*this);
    BuildControls();

    m_pFolderEdit->setText(PathText(m_context.settings.GetDictFolder()));
    m_pLanguageBox->addItem(QStringLiteral("English"));
    for (const CMillLanguage& language : m_context.settings.GetLanguages())
        m_pLanguageBox->addItem(ToQString(language.strName));
    m_pLanguageBox->setCurrentIndex(m_context.settings.GetSelectedLanguage());
    connect(m_pLanguageBox, &QComboBox::activated, this, &CMainDialog::OnLanguageChosen);
    m_infoCaption = m_pInfoGroup->title();

    m_timer.setInterval(kPollInterval);
    connect(&m_timer, &QTimer::timeout, this, &CMainDialog::OnTimer);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &CMainDialog::ShowHelp);
    m_context.compiler.SetAskContinue(
        [this](const std::u16string& strQuestion) { return AskContinue(strQuestion); });
    SetCompiling(false);
}

CMainDialog::~CMainDialog() {
    m_timer.stop();
    m_context.compiler.RequestAbort();
    m_context.compiler.Wait();
    m_context.compiler.SetAskContinue(nullptr);
}

void CMainDialog::BuildControls() {
    m_pProgress = new QProgressBar(this);
    m_pProgress->setObjectName(QStringLiteral("Progress"));
    m_pProgress->setTextVisible(false);
    // The bar keeps its room while hidden, so the dialog does not jump.
    QSizePolicy policy = m_pProgress->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_pProgress->setSizePolicy(policy);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(BuildSourceRow());
    pLayout->addWidget(m_pProgress);
    pLayout->addWidget(PathGroup(tr("Mapping file"), m_pMappingEdit, m_pMappingBrowse,
                                 QStringLiteral("Mapping"), this));
    pLayout->addWidget(PathGroup(tr("Dictionaries folder"), m_pFolderEdit, m_pFolderBrowse,
                                 QStringLiteral("Folder"), this));
    pLayout->addWidget(BuildInfoGroup(), 1);
    pLayout->addLayout(BuildBottomRow());
    setMinimumWidth(fontMetrics().averageCharWidth() * 80);

    connect(m_pSourceBrowse, &QPushButton::clicked, this, &CMainDialog::OnBrowseSource);
    connect(m_pMappingBrowse, &QPushButton::clicked, this, &CMainDialog::OnBrowseMapping);
    connect(m_pFolderBrowse, &QPushButton::clicked, this, &CMainDialog::OnBrowseFolder);
}

QLayout* CMainDialog::BuildSourceRow() {
    auto* pSourceGroup = PathGroup(tr("Source file"), m_pSourceEdit, m_pSourceBrowse,
                                   QStringLiteral("Source"), this);
    m_pCompileButton = new QPushButton(this);
    m_pCompileButton->setObjectName(QStringLiteral("CompileButton"));
    m_pCompileButton->setDefault(true);
    m_pCompileButton->setMinimumWidth(m_pCompileButton->fontMetrics().averageCharWidth() * 14);
    connect(m_pCompileButton, &QPushButton::clicked, this, &CMainDialog::OnCompileButton);
    auto* pRow = new QHBoxLayout;
    pRow->addWidget(pSourceGroup, 1);
    pRow->addWidget(m_pCompileButton, 0, Qt::AlignBottom);
    return pRow;
}

QGroupBox* CMainDialog::BuildInfoGroup() {
    m_pInfoGroup = new QGroupBox(tr("Information"), this);
    m_pInfoGroup->setObjectName(QStringLiteral("InfoGroup"));
    m_pInfo = new QLabel(m_pInfoGroup);
    m_pInfo->setObjectName(QStringLiteral("Info"));
    m_pInfo->setWordWrap(true);
    m_pInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pInfo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pInfo->setMinimumHeight(m_pInfo->fontMetrics().lineSpacing() * 7);
    (new QVBoxLayout(m_pInfoGroup))->addWidget(m_pInfo);
    return m_pInfoGroup;
}

QLayout* CMainDialog::BuildBottomRow() {
    auto* pLanguageLabel = new QLabel(tr("Language"), this);
    m_pLanguageBox = new QComboBox(this);
    m_pLanguageBox->setObjectName(QStringLiteral("LanguageBox"));
    pLanguageLabel->setBuddy(m_pLanguageBox);
    auto* pHelpButton = new QPushButton(this);
    pHelpButton->setObjectName(QStringLiteral("HelpButton"));
    // The desktop's help icon where its theme has one, else a question mark.
    if (const QIcon icon = QIcon::fromTheme(QStringLiteral("help-contents")); !icon.isNull())
        pHelpButton->setIcon(icon);
    else
        pHelpButton->setText(QStringLiteral("?"));
    pHelpButton->setFixedWidth(pHelpButton->sizeHint().height() * 3 / 2);
    pHelpButton->setToolTip(Text(IDS_HELP_TOPICS));
    pHelpButton->setAutoDefault(false);
    auto* pCancelButton = new QPushButton(CancelText(), this);
    pCancelButton->setObjectName(QStringLiteral("CancelButton"));
    pCancelButton->setAutoDefault(false);
    connect(pHelpButton, &QPushButton::clicked, this, &CMainDialog::ShowHelp);
    connect(pCancelButton, &QPushButton::clicked, this, &CMainDialog::reject);

    auto* pRow = new QHBoxLayout;
    pRow->addWidget(pLanguageLabel);
    pRow->addWidget(m_pLanguageBox);
    pRow->addStretch(1);
    pRow->addWidget(pHelpButton);
    pRow->addWidget(pCancelButton);
    return pRow;
}

void CMainDialog::SetCompiling(bool bCompiling) {
    m_state.SetCompiling(bCompiling);
    const bool bInputs = m_state.InputsEnabled();
    QWidget* const inputs[] = {m_pSourceEdit,    m_pMappingEdit,  m_pFolderEdit, m_pSourceBrowse,
                               m_pMappingBrowse, m_pFolderBrowse, m_pLanguageBox};
    for (QWidget* pInput : inputs)
        pInput->setEnabled(bInputs);
    m_pCompileButton->setText(Text(m_state.CompileButtonTextId()));
    m_pProgress->setVisible(m_state.ProgressVisible());
}

void CMainDialog::ShowInfo(const CInfoText& info) {
    QPalette palette = m_pInfo->palette();
    palette.setColor(QPalette::WindowText, StatusTextColour(info.bError, palette));
    m_pInfo->setPalette(palette);
    m_pInfo->setText(ToDisplayText(info.strText));
}

void CMainDialog::OnCompileButton() {
    switch (CompileButtonPress(m_state.IsCompiling(), m_context.compiler.IsRunning())) {
        case CompileButtonAction::Abort:
            m_context.compiler.RequestAbort();
            return;
        case CompileButtonAction::Finish:
            FinishRun();
            return;
        case CompileButtonAction::Start:
            StartRun();
            return;
    }
}

void CMainDialog::StartRun() {
    const QString source = m_pSourceEdit->text();
    const QString folder = m_pFolderEdit->text();
    std::error_code ec;
    const bool bFolderExists = std::filesystem::is_directory(PathOf(folder), ec);
    if (const auto fault =
            CompileInputFault(FromQString(source), FromQString(folder), bFolderExists)) {
        ShowErrorBox(this, *fault);
        return;
    }
    CMillSettings& settings = m_context.settings;
    CSettingsDialog settingsDialog(
        settings.GetSeparatorInput(), [this] { ShowHelp(); }, this);
    if (settingsDialog.exec() != QDialog::Accepted) return;
    if (!settings.SetSeparatorInput(settingsDialog.GetInput())) {
        ShowErrorBox(this, settings.GetError());
        return;
    }
    SaveSettings(&CMillSettings::WriteDictSetting);

    const std::filesystem::path output = CompiledFilePath(PathOf(source), PathOf(folder));
    ShowInfo({});
    m_strShownStatus.clear();
    m_pInfoGroup->setTitle(ToQString(InfoCaption(FromQString(m_infoCaption), PathOf(source))));
    SetCompiling(true);
    CDictCompiler& compiler = m_context.compiler;
    compiler.SetSeparators(settings.GetSeparators());
    if (!compiler.StartCompile(FromQString(source), FromUtf8(output.string()),
                               FromQString(m_pMappingEdit->text()))) {
        SetCompiling(false);
        ShowInfo({compiler.GetError(), true});
        return;
    }
    m_pProgress->setRange(0, 0);
    m_timer.start();
}

void CMainDialog::OnTimer() {
    const CDictCompiler& compiler = m_context.compiler;
    if (!compiler.IsRunning()) {
        FinishRun();
        return;
    }
    if (std::u16string strStatus = compiler.GetStatusText(); strStatus != m_strShownStatus) {
        ShowInfo({strStatus, false});
        m_strShownStatus = std::move(strStatus);
    }
    const int nMin = compiler.GetProgressMin();
    const int nMax = compiler.GetProgressMax();
    if (nMin != m_pProgress->minimum() || nMax != m_pProgress->maximum())
        m_pProgress->setRange(nMin, nMax);
    if (const int nPos = compiler.GetProgressPos(); nPos != m_pProgress->value())
        m_pProgress->setValue(nPos);
}

void CMainDialog::FinishRun() {
    m_timer.stop();
    CDictCompiler& compiler = m_context.compiler;
    compiler.Wait();
    m_pProgress->setRange(0, 0);
    SetCompiling(false);
    ShowInfo(FinishedInfo({compiler.HasError(), compiler.IsAborted(), compiler.GetError(),
                           compiler.GetStatusText()}));
}

bool CMainDialog::AskContinue(const std::u16string& strQuestion) {
    // The question is asked on the window's thread; the worker waits for the
    // answer but gives up when the run is aborted meanwhile, so a window that
    // goes away never leaves it waiting.
    auto answer = std::make_shared<std::promise<bool>>();
    std::future<bool> future = answer->get_future();
    QMetaObject::invokeMethod(
        this,
        [this, answer, strQuestion] { answer->set_value(AskInformationYesNo(this, strQuestion)); },
        Qt::QueuedConnection);
    while (future.wait_for(kPollInterval) != std::future_status::ready) {
        if (m_context.compiler.IsAborted()) return false;
    }
    return future.get();
}

void CMainDialog::reject() {
    if (m_state.CloseNeedsQuestion()) {
        const std::u16string strQuestion =
            FormatTextId(IDS_COMPILE_IN_PROGRESS) + u"\r\n" + FormatTextId(IDS_ASK_STOP_COMPILE);
        if (AskWarningYesNo(this, strQuestion)) m_context.compiler.RequestAbort();
        return;
    }
    m_context.settings.SetDictFolder(PathOf(m_pFolderEdit->text()));
    SaveSettings(&CMillSettings::WriteDictFolder);
    QDialog::reject();
}

void CMainDialog::OnBrowseSource() {
    const QString path =
        QFileDialog::getOpenFileName(this, QString(), m_pSourceEdit->text(),
                                     ToQtFileFilter(FormatTextId(IDS_SOURCE_FILE_FILTER)));
    if (!path.isEmpty()) m_pSourceEdit->setText(path);
}

void CMainDialog::OnBrowseMapping() {
    const QString path =
        QFileDialog::getOpenFileName(this, QString(), m_pMappingEdit->text(),
                                     ToQtFileFilter(FormatTextId(IDS_ALL_FILES_FILTER)));
    if (!path.isEmpty()) m_pMappingEdit->setText(path);
}

void CMainDialog::OnBrowseFolder() {
    const std::filesystem::path& current = m_context.settings.GetDictFolder();
    std::error_code ec;
    const std::filesystem::path start =
        std::filesystem::is_directory(current, ec) ? current : m_context.programFolder;
    const QString folder =
        QFileDialog::getExistingDirectory(this, Text(IDS_CHOOSE_FOLDER), PathText(start));
    if (folder.isEmpty()) return;
    m_context.settings.SetDictFolder(PathOf(folder));
    m_pFolderEdit->setText(folder);
}

void CMainDialog::OnLanguageChosen(int nIndex) {
    const bool bRestart = m_context.settings.ChooseLanguage(nIndex);
    SaveSettings(&CMillSettings::WriteLanguage);
    if (bRestart) reject();
}

void CMainDialog::ShowHelp() {
    ShowMillHelp(this, m_context.helpFolder, m_context.settings.GetStartLanguageName());
}

void CMainDialog::SaveSettings(void (CMillSettings::*write)(CIniFile&) const) {
    std::u16string strError;
    const CMillSettings& settings = m_context.settings;
    if (!UpdateIniFile(
            m_context.iniPath, [&](CIniFile& ini) { (settings.*write)(ini); }, strError)) {
        ShowErrorBox(this, strError);
    }
}

void CMainDialog::dragEnterEvent(QDragEnterEvent* pEvent) {
    if (DroppedSource(LocalFiles(*pEvent->mimeData()), m_state.IsCompiling()))
        pEvent->acceptProposedAction();
}

void CMainDialog::dropEvent(QDropEvent* pEvent) {
    if (const auto source = DroppedSource(LocalFiles(*pEvent->mimeData()), m_state.IsCompiling())) {
        m_pSourceEdit->setText(PathText(*source));
        pEvent->acceptProposedAction();
    }
}
