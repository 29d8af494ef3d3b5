// Where the 800x600 drawing area lies in a window of any size: scaled to
// fit with its aspect kept and centred, with bars around it. Used both ways:
// to place the picture and to map the pointer back to drawing-area pixels.
#pragma once

struct Viewport {
  int x = 0;  // left edge in output pixels
  int y = 0;  // top edge in output pixels
  int width = 800;
  int height = 600;
};

Viewport fit_drawing_area(int output_width, int output_height);

struct AreaPixel {
  int x;
  int y;
  bool inside;  // false on the bars around the drawing area or beyond the window
};

// The drawing-area pixel under an output position (in output pixels).
AreaPixel to_drawing_area(const Viewport& viewport, double output_x, double output_y);
