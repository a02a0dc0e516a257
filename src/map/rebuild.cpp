#include "map/rebuild.h"

#include <string>
#include <system_error>

#include "map/outline_drawing.h"

namespace pellamar {

void StepProgress(ProgressRows& rows) {
  if (rows.lit[8]) {
    rows.lit.fill(false);
    return;
  }
  for (bool& pair : rows.lit) {
    if (!pair) {
      pair = true;
      return;
    }
  }
}

const KeptOutline& OutlineLibrary::Load(std::string_view file_name) {
  const std::filesystem::path path = folder_ / std::filesystem::path(file_name);
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  const auto mtime = ec ? std::filesystem::file_time_type{} : std::filesystem::last_write_time(path, ec);
  const auto found = cache_.find(file_name);
  if (ec) {
    if (found != cache_.end()) cache_.erase(found);
    return cannot_open_;
  }
  if (found != cache_.end() && found->second.size == size && found->second.mtime == mtime) {
    return found->second.kept;
  }
  OutlineLoad load = ReadOutlineFile(path);
  if (load.status != OutlineStatus::Ok) {
    if (found != cache_.end()) cache_.erase(found);
    return load.status == OutlineStatus::TooLong ? too_long_ : cannot_open_;
  }
  Entry& entry = cache_[std::string(file_name)];
  entry.size = size;
  entry.mtime = mtime;
  entry.kept = KeptOutline{OutlineStatus::Ok, PackedOutline(load.outline)};
  return entry.kept;
}

void LoadOutlineFile(std::string_view file_name, Colour colour, OutlineLibrary& library,
                     MapState& map, Canvas& canvas, UserNotice& notice, RebuildSteps& steps) {
  UpdateScales(map, canvas.WidthTwips(), canvas.HeightTwips());
  const KeptOutline& load = library.Load(file_name);
  if (load.status != OutlineStatus::Ok) {
    notice.Message("Erreur à l'ouverture du fichier: " + std::string(file_name));
    return;
  }
  DrawOutline(load.outline, map, canvas, colour, [&steps] { steps.StepProgress(); });
}

void RebuildMap(OutlineSet set, OutlineLibrary& library, MapState& map, Canvas& canvas,
                UserNotice& notice, RebuildSteps& steps) {
  steps.HideDaylightPools();
  canvas.Clear();
  steps.ShowWindow();
  if (set == OutlineSet::Precise) {
    LoadOutlineFile("Iles.Asc", Rgb(50, 50, 50), library, map, canvas, notice, steps);
    steps.StepProgress();
    steps.PlaceSunMarker();
    steps.StepProgress();
    LoadOutlineFile("Lacs.Asc", 0xFF0000, library, map, canvas, notice, steps);
    LoadOutlineFile("rivieres.Asc", 0x800000, library, map, canvas, notice, steps);
    LoadOutlineFile("contours.Asc", 0, library, map, canvas, notice, steps);
  } else {
    steps.StepProgress();
    LoadOutlineFile("totale.Asc", 0, library, map, canvas, notice, steps);
    steps.PlaceSunMarker();
    steps.StepProgress();
  }
  steps.DrawCities();
  steps.StepProgress();
  steps.ShowPosition();
  steps.DrawParallels();
  steps.DrawScaleBar();
  steps.RedrawDaylight();
  steps.ClearProgress();
  steps.ReadOutCentre();
}

std::array<double, 9> ProgressShapeLefts(double first_left, double shape_width) {
  std::array<double, 9> lefts{};
  lefts[0] = first_left;
  for (int i = 1; i < 9; ++i) lefts[i] = 60 + i * (shape_width + 30);
  return lefts;
}


}  // namespace pellamar
