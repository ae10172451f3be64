#include "app/web/frontend.h"

#include <emscripten/emscripten.h>

#include "app/common/game_log.h"
#include "app/common/shell.h"
#include "app/common/turn_words.h"
#include "app/web/tab_storage.h"

namespace {

// One note of a sound: its pitch, when it starts after the sound does, and how long it rings.
struct Note {
  float frequency;  // Hz
  float start;      // seconds
  float length;     // seconds
};

// A sound kind's tune: the oscillator's waveform and up to three notes, each faded in and out so
// that nothing clicks. Every kind has its own waveform and first pitch, so none can be taken for
// another.
struct Tune {
  Sound sound;
  const char* waveform;
  Note notes[3];
  int count;
};

// clang-format off
constexpr Tune kTunes[] = {
    // A refused move: a low falling pair, buzzing like a warning.
    {Sound::Exclamation, "square", {{392.0f, 0.0f, 0.11f}, {294.0f, 0.11f, 0.16f}}, 2},
    // A step: one soft high tick.
    {Sound::Asterisk, "sine", {{1175.0f, 0.0f, 0.09f}}, 1},
    // A crowning: three notes rising, a little fanfare.
    {Sound::Question, "triangle", {{523.0f, 0.0f, 0.1f}, {659.0f, 0.09f, 0.1f}, {784.0f, 0.18f, 0.2f}}, 3},
    // A capture: one bright knock.
    {Sound::SimpleBeep, "sawtooth", {{880.0f, 0.0f, 0.14f}}, 1},
};
// clang-format on
constexpr float kVolume = 0.25f;

EM_JS(void, JsPlayTune, (const char* waveform, const Note* notes, int count, float volume), {
  const tune = [];
  for (let i = 0; i < count; i++) {
    const at = (notes >> 2) + 3 * i;
    tune.push({frequency : HEAPF32[at], start : HEAPF32[at + 1], length : HEAPF32[at + 2]});
  }
  Page.playTune(UTF8ToString(waveform), tune, volume);
});
EM_ASYNC_JS(int, JsShowDialog,
            (const char* text, int textLength, const char* caption, int captionLength,
             const char* accept, const char* reject),
            {
              return Page.showBox(UTF8ToString(text, textLength),
                                  UTF8ToString(caption, captionLength), UTF8ToString(accept),
                                  reject ? UTF8ToString(reject) : null);
            });
EM_JS(void, JsRequestFrame, (), { Page.requestFrame(); });

int ShowDialog(std::string_view text, std::string_view caption, const char* accept,
               const char* reject) {
  return JsShowDialog(text.data(), static_cast<int>(text.size()), caption.data(),
                      static_cast<int>(caption.size()), accept, reject);
}

}  // namespace

void WebFrontend::PlaySound(Sound sound) {
  for (const Tune& tune : kTunes) {
    if (tune.sound == sound) {
      JsPlayTune(tune.waveform, tune.notes, tune.count, kVolume);
    }
  }
}

void WebFrontend::ShowMessage(std::string_view text, std::string_view caption) {
  ShowDialog(text, caption, KORDAVELMIX_OK, nullptr);
}

void WebFrontend::RequestRepaint() {
  JsRequestFrame();
}

void WebFrontend::TellTurn(const TurnRecord& turn) {
  teller_.Tell(turn);
  log_.Note(turn);
  KeepGame(log_, input_);
}

bool AskYesNo(std::string_view text, std::string_view caption) {
  return ShowDialog(text, caption, KORDAVELMIX_YES, KORDAVELMIX_NO) == 1;
}
