// Where the program finds the files it ships beside itself: the piece images.
#pragma once

#include <filesystem>
#include <string_view>

#include "app/common/data_files.h"

// Resolves a path such as "images/White.png". The file in the working directory wins when it
// exists, as the game has always read its images from there; otherwise the copy beside the
// program, where the installer and the zip put it. Returns an empty path when none exists.
std::filesystem::path LocateDataFile(std::string_view path);
