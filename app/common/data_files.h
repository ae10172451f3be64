// Where a front end finds the files the game ships beside its program: the piece images and its
// own sounds.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string_view>

// The largest width or height of a piece image the front ends decode. A piece is drawn one cell
// square, an eighth of the client height, so a larger picture would only cost memory and decoding
// time; a small file that claims larger dimensions (one that would decode into gigabytes) is
// refused.
inline constexpr int kMaxPieceImageSide = 2048;

// Resolves a data file named by a relative UTF-8 path with '/' between folders, such as
// "images/White.png". The file under the working directory wins when it exists, as the game has
// always read its images from there; otherwise the first of the folders (where the program's own
// copy is installed) that holds it. Returns an empty path when none does. Paths keep every
// character the platform allows, Cyrillic included; nothing here throws, and a folder that cannot
// be read counts as not holding the file.
std::filesystem::path FindDataFile(std::string_view relative,
                                   std::initializer_list<std::filesystem::path> folders);
