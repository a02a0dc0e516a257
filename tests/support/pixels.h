#pragma once

// Pixel counts the window tests read pictures with; colours only (the
// alpha byte is left out).
#include <QImage>

#include "map/view/map_picture.h"

namespace pellamar::testing {

inline QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// The number of pixels of the given colour.
inline int CountColour(const QImage& image, QRgb rgb) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += Pixel(image, x, y) == (rgb & 0xFFFFFF);
  }
  return n;
}

// The number of the map picture's pixels that are not white.
inline int InkedPixels(MapPicture* picture) {
  const QImage image = picture->Canvas().Image();
  return image.width() * image.height() - CountColour(image, 0xFFFFFF);
}

}  // namespace pellamar::testing
