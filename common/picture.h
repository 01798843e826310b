#pragma once
// Pictures the windows show: JPEG bytes decoded into plain RGB pixels.
#include <cstddef>
#include <cstdint>
#include <vector>

// A decoded picture: width * height pixels, three bytes (red, green, blue) each, rows top down.
struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;
};

// Decodes the JPEG picture held in data[0, size) into out; false (out emptied) when the bytes
// are not a picture libjpeg can read.
bool DecodeJpeg(const uint8_t* data, size_t size, Picture* out);
