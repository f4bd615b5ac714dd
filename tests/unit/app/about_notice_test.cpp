#include <gtest/gtest.h>

#include <string>

#include "app/frm_about.h"

namespace slumbrix {
namespace {

TEST(AboutNotice, TwoParagraphsWithCrLfLineEnds) {
  const std::string notice = frmAbout::kNotice;
  ASSERT_GE(notice.size(), 2u);
  EXPECT_EQ(notice.substr(notice.size() - 2), "\r\n");
  for (std::size_t i = 0; i < notice.size(); ++i) {
    if (notice[i] == '\n') {
      EXPECT_EQ(notice[i - 1], '\r') << i;
    }
    if (notice[i] == '\r') {
      EXPECT_EQ(notice[i + 1], '\n') << i;
    }
  }
  EXPECT_EQ(notice.find("\r\n\r\n"), notice.rfind("\r\n\r\n"));  // one empty line
  EXPECT_NE(notice.find("freeware"), std::string::npos);
  EXPECT_NE(notice.find("merchantability"), std::string::npos);
  EXPECT_NE(notice.find("fitness"), std::string::npos);
}

}  // namespace
}  // namespace slumbrix
