// The TrueType faces compiled into the library, so that a program needs no
// font file at run time.
#pragma once

#include <cstddef>

struct EmbeddedFont {
  const unsigned char* data;
  std::size_t size;
};

extern const EmbeddedFont liberation_mono;
extern const EmbeddedFont liberation_sans;
extern const EmbeddedFont liberation_serif;
