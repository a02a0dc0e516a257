#pragma once

#include <QString>

namespace pellamar {

// The per-user data folder (QStandardPaths::AppDataLocation), where the
// city file lives when the program's folder cannot be written.
[[nodiscard]] QString UserDataFolder();

// True when a file can be created in `folder` now: tried, not guessed from
// the mode bits, so read-only mounts and access lists count too.
[[nodiscard]] bool FolderIsWritable(const QString& folder);

// The city file every reader reads: `user_folder`/Villes.txt when it
// exists, else `program_folder`/Villes.txt.
[[nodiscard]] QString CityFileForReadingIn(const QString& program_folder, const QString& user_folder);

// The city file a save writes. When that is the per-user copy and it does
// not exist yet, the user folder is created and the shipped file copied
// there first, so the save starts from the shipped cities. A copy that
// cannot be made leaves the path as it is: the save then reports its own
// failure.
[[nodiscard]] QString CityFileForWritingIn(const QString& program_folder, const QString& user_folder);

}  // namespace pellamar
