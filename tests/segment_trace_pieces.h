// Cutting a demo's call trace into the pictures it drew, and counting
// colours in a snapshot.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/demo_run.h"
#include "support/png_image.h"

using TracePiece = std::vector<std::string>;

// The trace cut at every ClearDevice: piece 0 is what came before the first
// one, piece k what followed the k-th (in a drag loop: frame k).
inline std::vector<TracePiece> PiecesBetweenClears(const DemoRun& run) {
  std::vector<TracePiece> pieces(1);
  for (const std::string& line : run.trace) {
    if (line == "ClearDevice") {
      pieces.emplace_back();
    } else {
      pieces.back().push_back(line);
    }
  }
  return pieces;
}

// Only the calls that draw or choose how to draw, in order.
inline TracePiece DrawingCalls(const TracePiece& piece) {
  static constexpr std::string_view drawing[] = {"SetColor",  "Line",         "Circle",
                                                 "OutTextXY", "SetTextStyle", "SetTextJustify",
                                                 "MoveTo",    "LineTo",       "FillPoly"};
  TracePiece calls;
  for (const std::string& line : piece) {
    const std::string_view name = std::string_view(line).substr(0, line.find(' '));
    if (std::find(std::begin(drawing), std::end(drawing), name) != std::end(drawing)) {
      calls.push_back(line);
    }
  }
  return calls;
}

inline int CountPixels(const PngImage& image, std::uint32_t colour) {
  return static_cast<int>(std::count(image.pixels.begin(), image.pixels.end(), colour));
}
