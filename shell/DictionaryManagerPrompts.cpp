#include "DictionaryManagerPrompts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

#include "DictionaryManagerGroupName.h"
#include "ManagerRules.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "shell/QtText.h"

namespace {

// Message texts use CR LF between lines; a label wants "\n".
QString ForDisplay(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void Show(QWidget* parent, QMessageBox::Icon icon, int nCaption, const QString& text) {
    QMessageBox box(icon, TextOf(nCaption), ForDisplay(text), QMessageBox::Ok, parent);
    box.exec();
}

ReplaceAnswer AskToReplace(QWidget* parent, const QString& target) {
    QMessageBox box(
        QMessageBox::Warning, TextOf(IDS_CAPTION_WARNING),
        QObject::tr("The folder already holds '%1'.\nReplace it?").arg(target),
        QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return ReplaceAnswer::Yes;
        case QMessageBox::YesToAll:
            return ReplaceAnswer::YesToAll;
        case QMessageBox::No:
            return ReplaceAnswer::No;
        default:
            return ReplaceAnswer::Cancel;
    }
}

}  // namespace

CManagerPrompts DesktopManagerPrompts() {
    CManagerPrompts prompts;
    prompts.askYesNo = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::Warning, TextOf(IDS_CAPTION_WARNING), ForDisplay(text),
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    prompts.warn = [](QWidget* parent, const QString& text) {
        Show(parent, QMessageBox::Warning, IDS_CAPTION_WARNING, text);
    };
    prompts.inform = [](QWidget* parent, const QString& text) {
        Show(parent, QMessageBox::Information, IDS_CAPTION_INFORMATION, text);
    };
    prompts.error = [](QWidget* parent, const QString& text) {
        Show(parent, QMessageBox::Critical, IDS_CAPTION_ERROR, text);
    };
    prompts.askGroupName = [warn = prompts.warn](QWidget* parent,
                                                 const QString& initial) -> std::optional<QString> {
        CGroupNameDlg dlg(initial, warn, parent);
        if (dlg.exec() != QDialog::Accepted) return std::nullopt;
        return dlg.Name();
    };
    prompts.chooseDictionaryFiles = [](QWidget* parent) {
        return QFileDialog::getOpenFileNames(
            parent, TextOf(IDS_SELECT_DICTIONARY_FILES), QString(),
            QString::fromStdU16String(QtFileFilter(FormatTextId(IDS_DICTIONARY_FILE_FILTER))));
    };
    prompts.askReplace = AskToReplace;
    prompts.openPath = [](const QString& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    prompts.moveToTrash = [](const std::filesystem::path& path) {
        // Without the user's data folder Qt cannot find the home trash and
        // moves the file into the current folder instead; the folder is
        // one every desktop user has, so make sure of it.
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (data.isEmpty() || !QDir().mkpath(data)) return false;
        return QFile::moveToTrash(QString::fromStdString(path.string()));
    };
    return prompts;
}
