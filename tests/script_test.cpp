// The headless driver's script reader.
#include "script.h"

#include <gtest/gtest.h>

namespace {

TEST(Script, ReadsEveryKindOfLine) {
  Script script;
  auto error = parse_script(
      "# a comment\n"
      "mouse 10 20 1\n"
      "\n"
      "  key 27  \r\n"
      "random 5 6\n"
      "wait 3\n"
      "snap out dir/pic.png\n"
      "random 7",
      script);
  ASSERT_FALSE(error) << error->message;
  ASSERT_EQ(script.messages.size(), 4u);
  EXPECT_EQ(script.messages[0].kind, ScriptMessage::Kind::Mouse);
  EXPECT_EQ(script.messages[0].line, 2);
  EXPECT_EQ(script.messages[0].x, 10);
  EXPECT_EQ(script.messages[0].y, 20);
  EXPECT_EQ(script.messages[0].buttons, 1);
  EXPECT_EQ(script.messages[1].kind, ScriptMessage::Kind::Key);
  EXPECT_EQ(script.messages[1].code, 27);
  EXPECT_EQ(script.messages[2].kind, ScriptMessage::Kind::Wait);
  EXPECT_EQ(script.messages[2].count, 3);
  EXPECT_EQ(script.messages[3].kind, ScriptMessage::Kind::Snap);
  EXPECT_EQ(script.messages[3].file, "out dir/pic.png");
  ASSERT_EQ(script.randoms.size(), 3u);
  EXPECT_EQ(script.randoms[2].value, 7);
  EXPECT_EQ(script.randoms[2].line, 8);
}

TEST(Script, ReportsTheFirstMalformedLine) {
  struct Case {
    const char* text;
    int line;
    const char* says;
  } cases[] = {
      {"mouse 1 2\n", 1, "expected: mouse X Y BUTTONS"},
      {"key 27\nmouse 1 2 3 4\n", 2, "expected: mouse"},
      {"mouse -1 2 0\n", 1, "mouse position"},
      {"mouse 1 2 32\n", 1, "mouse buttons"},
      {"mouse 1 2 x\n", 1, "mouse buttons"},
      {"key 256\n", 1, "key code"},
      {"key\n", 1, "expected: key CODE"},
      {"wait 0\n", 1, "wait needs"},
      {"wait 2.5\n", 1, "wait needs"},
      {"random\n", 1, "expected: random"},
      {"random 1 -2\n", 1, "random values"},
      {"snap\n", 1, "expected: snap"},
      {"# fine\n\nclick 1 2\n", 3, "unknown word 'click'"},
  };
  for (const Case& c : cases) {
    Script script;
    auto error = parse_script(c.text, script);
    ASSERT_TRUE(error) << c.text;
    EXPECT_EQ(error->line, c.line) << c.text;
    EXPECT_NE(error->message.find(c.says), std::string::npos) << c.text << ": " << error->message;
  }
}

}  // namespace
