#include "gshhg_netcdf.h"

#include <netcdf.h>

namespace pellamar::tools {
namespace {

// Closes the file when the reading ends, however it ends.
class NcFile {
 public:
  explicit NcFile(const std::filesystem::path& path) {
    if (nc_open(path.c_str(), NC_NOWRITE, &id_) != NC_NOERR) id_ = -1;
  }
  ~NcFile() {
    if (id_ >= 0) nc_close(id_);
  }
  NcFile(const NcFile&) = delete;
  NcFile& operator=(const NcFile&) = delete;
  int id() const { return id_; }

 private:
  int id_ = -1;
};

// Reads a whole one-dimensional variable; false on any failure.
template <typename T>
bool ReadVar(int nc, const char* name, std::vector<T>& out, std::string& error) {
  int var = 0;
  int dim = 0;
  std::size_t length = 0;
  if (nc_inq_varid(nc, name, &var) != NC_NOERR || nc_inq_vardimid(nc, var, &dim) != NC_NOERR ||
      nc_inq_dimlen(nc, dim, &length) != NC_NOERR) {
    error = std::string("missing variable ") + name;
    return false;
  }
  out.resize(length);
  int status = NC_NOERR;
  if constexpr (std::is_same_v<T, double>) status = nc_get_var_double(nc, var, out.data());
  else if constexpr (std::is_same_v<T, std::int32_t>) status = nc_get_var_int(nc, var, out.data());
  else if constexpr (std::is_same_v<T, std::int16_t>) status = nc_get_var_short(nc, var, out.data());
  else status = nc_get_var_schar(nc, var, reinterpret_cast<signed char*>(out.data()));
  if (status != NC_NOERR) {
    error = std::string("cannot read ") + name + ": " + nc_strerror(status);
    return false;
  }
  return true;
}

bool ReadGrid(int nc, BinGrid& grid, std::string& error) {
  std::vector<std::int32_t> size;
  std::vector<std::int32_t> nx;
  if (!ReadVar(nc, "Bin_size_in_minutes", size, error) ||
      !ReadVar(nc, "N_bins_in_360_longitude_range", nx, error) || size.empty() || nx.empty()) {
    return false;
  }
  grid.bin_size_minutes = size[0];
  grid.bins_in_longitude = nx[0];
  return ReadVar(nc, "Id_of_first_segment_in_a_bin", grid.first_segment_in_bin, error) &&
         ReadVar(nc, "N_segments_in_a_bin", grid.segments_in_bin, error) &&
         ReadVar(nc, "Relative_longitude_from_SW_corner_of_bin", grid.rel_lon, error) &&
         ReadVar(nc, "Relative_latitude_from_SW_corner_of_bin", grid.rel_lat, error);
}

}  // namespace

std::optional<ShoreFile> ReadShoreFile(const std::filesystem::path& path, std::string& error) {
  NcFile file(path);
  if (file.id() < 0) {
    error = "cannot open " + path.string();
    return std::nullopt;
  }
  ShoreFile shore;
  if (!ReadGrid(file.id(), shore.grid, error) ||
      !ReadVar(file.id(), "Embedded_npts_levels_exit_entry_for_a_segment", shore.segment_info, error) ||
      !ReadVar(file.id(), "Id_of_first_point_in_a_segment", shore.segment_first_point, error) ||
      !ReadVar(file.id(), "Id_of_GSHHS_ID", shore.segment_polygon, error) ||
      !ReadVar(file.id(), "Embedded_ANT_flag", shore.segment_antarctic, error) ||
      !ReadVar(file.id(), "The_km_squared_area_of_polygons", shore.polygon_area_km2, error)) {
    return std::nullopt;
  }
  return shore;
}

std::optional<LineFile> ReadLineFile(const std::filesystem::path& path, std::string& error) {
  NcFile file(path);
  if (file.id() < 0) {
    error = "cannot open " + path.string();
    return std::nullopt;
  }
  LineFile lines;
  // "Hierarchial" is the file's own spelling.
  if (!ReadGrid(file.id(), lines.grid, error) ||
      !ReadVar(file.id(), "N_points_for_a_segment", lines.segment_points, error) ||
      !ReadVar(file.id(), "Hierarchial_level_of_a_segment", lines.segment_level, error) ||
      !ReadVar(file.id(), "Id_of_first_point_in_a_segment", lines.segment_first_point, error)) {
    return std::nullopt;
  }
  return lines;
}

}  // namespace pellamar::tools
