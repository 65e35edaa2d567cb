#include "DictionaryManagerDlg.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "DictionaryManagerIcons.h"
#include "DictionaryManagerList.h"
#include "ManagerFiles.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "library/DictSession.h"
#include "shell/QtText.h"
#include "ui/DialogButtons.h"

namespace {

// The window's size in dialog units of its font: a quarter of the average
// character width across, an eighth of the character height down.
QSize DialogUnits(const QFontMetrics& metrics, int nWidth, int nHeight) {
    const QString sample = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int nBaseX = (metrics.horizontalAdvance(sample) / 26 + 1) / 2;
    return {nWidth * nBaseX / 4, nHeight * metrics.height() / 8};
}

QLineEdit* ReadOnlyField(QWidget* parent) {
    auto* pField = new QLineEdit(parent);
    pField->setReadOnly(true);
    pField->setFrame(false);
    pField->setFocusPolicy(Qt::ClickFocus);
    // Text to read and copy, not to edit: it sits on the window's background.
    QPalette palette = pField->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    pField->setPalette(palette);
    return pField;
}

}  // namespace

CDictionaryManagerDlg::CDictionaryManagerDlg(CDictSession& session, const CManagerFormState& state,
                                             const CManagerPrompts& prompts,
                                             const CNameLanguages& names, QWidget* parent)
    : QDialog(parent),
      m_session(session),
      m_prompts(prompts),
      m_names(names),
      m_state(state),
      m_next(state) {
    setWindowTitle(tr("Dictionary manager"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    BuildWindow();
    resize(DialogUnits(fontMetrics(), 502, m_state.bReduced ? 283 : 390).expandedTo(sizeHint()));
    // The place is the client area's: a window not shown yet has no frame
    // to measure, so a frame position would come back shifted by the title.
    if (m_state.position) {
        setGeometry(QRect(QPoint(m_state.position->first, m_state.position->second), size()));
    }

    const CDictGroupList& groups = *m_session.GetGroupList();
    m_nGroup = groups.GetGroup(m_state.nGroup) ? m_state.nGroup : groups.GetCurrentGroup();
    FillGroups();
    FillLists();
    ApplySelection(StartSelection(m_state.nSelection, Counts()));
    m_sync.Check(Selection(), Counts());
    ComposeMessages();
    UpdateInformation();
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, &CDictionaryManagerDlg::CheckSelection);
    m_timer.start();
}

CDictionaryManagerDlg::~CDictionaryManagerDlg() = default;

void CDictionaryManagerDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_bStarted) return;
    m_bStarted = true;
    if (m_state.bAddAtOnce) {
        QTimer::singleShot(0, this, [this] {
            AddDictionaries();
            raise();
            activateWindow();
        });
    }
}

// ---- Building the window ----

void CDictionaryManagerDlg::BuildWindow() {
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(BuildGroupRow());
    pLayout->addWidget(BuildLists(), 1);
    pLayout->addWidget(BuildFileRow());
    if (!m_state.bReduced) {
        auto* pPanes = new QHBoxLayout;
        pPanes->addWidget(BuildInformationPane(), 3);
        pPanes->addWidget(BuildMessagesPane(), 2);
        pLayout->addLayout(pPanes);
    }
    auto* pBottom = new QHBoxLayout;
    auto* pSwitch = new QPushButton(m_state.bReduced ? tr("More >>") : tr("<< Less"), this);
    pSwitch->setObjectName(QStringLiteral("switchForm"));
    connect(pSwitch, &QPushButton::clicked, this, &CDictionaryManagerDlg::SwitchForm);
    auto* pOk = new QPushButton(OkText(), this);
    pOk->setObjectName(QStringLiteral("ok"));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    pBottom->addWidget(pSwitch);
    pBottom->addStretch(1);
    pBottom->addWidget(pOk);
    pLayout->addLayout(pBottom);
}

QWidget* CDictionaryManagerDlg::BuildGroupRow() {
    auto* pRow = new QWidget(this);
    auto* pLayout = new QHBoxLayout(pRow);
    pLayout->setContentsMargins(0, 0, 0, 0);
    auto* pLabel = new QLabel(tr("Select group of dictionaries:"), pRow);
    m_pGroups = new QComboBox(pRow);
    m_pGroups->setObjectName(QStringLiteral("groups"));
    m_pGroups->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pGroups->setMinimumContentsLength(24);
    pLabel->setBuddy(m_pGroups);
    connect(m_pGroups, &QComboBox::activated, this, &CDictionaryManagerDlg::SelectGroup);
    pLayout->addWidget(pLabel);
    pLayout->addWidget(m_pGroups, 1);
    const struct {
        QString text;
        const char* name;
        void (CDictionaryManagerDlg::*command)();
    } buttons[] = {{tr("Create group"), "createGroup", &CDictionaryManagerDlg::CreateGroup},
                   {tr("Rename group"), "renameGroup", &CDictionaryManagerDlg::RenameGroup},
                   {tr("Delete group"), "deleteGroup", &CDictionaryManagerDlg::DeleteGroup}};
    for (const auto& button : buttons) {
        auto* pButton = new QPushButton(button.text, pRow);
        pButton->setObjectName(QString::fromLatin1(button.name));
        pButton->setAutoDefault(false);
        connect(pButton, &QPushButton::clicked, this, button.command);
        pLayout->addWidget(pButton);
    }
    return pRow;
}

QToolButton* CDictionaryManagerDlg::ListButton(int nToolTip, int nIcon,
                                               void (CDictionaryManagerDlg::*command)()) {
    auto* pButton = new QToolButton(this);
    pButton->setIcon(MakeManagerIcon(static_cast<ManagerIcon>(nIcon), palette()));
    pButton->setIconSize(QSize(16, 16));
    pButton->setToolTip(TextOf(nToolTip));
    pButton->setAutoRaise(false);
    pButton->setMinimumSize(QSize(30, 26));
    connect(pButton, &QToolButton::clicked, this, command);
    return pButton;
}

QWidget* CDictionaryManagerDlg::BuildLists() {
    auto* pRow = new QWidget(this);
    auto* pLayout = new QHBoxLayout(pRow);
    pLayout->setContentsMargins(0, 0, 0, 0);
    m_pDisabled = new CManagerList(TextOf(IDS_DISABLED_DICTIONARIES), pRow);
    m_pDisabled->setObjectName(QStringLiteral("disabledList"));
    m_pEnabled = new CManagerList(TextOf(IDS_ENABLED_DICTIONARIES), pRow);
    m_pEnabled->setObjectName(QStringLiteral("enabledList"));
    using Dlg = CDictionaryManagerDlg;
    m_pEnable = ListButton(IDS_ENABLE_DICTIONARY, int(ManagerIcon::Enable), &Dlg::EnableDictionary);
    m_pEnableAll = ListButton(IDS_ENABLE_ALL, int(ManagerIcon::EnableAll), &Dlg::EnableAll);
    m_pDisable =
        ListButton(IDS_DISABLE_DICTIONARY, int(ManagerIcon::Disable), &Dlg::DisableDictionary);
    m_pDisableAll = ListButton(IDS_DISABLE_ALL, int(ManagerIcon::DisableAll), &Dlg::DisableAll);
    m_pTop = ListButton(IDS_MOVE_TO_TOP, int(ManagerIcon::Top), &Dlg::MoveToTop);
    m_pUp = ListButton(IDS_MOVE_UP, int(ManagerIcon::Up), &Dlg::MoveUp);
    m_pDown = ListButton(IDS_MOVE_DOWN, int(ManagerIcon::Down), &Dlg::MoveDown);
    m_pBottom = ListButton(IDS_MOVE_TO_BOTTOM, int(ManagerIcon::Bottom), &Dlg::MoveToBottom);
    const auto column = [&](std::initializer_list<QToolButton*> buttons) {
        auto* pColumn = new QVBoxLayout;
        pColumn->addStretch(1);
        for (QToolButton* pButton : buttons)
            pColumn->addWidget(pButton);
        pColumn->addStretch(1);
        return pColumn;
    };
    pLayout->addWidget(m_pDisabled, 1);
    pLayout->addLayout(column({m_pEnable, m_pEnableAll, m_pDisable, m_pDisableAll}));
    pLayout->addWidget(m_pEnabled, 1);
    pLayout->addLayout(column({m_pTop, m_pUp, m_pDown, m_pBottom}));
    return pRow;
}

QWidget* CDictionaryManagerDlg::BuildFileRow() {
    auto* pRow = new QWidget(this);
    auto* pLayout = new QGridLayout(pRow);
    pLayout->setContentsMargins(0, 0, 0, 0);
    auto* pAdd = new QPushButton(tr("Add dictionaries"), pRow);
    pAdd->setObjectName(QStringLiteral("addDictionaries"));
    m_pDeleteDict = new QPushButton(tr("Delete dictionary"), pRow);
    m_pDeleteDict->setObjectName(QStringLiteral("deleteDictionary"));
    m_pDeleteDict->setToolTip(TextOf(IDS_DELETE_DICTIONARY_FILES));
    auto* pRefresh = new QPushButton(tr("Refresh"), pRow);
    pRefresh->setObjectName(QStringLiteral("refresh"));
    auto* pExplore = new QPushButton(tr("Explore"), pRow);
    pExplore->setObjectName(QStringLiteral("explore"));
    for (QPushButton* pButton : {pAdd, m_pDeleteDict, pRefresh, pExplore})
        pButton->setAutoDefault(false);
    connect(pAdd, &QPushButton::clicked, this, &CDictionaryManagerDlg::AddDictionaries);
    connect(m_pDeleteDict, &QPushButton::clicked, this, &CDictionaryManagerDlg::DeleteDictionary);
    connect(pRefresh, &QPushButton::clicked, this, &CDictionaryManagerDlg::Refresh);
    connect(pExplore, &QPushButton::clicked, this, &CDictionaryManagerDlg::Explore);
    m_pFolder = ReadOnlyField(pRow);
    m_pFolder->setText(QString::fromStdU16String(m_session.GetDictionariesFolder()));
    m_pFolder->setCursorPosition(0);
    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(pAdd);
    pButtons->addWidget(m_pDeleteDict);
    pButtons->addWidget(pRefresh);
    pButtons->addStretch(1);
    pLayout->addLayout(pButtons, 0, 0, 1, 3);
    pLayout->addWidget(new QLabel(tr("Dictionaries folder:"), pRow), 1, 0);
    pLayout->addWidget(m_pFolder, 1, 1);
    pLayout->addWidget(pExplore, 1, 2);
    pLayout->setColumnStretch(1, 1);
    return pRow;
}

QWidget* CDictionaryManagerDlg::BuildInformationPane() {
    auto* pBox = new QGroupBox(tr("Selected dictionary information"), this);
    auto* pLayout = new QGridLayout(pBox);
    m_pName = ReadOnlyField(pBox);
    m_pFileName = ReadOnlyField(pBox);
    m_pArticles = ReadOnlyField(pBox);
    m_pWords = ReadOnlyField(pBox);
    const struct {
        QString label;
        QLineEdit* pField;
    } rows[] = {{tr("Name:"), m_pName},
                {tr("File name:"), m_pFileName},
                {tr("Articles count:"), m_pArticles},
                {tr("Words count:"), m_pWords}};
    int nRow = 0;
    for (const auto& row : rows) {
        pLayout->addWidget(new QLabel(row.label, pBox), nRow, 0);
        pLayout->addWidget(row.pField, nRow++, 1);
    }
    m_pAdditionalInfo = new QPushButton(tr("Additional info"), pBox);
    m_pAdditionalInfo->setObjectName(QStringLiteral("additionalInfo"));
    m_pAdditionalInfo->setAutoDefault(false);
    connect(m_pAdditionalInfo, &QPushButton::clicked, this,
            &CDictionaryManagerDlg::OpenAdditionalInfo);
    pLayout->addWidget(m_pAdditionalInfo, nRow, 1, Qt::AlignRight);
    pLayout->setColumnStretch(1, 1);
    return pBox;
}

QWidget* CDictionaryManagerDlg::BuildMessagesPane() {
    auto* pBox = new QGroupBox(tr("Important messages"), this);
    auto* pLayout = new QVBoxLayout(pBox);
    m_pMessages = new QPlainTextEdit(pBox);
    m_pMessages->setObjectName(QStringLiteral("messages"));
    m_pMessages->setReadOnly(true);
    m_pMessages->setFocusPolicy(Qt::ClickFocus);
    pLayout->addWidget(m_pMessages);
    return pBox;
}

// ---- Lists, selection and panes ----

CDictGroup* CDictionaryManagerDlg::Group() const {
    return m_session.GetGroupList()->GetGroup(m_nGroup);
}

QString CDictionaryManagerDlg::DisplayName(const CDictIndexFile& dict) const {
    return QString::fromStdU16String(m_session.GetLibrary().GetDisplayName(
        dict, m_names.strFirst, m_names.strSecond, m_names.strThird));
}

void CDictionaryManagerDlg::FillGroups() {
    const CDictGroupList& groups = *m_session.GetGroupList();
    m_pGroups->clear();
    for (int n = 0; n < groups.GetGroupCount(); ++n)
        m_pGroups->addItem(QString::fromStdU16String(groups.GetGroup(n)->GetName()));
    m_pGroups->setCurrentIndex(m_nGroup);
}

void CDictionaryManagerDlg::FillLists() {
    m_paneDict.reset();
    const CDictGroup* pGroup = Group();
    for (CManagerList* pList : {m_pDisabled, m_pEnabled}) {
        pList->clear();
        if (!pGroup) continue;
        const int nFilter = pList == m_pDisabled ? GROUP_FILTER_DISABLED : GROUP_FILTER_ENABLED;
        for (int n = 0; n < pGroup->Count(nFilter); ++n) {
            const CDictIndexFile& dict = *pGroup->GetDict(n, nFilter);
            const std::u16string text =
                ListRowText(dict.IsValid(), DisplayName(dict).toStdU16String(), dict.GetFileName());
            pList->AddRow(QString::fromStdU16String(text), dict.IsValid(),
                          dict.IsValid() ? QString() : TextOf(IDS_DICTIONARY_CORRUPTED));
        }
    }
}

CListSelection CDictionaryManagerDlg::Selection() const {
    return {m_pDisabled->SelectedRow(), m_pEnabled->SelectedRow()};
}

CListCounts CDictionaryManagerDlg::Counts() const {
    return {m_pDisabled->RowCount(), m_pEnabled->RowCount()};
}

void CDictionaryManagerDlg::ApplySelection(CListSelection sel) {
    m_pDisabled->SelectRow(sel.nDisabledRow);
    m_pEnabled->SelectRow(sel.nEnabledRow);
    UpdateButtons();
}

void CDictionaryManagerDlg::CheckSelection() {
    const CListSelection now = Selection();
    const CListSelection wanted = m_sync.Check(now, Counts());
    if (wanted != now) ApplySelection(wanted);
    UpdateButtons();
    if (!m_bBusy) UpdateInformation();
}

void CDictionaryManagerDlg::UpdateButtons() {
    const CManagerButtons buttons = ButtonStates(m_nGroup, Selection(), Counts());
    m_pEnable->setEnabled(buttons.bEnable);
    m_pEnableAll->setEnabled(buttons.bEnableAll);
    m_pDisable->setEnabled(buttons.bDisable);
    m_pDisableAll->setEnabled(buttons.bDisableAll);
    m_pTop->setEnabled(buttons.bTop);
    m_pUp->setEnabled(buttons.bUp);
    m_pDown->setEnabled(buttons.bDown);
    m_pBottom->setEnabled(buttons.bBottom);
    m_pDeleteDict->setEnabled(buttons.bDeleteDict);
}

const CDictIndexFile* CDictionaryManagerDlg::SelectedDictionary() const {
    const CDictGroup* pGroup = Group();
    if (!pGroup) return nullptr;
    const CListSelection sel = Selection();
    if (sel.nEnabledRow >= 0) return pGroup->GetDict(sel.nEnabledRow, GROUP_FILTER_ENABLED);
    if (sel.nDisabledRow >= 0) return pGroup->GetDict(sel.nDisabledRow, GROUP_FILTER_DISABLED);
    return nullptr;
}

void CDictionaryManagerDlg::UpdateInformation() {
    const CDictIndexFile* pDict = SelectedDictionary();
    if (m_paneDict == pDict) return;
    m_paneDict = pDict;
    if (!m_pName) return;  // the reduced form has no pane
    QString name, fileName, articles, words;
    bool bInfoFile = false;
    if (pDict) {
        fileName = QString::fromStdU16String(pDict->GetFileName());
        if (pDict->IsValid()) {
            name = DisplayName(*pDict);
            articles = QString::number(pDict->GetArticleCount());
            words = QString::number(pDict->GetWordCount());
        } else {
            name = TextOf(IDS_DICTIONARY_CORRUPTED);
        }
        const QFileInfo info(QString::fromStdString(InfoFileOf(ToFileName(pDict->GetFilePath()))));
        bInfoFile = info.isFile() && info.isReadable();
    }
    for (const auto& [pField, text] :
         {std::pair{m_pName, name}, std::pair{m_pFileName, fileName},
          std::pair{m_pArticles, articles}, std::pair{m_pWords, words}}) {
        pField->setText(text);
        pField->setCursorPosition(0);
        pField->setToolTip(text);
    }
    m_pAdditionalInfo->setEnabled(bInfoFile);
}

QStringList CDictionaryManagerDlg::InformationFields() const {
    if (!m_pName) return {};
    return {m_pName->text(), m_pFileName->text(), m_pArticles->text(), m_pWords->text()};
}

void CDictionaryManagerDlg::ComposeMessages() {
    const CDictGroupList& groups = *m_session.GetGroupList();
    CMessageFacts facts;
    facts.bLibraryEmpty = m_session.GetLibrary().GetCount() == 0;
    if (const CDictGroup* pCurrent = groups.GetGroup(groups.GetCurrentGroup());
        pCurrent && !pCurrent->HasEnabled()) {
        facts.strEmptyCurrentGroup = pCurrent->GetName();
    }
    facts.nSelectedGroup = m_nGroup;
    facts.nGroupCount = groups.GetGroupCount();
    const QString text = QString::fromStdU16String(ComposeImportantMessages(facts));
    m_strMessages = text;
    if (m_pMessages)
        m_pMessages->setPlainText(
            QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QString CDictionaryManagerDlg::ImportantMessages() const {
    return m_strMessages;
}
