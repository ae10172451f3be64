#include "app/qt/sound_player.h"

#include <alsa/asoundlib.h>
#include <canberra.h>

#include <QFile>
#include <QFileInfo>

#include "app/qt/data_files.h"

namespace {

// The freedesktop sound event for each kind of game sound.
struct SoundEvent {
  Sound sound;
  const char* eventId;
};

constexpr SoundEvent kSoundEvents[] = {
    {Sound::Exclamation, "dialog-warning"},
    {Sound::Asterisk, "dialog-information"},
    {Sound::Question, "dialog-question"},
    {Sound::SimpleBeep, "bell"},
};

// Played for Sound::Question when the theme has no sound of that name, so that the four kinds
// stay distinguishable.
constexpr char kQuestionFile[] = "sounds/question.wav";

// Replaces ALSA's default error reporter, which prints several lines on stderr for every sound
// when there is no audio device.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

const char* EventId(Sound sound) {
  for (const SoundEvent& event : kSoundEvents) {
    if (event.sound == sound) {
      return event.eventId;
    }
  }
  return nullptr;
}

}  // namespace

CanberraSoundPlayer::~CanberraSoundPlayer() {
  if (context != nullptr) {
    ca_context_destroy(context);
  }
}

bool CanberraSoundPlayer::Open() {
  if (context != nullptr) {
    return true;
  }
  snd_lib_error_set_handler(IgnoreAlsaError);
  if (ca_context_create(&context) != CA_SUCCESS) {
    context = nullptr;
    return false;
  }
  ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Kordavelmix", CA_PROP_APPLICATION_ID,
                          "kordavelmix", nullptr);
  return true;
}

void CanberraSoundPlayer::Play(Sound sound) {
  const char* eventId = EventId(sound);
  if (eventId == nullptr || !Open()) {
    return;
  }
  const int result = ca_context_play(context, 0, CA_PROP_EVENT_ID, eventId, nullptr);
  if (result == CA_ERROR_NOTFOUND && sound == Sound::Question) {
    const QString file = LocateDataFile(kQuestionFile);
    if (!file.isEmpty()) {
      const QByteArray path = QFile::encodeName(QFileInfo(file).absoluteFilePath());
      ca_context_play(context, 0, CA_PROP_MEDIA_FILENAME, path.constData(), nullptr);
    }
  }
}
