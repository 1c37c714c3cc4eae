// Inside the platform room: the one step of finding the installed data
// that the POSIX build takes from a path it is given, so that it can be
// tried on paths other than the running program's.
#pragma once

#include <string>

// The installed data folder of the program that the symbolic link
// programLink points to (/proc/self/exe for the running one), as
// installedDataFolder finds it; where the link can't be read, the folder
// the build was configured to install its data into, if it has one.
std::string dataFolderFrom(const char* programLink);
