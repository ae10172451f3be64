// The game's tunes, played through the browser's audio once the player has allowed it.
'use strict';

(() => {
  let audio = null;

  // Browsers allow audio only after the player's first press or key.
  function unlockAudio() {
    if (audio === null && typeof AudioContext === 'function') {
      audio = new AudioContext();
    }
    if (audio !== null && audio.state === 'suspended') {
      audio.resume();
    }
  }

  Object.assign(shared, {unlockAudio});
  Object.assign(Page, {
    // A tune of notes {frequency, start, length}, started at once; silent until audio is allowed.
    playTune(waveform, notes, volume) {
      if (audio === null || audio.state !== 'running') {
        return;
      }
      const now = audio.currentTime;
      for (const note of notes) {
        const oscillator = audio.createOscillator();
        const gain = audio.createGain();
        const start = now + note.start;
        const end = start + note.length;
        oscillator.type = waveform;
        oscillator.frequency.value = note.frequency;
        gain.gain.setValueAtTime(0, start);
        gain.gain.linearRampToValueAtTime(volume, start + 0.005);
        gain.gain.exponentialRampToValueAtTime(0.001, end);
        oscillator.connect(gain).connect(audio.destination);
        oscillator.start(start);
        oscillator.stop(end);
      }
    },
  });
})();
