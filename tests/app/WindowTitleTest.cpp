#include <gtest/gtest.h>

#include "app/WindowTitle.h"

namespace layrail {
namespace {

TEST(WindowTitle, NameThenModifiedMark)
{
    EXPECT_EQ(windowTitle("Yard", "", true), "Layrail v1.3 by Brindlemoor - Yard *");
    EXPECT_EQ(windowTitle("Yard", "/home/u/layouts/Other.lyr", false), "Layrail v1.3 by Brindlemoor - Yard");
}

TEST(WindowTitle, FileNameWithoutFolderOrExtensionWhenUnnamed)
{
    EXPECT_EQ(windowTitle("", "/home/u/layouts/Harbour.v2.lyr", false), "Layrail v1.3 by Brindlemoor - Harbour.v2");
    EXPECT_EQ(windowTitle("", "C:\\Layouts\\Loop.lyr", true), "Layrail v1.3 by Brindlemoor - Loop *");
    EXPECT_EQ(windowTitle("", "Plain", false), "Layrail v1.3 by Brindlemoor - Plain");
}

TEST(WindowTitle, BaseTitleAloneForANewLayout)
{
    EXPECT_EQ(windowTitle("", "", false), "Layrail v1.3 by Brindlemoor");
    EXPECT_EQ(windowTitle("", "", true), "Layrail v1.3 by Brindlemoor *");
}

} // namespace
} // namespace layrail
