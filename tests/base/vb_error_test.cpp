#include "base/vb_error.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(VbError, CarriesNumberAndStandardDescription) {
  VbError e(vberr::kInputPastEnd);
  EXPECT_EQ(e.number(), 62);
  EXPECT_EQ(e.description(), "Input past end of file");
  EXPECT_STREQ(e.what(), "Input past end of file");
  EXPECT_EQ(VbError(vberr::kTypeMismatch).description(), "Type mismatch");
  EXPECT_EQ(VbError(vberr::kFileNotFound).description(), "File not found");
  EXPECT_EQ(VbError(12345).description(), "Unknown runtime error");
  EXPECT_EQ(VbError(5, "custom").description(), "custom");
}

}  // namespace
}  // namespace sw
