#pragma once

#include <string>

namespace Core {

// The built-in General MIDI synthesizer: FluidSynth with a GM soundfont, acoustic grand
// piano on every channel, reverb and chorus off, followed by a low-pass filter (biquad,
// 6900 Hz, Q = 1/sqrt(2)), played through an audio driver or rendered on demand.
//
// Environment: OVELUNE_SOUNDFONT names the soundfont (default: the system's GM soundfont);
// OVELUNE_AUDIO_DRIVER forces a FluidSynth audio driver, or "none" for no audio output
// (then the synthesizer only renders on demand); OVELUNE_AUDIO_FILE names the output of the
// "file" driver. A missing soundfont or audio output leaves a silent synthesizer and one
// message on standard error; nothing fails.
//
// FluidSynth is opened, the soundfont loaded and the audio driver started on a background
// thread, so creation returns at once; the program does not link FluidSynth, so neither do
// its libraries load before main. With OVELUNE_BENCH_REPORT set, the end of loading is
// reported on standard error for start-up benchmarks ("ovelune-bench synth-ready-ns
// <CLOCK_MONOTONIC ns> ...").
// Messages that arrive while loading are kept and played, in order, once it has finished.
//
// Threads: every function may be called from any thread, messages from several at once.
struct AudioSystem;

AudioSystem* CreateMacMidiDevice();
// For program start-up: starts making the synthesizer now (library, soundfont, audio output)
// on its own thread; the next CreateMacMidiDevice takes it, ready or still loading, so that
// loading overlaps with what the program does before it makes its output device. Discard
// releases one that nothing took. Both may be called from any thread.
void PrepareMacMidiDevice();
void DiscardPreparedMacMidiDevice();
// Delivers one channel message (status, data 1, data 2); bytes beyond `size` count as 0.
// System messages are ignored.
void SendMacMidiDeviceMessage(AudioSystem* synth, const unsigned char* data, unsigned int size);
void ReleaseMacMidiDevice(AudioSystem* synth);

// Renders `frames` frames into the two buffers, synthesizer then filter, waiting for the
// soundfont first. False (buffers untouched) when a live audio driver owns the synthesizer.
bool RenderMacMidiDevice(AudioSystem* synth, float* left, float* right, unsigned int frames);
// The synthesizer's sample rate in Hz, once loading has finished.
double GetMacMidiDeviceSampleRate(AudioSystem* synth);
// Whether a soundfont is loaded (waits for loading to finish).
bool IsMacMidiDeviceAudible(AudioSystem* synth);
// Audio buffered between the synthesizer and the audio output, in seconds, as the running
// audio driver is configured (0 with none); its name goes to `driverName` when given.
// Waits for loading to finish (and, with JACK, for the first audio callback).
double GetMacMidiDeviceOutputLatency(AudioSystem* synth, std::string* driverName = nullptr);
// Bypasses the output filter (true = filtered, the default); for measuring the filter.
void SetMacMidiDeviceFilter(AudioSystem* synth, bool enabled);
// Tunes every key of every channel so that A4 sounds at `hz` (equal temperament, exact to
// the cent's fraction): notes already sounding and every later one, whatever program plays.
// 440 is the synthesizer's own tuning.
void SetMacMidiDeviceReferencePitch(AudioSystem* synth, double hz);

} // namespace Core
