#pragma once

// Decoding of the GSHHG binned files (shorelines, rivers, borders) from
// arrays already read into memory, and the rebuilding of whole polygons and
// lines from the pieces that the binning clipped at bin edges.

#include <cstdint>
#include <vector>

#include "convert/geo.h"
#include "convert/outline_text.h"

namespace pellamar::tools {

// The bin grid and the points of one binned file. Bin b has its south-west
// corner at longitude (b mod nx)·size (less 360 from 180 on) and latitude
// 90 − (b div nx + 1)·size. Offsets are unsigned 16-bit fractions of the bin
// size (0 to 65535), stored by netCDF as signed shorts.
struct BinGrid {
  int bin_size_minutes = 0;
  int bins_in_longitude = 0;  // nx
  std::vector<std::int32_t> first_segment_in_bin;
  std::vector<std::int16_t> segments_in_bin;
  std::vector<std::int16_t> rel_lon;  // one per point
  std::vector<std::int16_t> rel_lat;
};

// One stored segment: where its points start and how many there are.
struct SegmentRef {
  std::int32_t first_point = 0;
  std::int32_t point_count = 0;
};

// A decoded segment with its bin and the attributes the caller carried.
struct Piece {
  int segment = 0;  // index in the file's segment arrays
  int bin = 0;
  Polyline points;
};

// Decodes every segment of every bin, in bin order. `segments` is indexed by
// the file's segment number. Returns nothing for a segment whose point range
// or bin lies outside the arrays (a damaged file), rather than reading past.
[[nodiscard]] std::vector<Piece> DecodeBins(const BinGrid& grid,
                                            const std::vector<SegmentRef>& segments);

// Shore segment word: points in bits 9 and up, level in bits 6–8, exit and
// entry sides in bits 3–5 and 0–2 (4 = the segment does not touch the bin
// edge: it is a whole polygon).
struct ShoreInfo {
  int point_count = 0;
  int level = 0;  // 1 land, 2 lake, 3 island in lake, 4 pond, 6 Antarctic grounding line
  int exit_side = 0;
  int entry_side = 0;
};
[[nodiscard]] ShoreInfo DecodeShoreInfo(std::int32_t word);

// The arrays of a shoreline file (binned_GSHHS_*) and of a river or border
// file (binned_river_*, binned_border_*).
struct ShoreFile {
  BinGrid grid;
  std::vector<std::int32_t> segment_info;  // see DecodeShoreInfo
  std::vector<std::int32_t> segment_first_point;
  std::vector<std::int32_t> segment_polygon;  // index into polygon_area_km2
  std::vector<std::int8_t> segment_antarctic;  // non-zero: Antarctic ice front
  std::vector<double> polygon_area_km2;  // negative for a lake that is a wide river section
};

struct LineFile {
  BinGrid grid;
  std::vector<std::int16_t> segment_points;
  std::vector<std::int16_t> segment_level;
  std::vector<std::int32_t> segment_first_point;
};

// Joins pieces end to start where the end of one equals the start of
// another (coordinates rounded to 1e-6°, 180° E counted as 180° W). Pieces
// are taken in the given order; each chain starts at the first unused piece,
// is extended forwards, then backwards. A chain whose ends meet is returned
// closed (its last point equals its first). Deterministic.
[[nodiscard]] std::vector<Polyline> ChainPieces(const std::vector<Polyline>& pieces);

// One shoreline polygon rebuilt from its pieces.
struct ShorePolygon {
  int id = 0;  // GSHHG polygon number
  int level = 0;
  double area_km2 = 0.0;
  std::vector<Polyline> rings;  // closed unless cut by the antimeridian
};

// Every polygon of a shoreline file, by polygon number, without the
// Antarctic grounding line (level 6): Antarctica is drawn by its ice front.
[[nodiscard]] std::vector<ShorePolygon> BuildShorePolygons(const ShoreFile& file);

// The river or border lines whose level is in [min_level, max_level],
// pieces of the same level chained, weighted by their length in degrees.
[[nodiscard]] std::vector<SourceLine> BuildLines(const LineFile& file, int min_level, int max_level);

}  // namespace pellamar::tools
