// Floods of input: ten thousand keys and ten thousand mouse messages reach
// the programs complete and in order, and the key queue stays bounded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.h"
#include "support/demo_run.h"

namespace {

constexpr int Flood = 10000;

// Every code but Esc, over and over.
int KeyCode(int k) {
  const int code = k % 255;
  return code < 27 ? code : code + 1;
}

TEST(InputFlood, TenThousandKeysAreReadInOrder) {
  std::string script;
  for (int k = 0; k < Flood; ++k) script += "key " + std::to_string(KeyCode(k)) + "\n";
  script += "key 27\n";
  const DemoRun run = run_demo("circumcircle", script);
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  EXPECT_EQ(run.error_text, "");
  const std::vector<std::string> read = run.calls("ReadKey");
  ASSERT_EQ(read.size(), Flood + 1u);
  for (int k = 0; k < Flood; ++k)
    ASSERT_EQ(read[k], "ReadKey -> " + std::to_string(KeyCode(k))) << "key " << k;
  EXPECT_EQ(read.back(), "ReadKey -> 27");
  // One triangle per key: the program drew every cycle to its end.
  EXPECT_EQ(run.calls("ClearDevice").size(), Flood + 1u);
}

TEST(InputFlood, TenThousandMouseMessagesReachTheFramesInOrder) {
  struct Message {
    int x, y, buttons;
  };
  std::vector<Message> sent;
  std::string script;
  for (int k = 0; k < Flood; ++k) {
    // A path over the window with every buttons value in turn.
    sent.push_back({(k * 7) % 800, (k * 13) % 600, k % 32});
    script += "mouse " + std::to_string(sent.back().x) + " " + std::to_string(sent.back().y) + " " +
              std::to_string(sent.back().buttons) + "\nwait 1\n";
  }
  script += "key 32\n";
  const DemoRun run = run_demo("segment_distance", script);
  ASSERT_EQ(run.exit_status, 0) << run.error_text;
  const auto xs = run.calls("GetMouseX"), ys = run.calls("GetMouseY"),
             buttons = run.calls("GetMouseButtons");
  // One sample per frame, and the last frame sees the key.
  ASSERT_EQ(xs.size(), Flood + 1u);
  ASSERT_EQ(ys.size(), xs.size());
  ASSERT_EQ(buttons.size(), xs.size());
  for (int k = 0; k < Flood; ++k) {
    ASSERT_EQ(xs[k], "GetMouseX -> " + std::to_string(sent[k].x)) << "message " << k;
    ASSERT_EQ(ys[k], "GetMouseY -> " + std::to_string(sent[k].y)) << "message " << k;
    ASSERT_EQ(buttons[k], "GetMouseButtons -> " + std::to_string(sent[k].buttons))
        << "message " << k;
  }
}

// Keys that nobody reads pile up only to the queue's capacity; the earliest
// ones are kept, and reading gives them back in order.
TEST(KeyQueue, HoldsTheFirstKeysUpToItsCapacity) {
  KeyQueue keys;
  const std::size_t typed = KeyQueue::Capacity + 1000;
  for (std::size_t k = 0; k < typed; ++k) keys.push_back(static_cast<char>(k % 251));
  EXPECT_EQ(keys.size(), KeyQueue::Capacity);
  for (std::size_t k = 0; k < KeyQueue::Capacity; ++k) {
    ASSERT_EQ(keys.front(), static_cast<char>(k % 251)) << k;
    keys.pop_front();
  }
  EXPECT_TRUE(keys.empty());
  keys.push_back('a');
  EXPECT_EQ(keys.front(), 'a');
}

}  // namespace
