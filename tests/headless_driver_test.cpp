// What the headless driver does with a script, good or bad, seen from a real
// program.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/demo_run.h"
#include "support/png_image.h"

namespace {

int lines_of(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(HeadlessDriver, BadInputGivesOneClearMessage) {
  struct Case {
    const char* name;
    std::string script;
    std::map<std::string, std::string> env;
    int status;
    std::string says;
    const char* program = "cross_product";
  } cases[] = {
      {"malformed line", "wait 1\nmouse 1 2\n", {}, 2, "script.txt:2: expected: mouse X Y BUTTONS"},
      {"unknown word", "# input\nclick 3 4\n", {}, 2, "script.txt:2: unknown word 'click'"},
      {"missing script",
       "",
       {{"WINGRAPH_SCRIPT", "/nonexistent/input.txt"}},
       2,
       "cannot read the script /nonexistent/input.txt"},
      {"unwritable snapshot",
       "wait 1\nsnap /nonexistent/dir/a.png\nkey 32\n",
       {},
       2,
       "script.txt:2: cannot write the snapshot /nonexistent/dir/a.png"},
      {"unwritable trace",
       "key 32\n",
       {{"WINGRAPH_TRACE", "/nonexistent/trace.txt"}},
       2,
       "cannot write the trace file /nonexistent/trace.txt"},
      {"script that is a folder", "", {{"WINGRAPH_SCRIPT", "/"}}, 2, "cannot read the script /"},
      {"trace that cannot take the lines",
       "key 32\n",
       {{"WINGRAPH_TRACE", "/dev/full"}},
       2,
       "cannot write the trace file /dev/full"},
      {"seed that is no number",
       "key 32\n",
       {{"WINGRAPH_SEED", "12ab"}},
       2,
       "WINGRAPH_SEED must be a whole number from 0 up, not '12ab'",
       "circumcircle"},
      {"unknown driver",
       "key 32\n",
       {{"WINGRAPH_DRIVER", "vga"}},
       2,
       "WINGRAPH_DRIVER must be 'window' or 'headless', not 'vga'"},
      {"script runs out", "wait 3\n", {}, 3, "has run out and the program still waits for input"},
      {"no display",
       "",
       {{"WINGRAPH_DRIVER", "window"}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}},
       1,
       "cannot open the window: no display"},
  };
  for (const Case& c : cases) {
    DemoRun run = run_demo(c.program, c.script, c.env);
    EXPECT_EQ(run.exit_status, c.status) << c.name << ": " << run.error_text;
    EXPECT_EQ(lines_of(run.error_text), 1) << c.name << ": " << run.error_text;
    EXPECT_EQ(run.error_text.rfind(std::string(c.program) + ": ", 0), 0u) << c.name;
    EXPECT_NE(run.error_text.find(c.says), std::string::npos) << c.name << ": " << run.error_text;
  }
  DemoRun no_display = run_demo("cross_product", "", cases[std::size(cases) - 1].env);
  EXPECT_NE(no_display.error_text.find("WINGRAPH_DRIVER=headless"), std::string::npos);
}

TEST(HeadlessDriver, PollsTakeOneLineEachAndSnapsUseNone) {
  DemoRun run =
      run_demo("cross_product", "mouse 10 20 0\nsnap a.png\nmouse 30 40 0\nkey 65\nsnap end.png\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  // Frame 1: GetMouseX takes the first mouse line, KeyPressed the second one
  // (after the snap); frame 2: GetMouseX takes the key, KeyPressed sees it
  // waiting although the script has run out.
  auto polls = run.calls("GetMouseX");
  ASSERT_EQ(polls.size(), 2u);
  EXPECT_EQ(polls[0], "GetMouseX -> 10");
  EXPECT_EQ(polls[1], "GetMouseX -> 30");
  auto keys = run.calls("KeyPressed");
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0], "KeyPressed -> 0");
  EXPECT_EQ(keys[1], "KeyPressed -> 1");
  EXPECT_TRUE(std::filesystem::exists(run.file("a.png")));
  // The snap after the last message is taken when the window closes.
  EXPECT_EQ(load_png(run.file("end.png")).width, 800);
}

TEST(HeadlessDriver, AnEmptyTraceNameWritesNoTrace) {
  DemoRun quiet = run_demo("cross_product", "key 32\n", {{"WINGRAPH_TRACE", ""}});
  EXPECT_EQ(quiet.exit_status, 0) << quiet.error_text;
  EXPECT_TRUE(quiet.trace.empty());
}

}  // namespace
