// What a driver does for the device: show the visible page and bring in
// mouse and key input. The window driver (SDL) and the headless driver
// (scripted input) implement it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "page.h"

struct MouseSample {
  std::int16_t x = 0;
  std::int16_t y = 0;
  std::int16_t buttons = 0;
};

// The keys typed and not yet read, oldest first. It holds at most Capacity:
// a program that goes on drawing without reading keys while they are typed
// keeps the first ones, as a full type-ahead buffer does, and its memory
// stays bounded.
class KeyQueue {
 public:
  static constexpr std::size_t Capacity = 65536;

  void push_back(char key) {
    if (keys_.size() < Capacity) keys_.push_back(key);
  }
  bool empty() const { return keys_.empty(); }
  std::size_t size() const { return keys_.size(); }
  char front() const { return keys_.front(); }
  void pop_front() { keys_.pop_front(); }

 private:
  std::deque<char> keys_;
};

struct Input {
  KeyQueue keys;
  MouseSample mouse;
};

class Driver {
 public:
  virtual ~Driver() = default;

  // Empty on success, otherwise why the output could not be opened.
  virtual std::string open(std::string_view title) = 0;
  virtual void close() = 0;

  // The visible page was switched to (a flip): show it, at the display's pace.
  virtual void flip(const Page& visible) = 0;
  // Takes the input that has arrived. drawn tells whether the visible page was
  // drawn on since the last poll, so that the driver can keep it on screen.
  virtual void poll(Input& input, const Page& visible, bool drawn) = 0;
  // Blocks until a key waits in input.keys.
  virtual void wait_for_key(Input& input, const Page& visible, bool drawn) = 0;
  virtual void delay(std::uint32_t milliseconds) = 0;
  // Snapshot requests that stand after the last input are carried out here.
  virtual void finish(const Page& /*visible*/) {}
};
