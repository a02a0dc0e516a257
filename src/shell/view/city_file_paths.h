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

// The city file a save writes; nothing is created here. When that is the
// per-user copy and it does not exist yet, the save creates its folder and
// writes the file read (the shipped one) with the user's cities.
[[nodiscard]] QString CityFileForWritingIn(const QString& program_folder, const QString& user_folder);

}  // namespace pellamar
