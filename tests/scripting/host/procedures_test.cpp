#include "scripting/host/procedures.h"

#include <gtest/gtest.h>

#include "base/vb_error.h"
#include "core/project/procedures_cipher.h"

namespace sw {
namespace {

TEST(Procedures, HeaderOnlyFileFailsAndFourthLineComesAlone) {
  EXPECT_THROW(ProceduresFromBytes("h1\r\nh2\r\nh3\r\n", false, 0), VbError);
  EXPECT_EQ(ProceduresFromBytes("h1\r\nh2\r\nh3\r\nSub A\r\n", false, 0), "Sub A");
  EXPECT_EQ(ProceduresFromBytes("h1\r\nh2\r\nh3\r\nSub A\r\nEnd Sub", false, 0),
            "Sub A\r\nEnd Sub");
}

TEST(Procedures, ScrambledLinesAreUnscrambledOneByOne) {
  const int16_t sum = ProjectNameSum("MyGame");
  const std::string bytes = "x\r\ny\r\nz\r\n" + ScrambleLine("Sub A", sum) + "\r\n" +
                            ScrambleLine("End Sub", sum) + "\r\n";
  EXPECT_EQ(ProceduresFromBytes(bytes, true, sum), "Sub A\r\nEnd Sub");
}

}  // namespace
}  // namespace sw
