#include "map/view/widget_png.h"

#include <QFile>
#include <QImage>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <png.h>
#include <vector>

namespace pellamar {
namespace {

// Rows written per band: 2 MB for a 1920-pixel-wide window. Fewer, larger
// bands cost less: each band paints every widget it crosses again.
constexpr int kBandRows = 256;
// Rows painted above each band and not written. The antialiased shapes of
// the widgets' frames and buttons come out a grey level or two apart along
// the edge of a clip; these rows take that edge away from the written ones,
// so the bands join into the same picture as one painting of the window.
constexpr int kOverlapRows = 16;

// The libpng calls. libpng reports errors by longjmp back here, so nothing
// in this function or below it on the stack has a destructor to skip; the
// caller owns every buffer.
struct PngJob {
  std::FILE* file;
  int width, height, compression_level;
  int dots_per_meter_x, dots_per_meter_y;
  // Paints the next band and returns its number of rows (0 when done).
  int (*paint_band)(void* context, png_bytep* rows);
  void* context;
  png_bytep* rows;  // row pointers, set by paint_band
};

bool WritePng(const PngJob& job) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, job.file);
  png_set_compression_level(png, job.compression_level);
  // No row filter: a map is mostly flat runs, which deflate takes as well
  // unfiltered (the file is even a little smaller), and trying every filter
  // on every row took a third of a whole snapshot's time.
  png_set_filter(png, 0, PNG_FILTER_NONE);
  png_set_IHDR(png, info, static_cast<png_uint_32>(job.width), static_cast<png_uint_32>(job.height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (job.dots_per_meter_x > 0 && job.dots_per_meter_y > 0) {
    png_set_pHYs(png, info, static_cast<png_uint_32>(job.dots_per_meter_x),
                 static_cast<png_uint_32>(job.dots_per_meter_y), PNG_RESOLUTION_METER);
  }
  png_write_info(png, info);
  // QImage::Format_RGB32 is 0xffRRGGBB in native order: B, G, R, 0xff bytes
  // on a little-endian machine, 0xff, R, G, B on a big-endian one.
  if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
  } else {
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
  }
  for (int n; (n = job.paint_band(job.context, job.rows)) > 0;) {
    png_write_rows(png, job.rows, static_cast<png_uint_32>(n));
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

struct Bands {
  QWidget* widget;
  QImage band;
  int band_rows_logical;
  int overlap_rows_logical;
  int next_top = 0;  // logical row
  qreal ratio;
};

int PaintBand(void* context, png_bytep* rows) {
  auto& b = *static_cast<Bands*>(context);
  const int top = b.next_top;
  if (top >= b.widget->height()) return 0;
  const int rows_logical = std::min(b.band_rows_logical, b.widget->height() - top);
  b.next_top = top + rows_logical;
  const int overlap = std::min(top, b.overlap_rows_logical);
  // As grab(): a window that is not opaque shows black where nothing paints.
  b.band.fill(Qt::transparent);
  b.widget->render(&b.band, QPoint(0, 0),
                   QRegion(0, top - overlap, b.widget->width(), overlap + rows_logical),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
  const int skipped = static_cast<int>(std::lround(overlap * b.ratio));
  const int first = static_cast<int>(std::lround(top * b.ratio));
  const int last = static_cast<int>(std::lround((top + rows_logical) * b.ratio));
  for (int y = first; y < last; ++y) rows[y - first] = b.band.scanLine(skipped + y - first);
  return last - first;
}

}  // namespace

bool WriteWidgetPng(QWidget& widget, const QString& path, int compression_level) {
  if (widget.width() <= 0 || widget.height() <= 0) return false;
  const qreal ratio = widget.devicePixelRatioF();
  // Bands must start on whole device rows; at a fractional ratio the
  // widget is painted in one band.
  const bool whole_rows = ratio == std::floor(ratio);
  Bands bands{&widget, QImage(), whole_rows ? kBandRows : widget.height(), kOverlapRows, 0, ratio};
  const int width = static_cast<int>(std::lround(widget.width() * ratio));
  const int height = static_cast<int>(std::lround(widget.height() * ratio));
  const int band_height = static_cast<int>(std::ceil(bands.band_rows_logical * ratio));
  bands.band = QImage(width, static_cast<int>(std::ceil(kOverlapRows * ratio)) + band_height,
                      QImage::Format_RGB32);
  if (bands.band.isNull()) return false;
  bands.band.setDevicePixelRatio(ratio);
  std::vector<png_bytep> rows(static_cast<std::size_t>(band_height));

  const QByteArray name = QFile::encodeName(path);
  std::FILE* file = std::fopen(name.constData(), "wb");
  if (!file) return false;
  const PngJob job{file, width, height, std::clamp(compression_level, 0, 9),
                   bands.band.dotsPerMeterX(), bands.band.dotsPerMeterY(), &PaintBand, &bands, rows.data()};
  bool ok = WritePng(job);
  ok = std::fflush(file) == 0 && !std::ferror(file) && ok;
  ok = std::fclose(file) == 0 && ok;
  return ok;
}

}  // namespace pellamar
