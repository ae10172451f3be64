// What the page loads before its first frame: the four piece images and the score panel's face.
#pragma once

// The face the page ships for the score panel, cut down to the glyphs the panel draws, and its
// file in the site, as facts.json names them (app/web/CMakeLists.txt passes them on).
inline constexpr const char* kScoreFontFamily = KORDAVELMIX_SCORE_FONT_FAMILY;
inline constexpr const char* kScoreFontFile = KORDAVELMIX_SCORE_FONT_FILE;

// Loads the piece images of PieceImage::kAll from the site's own images/ folder and the score
// panel's face, and returns once all of them have loaded or failed: a page cannot read a file at
// every frame, so the frame draws from these. Suspends the calling C++ code until then.
void LoadPageAssets();

// Whether the score panel's face has loaded; until it has, the panel's text is not drawn.
bool ScoreFontLoaded();
