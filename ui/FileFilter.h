// File-dialog filters kept as the numbered texts write them,
// "Name (*.a; *.b)|*.a; *.b|All Files (*.*)|*.*||", in the form Qt's file
// dialogs take: "Name (*.a *.b);;All Files (*)".
#pragma once

#include <QString>
#include <string_view>

QString ToQtFileFilter(std::u16string_view filter);
