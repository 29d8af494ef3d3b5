// The launcher driven headless: its page, and which program it runs for a
// key or a click. It runs the programs beside it, so it is copied into a
// folder of its own next to stand-ins that write down that they ran and end
// with the status they are told.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "catalogue.h"
#include "menu.h"
#include "support/demo_run.h"
#include "support/png_image.h"
#include "text.h"

namespace {

namespace fs = std::filesystem;

const char* const Title = "InitGraph 3 6 \"DEMONSTRATII DE GEOMETRIE PLANA\"";

struct LauncherFolder {
  fs::path dir = fs::temp_directory_path() / ("launcher-test-" + std::to_string(getpid()));
  fs::path launcher = dir / "launcher";
  fs::path log = dir / "ran.txt";

  // Every demonstration but the one left out stands beside the launcher.
  explicit LauncherFolder(std::string_view missing = "") {
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy_file(demo_binary("launcher"), launcher);
    for (const Demonstration& d : catalogue()) {
      if (d.name == missing) continue;
      fs::path stand_in = dir / d.name;
      std::ofstream(stand_in) << "#!/bin/sh\necho \"$(basename \"$0\") $#\" >> \"$RAN_LOG\"\n"
                              << "exit ${RAN_STATUS:-0}\n";
      fs::permissions(stand_in, fs::perms::owner_all);
    }
  }
  ~LauncherFolder() { fs::remove_all(dir); }

  DemoRun run(std::string_view script, int child_status = 0) const {
    return run_demo(launcher.string(), script,
                    {{"RAN_LOG", log.string()}, {"RAN_STATUS", std::to_string(child_status)}});
  }
  // The programs that ran, in order, each with its argument count.
  std::vector<std::string> ran() const {
    std::vector<std::string> lines;
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
};

// A key is taken by the launcher within its next three polls (the mouse
// sample, the key test and ReadKey, which polls once more); when it chooses a
// program, the launcher then closes its window and runs it. A line after these
// polls reaches the window opened again, which starts with no keys waiting.
const std::string KeyTaken = "wait 3\n";
const std::string Esc = "key 27\n";

// The pointer moved onto the middle of an entry's row, a press with the
// buttons value and a release; each mouse line is followed by the quiet poll
// of the launcher's key test.
std::string press_on(int entry, int buttons) {
  RowSpan row = row_of(entry);
  int y = row.top + row.height / 2;
  return mouse_frames({{790, 590, 0}, {400, y, 0}, {400, y, buttons}, {400, y, 0}});
}
std::string click_on(int entry) { return press_on(entry, 1); }

TEST(Launcher, RunsTheChosenProgramAndComesBackUntilEsc) {
  struct Case {
    const char* what;
    std::string script;
    std::vector<std::string> ran;
  } cases[] = {
      {"a letter", "key 98\n" + KeyTaken + Esc, {"vector_angle 0"}},
      {"a capital letter", "key 75\n" + KeyTaken + Esc, {"polygon_overlap 0"}},
      {"a click", click_on(6) + Esc, {"segment_crossing 0"}},
      {"Tab twice, then Enter",
       "key 9\n" + KeyTaken + "key 9\n" + KeyTaken + "key 13\n" + KeyTaken + Esc,
       {"perpendicular 0"}},
      {"the pointer marks, Space starts",
       mouse_frames({{400, 10, 0}, {400, row_of(3).top + 5, 0}}) + "key 32\n" + KeyTaken + Esc,
       {"circumcircle 0"}},
      {"one after the other, Enter repeats the last",
       "key 97\n" + KeyTaken + "key 106\n" + KeyTaken + "key 13\n" + KeyTaken + Esc,
       {"cross_product 0", "point_in_polygon 0", "point_in_polygon 0"}},
      {"other keys do nothing", "key 122\nkey 49\nkey 0\nkey 76\n" + Esc, {}},
      {"a press outside the rows does nothing",
       mouse_frames({{400, 10, 1}, {400, 10, 0}, {790, 400, 1}, {790, 400, 0}}) + Esc,
       {}},
      {"the right button does nothing", press_on(2, 2) + Esc, {}},
      {"nor the left one with Shift", press_on(2, 9) + Esc, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LauncherFolder folder;
    DemoRun run = folder.run(c.script);
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    EXPECT_EQ(folder.ran(), c.ran);
    // The window opens once, and again after each program; it is closed
    // before each program and at the end.
    int opened = 0;
    for (const std::string& line : run.trace) opened += line == Title;
    EXPECT_EQ(opened, 1 + static_cast<int>(c.ran.size()));
    EXPECT_EQ(static_cast<int>(run.calls("CloseGraph").size()), opened);
  }
}

TEST(Launcher, SaysWhenAProgramFailedOrIsMissing) {
  {
    LauncherFolder folder;
    DemoRun run = folder.run("key 100\n" + KeyTaken + Esc, 3);
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    EXPECT_EQ(folder.ran(), std::vector<std::string>{"circumcircle 0"});
    EXPECT_TRUE(run.has("OutTextXY 400 568 \"circumcircle ended with status 3\""));
  }
  {
    LauncherFolder folder("line_circle");
    DemoRun run = folder.run("key 102\n" + KeyTaken + Esc);
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    EXPECT_TRUE(folder.ran().empty());
    EXPECT_TRUE(run.has(
        "OutTextXY 400 568 \"line_circle could not be started: No such file or directory\""));
  }
  {  // A program that ends well clears the message.
    LauncherFolder folder("line_circle");
    DemoRun run = folder.run("key 102\n" + KeyTaken + "key 97\n" + KeyTaken + Esc);
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    int last_open = -1;
    for (int i = 0; i < static_cast<int>(run.trace.size()); ++i)
      if (run.trace[i] == Title) last_open = i;
    for (int i = last_open; i < static_cast<int>(run.trace.size()); ++i)
      EXPECT_EQ(run.trace[i].find("OutTextXY 400 568"), std::string::npos) << run.trace[i];
  }
}

TEST(Launcher, PageListsEveryDemonstrationInItsGroupWithItsLetter) {
  LauncherFolder folder;
  DemoRun run = folder.run("mouse 790 590 0\nmouse 400 " + std::to_string(row_of(4).top + 5) +
                           " 0\nwait 1\nsnap page.png\nkey 27\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  // The page as drawn last, once the pointer had marked e.
  std::vector<std::string> last_page(
      std::find(run.trace.rbegin(), run.trace.rend(), "ClearDevice").base(), run.trace.end());
  std::vector<std::string> headings;
  for (const std::string& line : last_page)
    if (line.starts_with("OutTextXY 20 ")) headings.push_back(line.substr(line.find('"')));
  EXPECT_EQ(headings, (std::vector<std::string>{"\"Vectors\"", "\"Lines and circles\"",
                                                "\"Segments\"", "\"Polygons\""}));
  for (int i = 0; i < static_cast<int>(catalogue().size()); ++i) {
    const Demonstration& d = catalogue()[i];
    RowSpan row = row_of(i);
    SCOPED_TRACE(std::string(d.name));
    EXPECT_TRUE(run.has("OutTextXY 60 " + std::to_string(row.top + 7) + " \"" +
                        std::string(d.title) + "\""));
    EXPECT_TRUE(run.has("OutTextXY 420 " + std::to_string(row.top + 8) + " \"" +
                        std::string(d.usage) + "\""));
    EXPECT_TRUE(run.has("OutTextXY 34 " + std::to_string(row.top + 7) + " \"" +
                        std::string(1, key_of(i)) + "\""));
  }
  // The row under the pointer (e) is marked with a band; the others are not.
  PngImage page = load_png(run.file("page.png"));
  ASSERT_EQ(page.width, 800);
  EXPECT_EQ(page.at(700, row_of(4).top + 4), 0x283048u);
  EXPECT_EQ(page.at(700, row_of(5).top + 4), 0x000000u);
}

TEST(Launcher, RowsAndKeysPickTheirOwnEntryAndTextFitsItsColumn) {
  const int count = static_cast<int>(catalogue().size());
  ASSERT_EQ(count, 11);
  TextStyle title, usage;
  title.font = usage.font = ArialFont;
  title.size = 16;
  usage.size = 14;
  for (int i = 0; i < count; ++i) {
    SCOPED_TRACE(i);
    RowSpan row = row_of(i);
    EXPECT_EQ(entry_at(400, row.top), i);
    EXPECT_EQ(entry_at(20, row.top + row.height - 1), i);
    EXPECT_EQ(entry_at(780, row.top + row.height / 2), i);
    EXPECT_EQ(entry_at(19, row.top + row.height / 2), NoEntry);
    EXPECT_EQ(entry_at(781, row.top + row.height / 2), NoEntry);
    if (i + 1 < count) {
      EXPECT_LE(row.top + row.height, row_of(i + 1).top);
    }
    EXPECT_EQ(entry_for_key(key_of(i)), i);
    EXPECT_EQ(entry_for_key(static_cast<char>(key_of(i) - 'a' + 'A')), i);
    // Titles end before the usage column, usage lines inside the window.
    EXPECT_LT(60 + text_width(title, catalogue()[i].title), 420);
    EXPECT_LT(420 + text_width(usage, catalogue()[i].usage), 790);
  }
  EXPECT_LT(row_of(count - 1).top + row_of(count - 1).height, 560);  // above the status line
  EXPECT_EQ(entry_at(400, 10), NoEntry);
  EXPECT_EQ(entry_at(400, row_of(0).top - 1), NoEntry);  // the first heading
  for (char key : {'l', 'L', '`', '@', '1', ' ', '\x1b', '\0'})
    EXPECT_EQ(entry_for_key(key), NoEntry) << int(key);
}

TEST(Launcher, ListsNamesAndTitles) {
  std::FILE* out = popen((demo_binary("launcher").string() + " --list").c_str(), "r");
  ASSERT_NE(out, nullptr);
  std::string text;
  for (int c; (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
  EXPECT_EQ(pclose(out), 0);
  std::string expected;
  for (const Demonstration& d : catalogue())
    expected += std::string(d.name) + "\t" + std::string(d.title) + "\n";
  EXPECT_EQ(text, expected);
  EXPECT_NE(text.find("segment_distance\tCEA MAI MICA DISTANTA DINTRE SEGMENTE\n"),
            std::string::npos);
}

}  // namespace
