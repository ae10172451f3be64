// Where the program finds the files it ships beside its code: the piece images and its own sounds.
#pragma once

#include <QString>
#include <string_view>

// Resolves a path such as "images/White.png". The file in the working directory wins when it
// exists, as the game has always read its images from there; otherwise the copy installed with the
// program: beside the executable, then in the installed data folder. Returns an empty string when
// none exists.
QString LocateDataFile(std::string_view path);
