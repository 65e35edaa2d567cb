// File-dialog filters from the numbered texts.
#include <gtest/gtest.h>

#include "ui/FileFilter.h"

namespace {

TEST(FileFilter, NumberedFiltersBecomeQtFilters) {
    struct Case {
        const char16_t* filter;
        const char* expected;
    };
    const Case cases[] = {
        {u"Dictionary source files (*.txt; *.dic; *.gms)|*.txt; *.dic; *.gms|All Files "
         u"(*.*)|*.*||",
         "Dictionary source files (*.txt *.dic *.gms);;All Files (*)"},
        {u"All Files (*.*)|*.*||", "All Files (*)"},
        {u"Dictionary files (*.gmd)|*.gmd|", "Dictionary files (*.gmd)"},
        {u"Plain|*.txt", "Plain (*.txt)"},
        {u"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToQtFileFilter(c.filter).toStdString(), c.expected);
}

}  // namespace
