// Everything the dictionary manager asks of the user or of the desktop: the
// message boxes, the group name window, the file-open window, the question
// before a file is replaced, opening a file or folder and the trash. The
// manager only calls these, so tests can answer in place of a user.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "ManagerFiles.h"

class QWidget;

struct CManagerPrompts {
    // Yes/No with a warning icon; true for Yes.
    std::function<bool(QWidget* parent, const QString& text)> askYesNo;
    std::function<void(QWidget* parent, const QString& text)> warn;    // "Warning!"
    std::function<void(QWidget* parent, const QString& text)> inform;  // "Information"
    std::function<void(QWidget* parent, const QString& text)> error;   // "Error!"
    // The group name window; nothing when it was cancelled.
    std::function<std::optional<QString>(QWidget* parent, const QString& initial)> askGroupName;
    // The file-open window for dictionary files; empty when cancelled.
    std::function<QStringList(QWidget* parent)> chooseDictionaryFiles;
    std::function<ReplaceAnswer(QWidget* parent, const QString& target)> askReplace;
    // The desktop's "open" for a file or a folder.
    std::function<bool(const QString& path)> openPath;
    MoveToTrash moveToTrash;
};

// The real windows and the desktop.
CManagerPrompts DesktopManagerPrompts();
