#include "SettingsDialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/DialogButtons.h"
#include "ui/DialogColours.h"
#include "ui/MessageBoxes.h"
#include "ui/QtText.h"

CSettingsDialog::CSettingsDialog(const CSeparatorInput& input, std::function<void()> help,
                                 QWidget* pParent)
    : QDialog(pParent), m_input(input) {
    setObjectName(QStringLiteral("SettingsDialog"));
    setWindowTitle(tr("Settings"));
    ApplyDialogBackground(*this);

    auto* pArticles = new QGroupBox(tr("Articles separator"), this);
    m_pSingleLine = new QRadioButton(tr("Single line feed"), pArticles);
    m_pDoubleLine = new QRadioButton(tr("Double line feed"), pArticles);
    m_pOther = new QRadioButton(tr("Other"), pArticles);
    m_pSingleLine->setObjectName(QStringLiteral("SingleLineButton"));
    m_pDoubleLine->setObjectName(QStringLiteral("DoubleLineButton"));
    m_pOther->setObjectName(QStringLiteral("OtherButton"));
    m_pOtherEdit = new QLineEdit(ToQString(input.strArticlesSep), pArticles);
    m_pOtherEdit->setObjectName(QStringLiteral("OtherSeparator"));
    auto* pOtherRow = new QHBoxLayout;
    pOtherRow->addWidget(m_pOther);
    pOtherRow->addWidget(m_pOtherEdit, 1);
    auto* pArticlesLayout = new QVBoxLayout(pArticles);
    pArticlesLayout->addWidget(m_pSingleLine);
    pArticlesLayout->addWidget(m_pDoubleLine);
    pArticlesLayout->addLayout(pOtherRow);

    auto* pParts = new QGroupBox(tr("Article parts separator"), this);
    m_pPartsEdit = new QLineEdit(ToQString(input.strPartsSep), pParts);
    m_pPartsEdit->setObjectName(QStringLiteral("PartsSeparator"));
    (new QVBoxLayout(pParts))->addWidget(m_pPartsEdit);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pArticles);
    pLayout->addWidget(pParts);
    pLayout->addWidget(NewOkCancelButtons(*this));
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
    m_pOtherEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 28);

    const int32_t nType = input.nType;
    (nType == ARTICLES_SEP_LINE    ? m_pSingleLine
     : nType == ARTICLES_SEP_OTHER ? m_pOther
                                   : m_pDoubleLine)
        ->setChecked(true);
    for (QRadioButton* pButton : {m_pSingleLine, m_pDoubleLine, m_pOther})
        connect(pButton, &QRadioButton::toggled, this, &CSettingsDialog::UpdateOtherField);
    UpdateOtherField();
    if (help)
        connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, help);
}

void CSettingsDialog::UpdateOtherField() {
    m_pOtherEdit->setEnabled(m_pOther->isChecked());
}

CSeparatorInput CSettingsDialog::InputShown() const {
    CSeparatorInput input;
    input.nType = m_pSingleLine->isChecked() ? ARTICLES_SEP_LINE
                  : m_pOther->isChecked()    ? ARTICLES_SEP_OTHER
                                             : ARTICLES_SEP_DOUBLE_LINE;
    input.strArticlesSep = FromQString(m_pOtherEdit->text());
    input.strPartsSep = FromQString(m_pPartsEdit->text());
    return input;
}

void CSettingsDialog::accept() {
    const CSeparatorInput input = InputShown();
    if (const auto fault = SeparatorInputFault(input)) {
        ShowErrorBox(this, *fault);
        // The field at fault takes the focus: the articles separator when it
        // fails on its own, else the parts separator.
        const bool bArticlesFault = input.nType == ARTICLES_SEP_OTHER &&
                                    SeparatorInputFault({input.nType, input.strArticlesSep,
                                                         std::u16string(kDefaultPartsSep)});
        (bArticlesFault ? m_pOtherEdit : m_pPartsEdit)->setFocus();
        return;
    }
    m_input = input;
    QDialog::accept();
}
