#include "shell/web_address.h"

#include <gtest/gtest.h>

namespace sw::shell {
namespace {

TEST(WebAddress, AnAddressWithoutASchemeBecomesAWebPage) {
  EXPECT_EQ(WebAddress("www.example.com"), "http://www.example.com");
  EXPECT_EQ(WebAddress("  example.com/hill?a=1 "), "http://example.com/hill?a=1");
  EXPECT_EQ(WebAddress("example.com:8080/hill"), "http://example.com:8080/hill");
  EXPECT_EQ(WebAddress("localhost:8080"), "http://localhost:8080");
}

TEST(WebAddress, AnAddressWithASchemeIsKept) {
  EXPECT_EQ(WebAddress("https://example.org/hill"), "https://example.org/hill");
  EXPECT_EQ(WebAddress("HTTP://EXAMPLE.ORG"), "HTTP://EXAMPLE.ORG");
  EXPECT_EQ(WebAddress("ftp://files.example.org/"), "ftp://files.example.org/");
  EXPECT_EQ(WebAddress("mailto:ann@example.org"), "mailto:ann@example.org");
  EXPECT_EQ(WebAddress(""), "");
  EXPECT_EQ(WebAddress("   "), "");
}

}  // namespace
}  // namespace sw::shell
