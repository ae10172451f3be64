// The one seam between the game and the platform it runs on. The game reports through four kinds
// of outward call: a system sound, a modal message box, a repaint request and the record of each
// turn. A front end installs its implementation at start-up; tests install a recorder. With
// nothing installed the game is silent and shows nothing.
#pragma once

#include <cstdint>
#include <string_view>

struct TurnRecord;

// The four sound kinds, valued as the Windows MessageBeep types they stand for.
enum class Sound : std::uint32_t {
  Exclamation = 0x30,      // most refusals of the player's move
  Asterisk = 0x40,         // a player's man steps without capture and is not crowned
  Question = 0x20,         // a man is crowned
  SimpleBeep = 0xFFFFFFFF  // a capture by either side
};

class Frontend {
 public:
  virtual ~Frontend() = default;

  // Plays a short system sound and returns at once.
  virtual void PlaySound(Sound sound) = 0;
  // Shows text (UTF-8, '\n' breaks lines) under caption in a modal box with one OK button and
  // returns when the player has closed it.
  virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;
  // Asks for the whole client area to be painted again, without erasing it first.
  virtual void RequestRepaint() = 0;
  // What the turn of a release that ended a drag was, once it has been played and before any box
  // that the release opens.
  virtual void TellTurn(const TurnRecord& turn) = 0;
};

// Installs the front end (nullptr: silent). The front end must outlive its installation.
void SetFrontend(Frontend* frontend);

void MessageBeep(Sound sound);
void ShowMessage(std::string_view text, std::string_view caption);
void RequestRepaint();
void TellTurn(const TurnRecord& turn);
