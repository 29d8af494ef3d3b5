// Our graphics layer: the window, pages, drawing, text, mouse, keys and the
// run-time helpers (random numbers, number-to-text, sleeping) that the demos
// are written against. One window at a time; every call acts on it.
//
// Coordinates and radii are 32-bit: values far outside the 800x600 drawing
// area (the crossing of nearly parallel lines, the circle of a nearly flat
// triangle) are drawn clipped, exactly where the real shape lies.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

using Colour = std::uint32_t;  // 0xRRGGBB

// The named colours the demos use, shown exactly.
inline constexpr Colour Black = 0x000000;
inline constexpr Colour White = 0xFFFFFF;
inline constexpr Colour Red = 0xFF0000;
inline constexpr Colour LightRed = 0xFF8080;
inline constexpr Colour LightBlue = 0xADD8E6;
inline constexpr Colour LightGreen = 0x90EE90;
inline constexpr Colour Magenta = 0xFF00FF;
inline constexpr Colour LightMagenta = 0xFF80FF;
inline constexpr Colour Gray = 0x7E7E7E;
inline constexpr Colour LightGray = 0xA8A8A8;

// Driver 3 with mode 6: 256 colours, drawing area 800x600.
inline constexpr std::int16_t D8bit = 3;
inline constexpr std::int16_t m800x600 = 6;

// Text faces: 0 "Courier New" (Liberation Mono), 3 "Arial" (Liberation Sans).
inline constexpr std::int16_t DefaultFont = 0;
inline constexpr std::int16_t ArialFont = 3;

struct PointType {
  std::int32_t x;
  std::int32_t y;
};

// Opens the window (or the headless device, see README) with the caption.
// When no window can be opened the program is told why on stderr and ends
// with a non-zero status.
void InitGraph(std::int16_t& driver, std::int16_t& mode, std::string_view title);
void CloseGraph();

std::int16_t GetMaxX();
std::int16_t GetMaxY();

void SetActivePage(std::int16_t page);
void SetVisualPage(std::int16_t page);
void ClearDevice();

void SetColor(Colour colour);
void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
void MoveTo(std::int32_t x, std::int32_t y);
void LineTo(std::int32_t x, std::int32_t y);
void Circle(std::int32_t x, std::int32_t y, std::int32_t radius);
void OutTextXY(std::int32_t x, std::int32_t y, std::string_view text);
void SetTextStyle(std::int16_t font, std::int16_t direction, std::int16_t size);
void SetTextJustify(std::int16_t horizontal, std::int16_t vertical);
void SetFillStyle(std::int16_t pattern, Colour colour);
void FillPoly(std::int16_t count, const PointType* points);

bool KeyPressed();
char ReadKey();
std::int16_t GetMouseX();
std::int16_t GetMouseY();
std::int16_t GetMouseButtons();

// Mouse button and modifier bits of GetMouseButtons.
inline constexpr std::int16_t MouseLeft = 1;
inline constexpr std::int16_t MouseRight = 2;
inline constexpr std::int16_t MouseMiddle = 4;
inline constexpr std::int16_t MouseShift = 8;
inline constexpr std::int16_t MouseCtrl = 16;

void Delay(std::uint32_t milliseconds);

// Run time: uniform integers 0..n-1 (0 when n <= 0), seeded by Randomize.
std::int32_t Random(std::int32_t n);
void Randomize();

// Str(value : width : decimals) and Str(value : width).
std::string Str(double value, int width, int decimals);
std::string Str(std::int64_t value, int width = 0);
