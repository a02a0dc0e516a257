#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "map/map_state.h"
#include "map/outline_file.h"
#include "map/packed_outline.h"
#include "platform/user_notice.h"

namespace pellamar {

// The two rows of nine progress shapes; pair i is lit or unlit together.
struct ProgressRows {
  std::array<bool, 9> lit{};
};

// Lights the next pair; on a full row, empties it instead.
void StepProgress(ProgressRows& rows);

// Which outline files a rebuild draws.
enum class OutlineSet { Precise, Global };

// An outline file as the library keeps it.
struct KeptOutline {
  OutlineStatus status = OutlineStatus::Ok;
  PackedOutline outline;  // empty unless status is Ok
};

// Reads outline files from a folder. A parse is kept, packed, while the
// file's size and modification time stay the same; a missing or changed
// file is read (or reported) anew, so the cache never changes what is drawn.
class OutlineLibrary {
 public:
  explicit OutlineLibrary(std::filesystem::path folder) : folder_(std::move(folder)) {}
  const std::filesystem::path& Folder() const { return folder_; }
  // The file's outline, or its failure status.
  [[nodiscard]] const KeptOutline& Load(std::string_view file_name);

 private:
  struct Entry {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type mtime{};
    KeptOutline kept;
  };
  std::filesystem::path folder_;
  std::map<std::string, Entry, std::less<>> cache_;
  const KeptOutline cannot_open_{OutlineStatus::CannotOpen, {}};
  const KeptOutline too_long_{OutlineStatus::TooLong, {}};
};

// What a rebuild calls in the rest of the program, in the order it calls it.
class RebuildSteps {
 public:
  virtual ~RebuildSteps() = default;
  virtual void HideDaylightPools() = 0;
  virtual void ShowWindow() = 0;
  virtual void StepProgress() = 0;
  virtual void PlaceSunMarker() = 0;
  virtual void DrawCities() = 0;
  virtual void ShowPosition() = 0;
  virtual void DrawParallels() = 0;
  virtual void DrawScaleBar() = 0;
  virtual void RedrawDaylight() = 0;
  virtual void ClearProgress() = 0;
  virtual void ReadOutCentre() = 0;
};

// Reads one outline file and draws it. A file that cannot be read, or holds
// more than kOutlineCapacity lines, shows "Erreur à l'ouverture du fichier: "
// followed by its name once, draws nothing and still sets the scales so the
// pointer read-out and clicks keep working.
void LoadOutlineFile(std::string_view file_name, Colour colour, OutlineLibrary& library,
                     MapState& map, Canvas& canvas, UserNotice& notice, RebuildSteps& steps);

// Clears the map and draws everything again from the map state, in the
// fixed order: pools hidden, picture cleared, outlines (the Sun marker after
// the first file), cities, centre position, parallels, scale bar, day/night
// overlay, progress emptied, read-out of the centre.
void RebuildMap(OutlineSet set, OutlineLibrary& library, MapState& map, Canvas& canvas,
                UserNotice& notice, RebuildSteps& steps);

// The progress shapes: element 0 at its designed place, elements 1 to 8
// 30 twips apart after it.
inline constexpr double kShapeWidth = 135, kShapeHeight = 135, kShapeGap = 30;

// Left edges of the nine shapes of a progress row whose element 0 is at
// first_left with the given width.
[[nodiscard]] std::array<double, 9> ProgressShapeLefts(double first_left, double shape_width);

}  // namespace pellamar
