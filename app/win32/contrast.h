// High contrast on Windows: whether the player has turned on one of the system's contrast themes,
// and with it the system's colours, read from the system and handed to the drawing as the palette
// of every frame. Read when the window is created and again whenever the system's colours or
// settings change.
#pragma once

// Sets the palette frames are drawn in: the high-contrast one made from the system's colours while
// a contrast theme is on, the game's own while none is.
void FollowSystemContrast();
