// cross_product driven through the headless driver.
#include <gtest/gtest.h>

#include "support/demo_run.h"
#include "support/png_image.h"

namespace {

// The four texts of the last frame: "A", "B", the cross and the scalar product.
std::vector<std::string> last_texts(const DemoRun& run) {
  auto texts = run.calls("OutTextXY");
  if (texts.size() < 4) return {"", "", "", ""};
  return {texts.end() - 4, texts.end()};
}

// P0, P1 and P2 moved onto whole pixels: (559, 300), (559, 180), (679, 150).
const std::string whole_pixels = mouse_frames(
    {{559, 300, 1}, {559, 300, 0}, {559, 180, 1}, {559, 180, 0}, {679, 150, 1}, {679, 150, 0}});

TEST(CrossProduct, StartPicture) {
  // Frame 1 is drawn on the hidden page; the snap at frame 3 shows it.
  DemoRun run = run_demo("cross_product", "wait 4\nsnap start.png\nkey 32\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_TRUE(run.error_text.empty());
  EXPECT_EQ(run.trace.front(), "InitGraph 3 6 \"PRODUS VECTORIAL\"");
  EXPECT_TRUE(run.has("SetTextStyle 3 0 2"));
  EXPECT_TRUE(run.has("SetTextJustify 1 1"));
  EXPECT_TRUE(run.has("OutTextXY 567 153 \"|A X B| = 14358.030\""));
  // 20 left of and 12 above the foot of the perpendicular from P1 onto B.
  EXPECT_TRUE(run.has("OutTextXY 598 214 \"A * B = 17940.050\""));
  // A is straight up from P0 = (559.3, 299.5): its shaft ends at P0.
  EXPECT_TRUE(run.has("LineTo 559 300"));
  EXPECT_EQ(run.trace.back(), "CloseGraph");

  PngImage picture = load_png(run.file("start.png"));
  ASSERT_EQ(picture.width, 800);
  EXPECT_EQ(picture.at(559, 250), 0xFF8080u);  // the shaft of A
  EXPECT_EQ(picture.at(10, 10), 0x000000u);
}

TEST(CrossProduct, DraggingBAcrossATurnsTheCrossProductNegative) {
  // Press near P2 and drag it to the left of A.
  DemoRun run = run_demo(
      "cross_product",
      mouse_frames({{679, 150, 1}, {600, 120, 1}, {450, 150, 1}, {450, 150, 0}}) + "key 32\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_NE(last_texts(run)[2].find("\"|A X B| = -"), std::string::npos) << last_texts(run)[2];
}

TEST(CrossProduct, RightButtonAndModifiersPickWithoutMoving) {
  for (int buttons : {2, 9, 17}) {
    DemoRun run = run_demo("cross_product",
                           mouse_frames({{679, 150, buttons}, {500, 500, buttons}}) + "key 13\n");
    ASSERT_EQ(run.exit_status, 0) << run.error_text;
    EXPECT_NE(last_texts(run)[2].find("14358.030"), std::string::npos) << buttons;
  }
}

TEST(CrossProduct, DegeneratePositionsKeepTheProgramRunning) {
  struct Case {
    const char* name;
    std::string drag;
  } cases[] = {
      {"P1 on P0", mouse_frames({{559, 180, 1}, {559, 300, 1}})},
      {"P2 on P0", mouse_frames({{679, 150, 1}, {559, 300, 1}})},
      {"three on a line", mouse_frames({{679, 150, 1}, {559, 100, 1}})},
  };
  for (const Case& c : cases) {
    DemoRun run = run_demo("cross_product", whole_pixels + c.drag + "wait 2\nkey 27\n");
    ASSERT_EQ(run.exit_status, 0) << c.name << ": " << run.error_text;
    auto texts = last_texts(run);
    for (const auto& text : texts) {
      EXPECT_EQ(text.find("nan"), std::string::npos) << c.name << ": " << text;
      EXPECT_EQ(text.find("inf"), std::string::npos) << c.name << ": " << text;
    }
    // The rest of the frame is still drawn: the outline and both labels.
    EXPECT_NE(texts[0].find("\"A\""), std::string::npos) << c.name;
    EXPECT_NE(texts[1].find("\"B\""), std::string::npos) << c.name;
    for (const auto& line : run.trace)
      EXPECT_EQ(line.find("-2147483648"), std::string::npos) << c.name << ": " << line;
  }
}

TEST(CrossProduct, PerpendicularVectorsShowZeroWithoutSign) {
  // B horizontal from P0, A vertical.
  DemoRun run = run_demo("cross_product",
                         whole_pixels + mouse_frames({{679, 150, 1}, {679, 300, 1}}) + "key 32\n");
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_NE(last_texts(run)[3].find("\"A * B = 0.000\""), std::string::npos) << last_texts(run)[3];
}

}  // namespace
