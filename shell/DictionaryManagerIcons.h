// The arrow images of the manager's list buttons, drawn in the palette's
// button text colour so that they suit light and dark themes.
#pragma once

#include <QIcon>

class QPalette;

enum class ManagerIcon { Enable, EnableAll, Disable, DisableAll, Top, Up, Down, Bottom };

QIcon MakeManagerIcon(ManagerIcon kind, const QPalette& palette);
