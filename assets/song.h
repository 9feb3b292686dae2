// A composed tune: notes on a grid of rows (four rows to a beat) over eight voices, the
// one description both the tracker-module writer and the stream renderer play from.
#pragma once

#include <string>
#include <vector>

enum Voice { LEAD, ARP, BASS, PAD, KICK, SNARE, HAT, PAD2, VOICES };
// A module carries the voices plus the lead's echo on a channel of its own.
constexpr int MODULE_CHANNELS = VOICES + 1;

struct SongNote {
    int row;
    int length;  // rows
    int pitch;   // MIDI note
    float velocity;
};

// How one voice sounds, the same in both renderers.
enum class Timbre { PULSE, THIN_PULSE, SAW, SQUARE, ROUND, DARK_SAW, SOFT };

struct VoiceSound {
    Timbre timbre = Timbre::SQUARE;
    double pan = 0.0;      // -1 left .. 1 right
    double attack = 0.01;  // seconds
    double decay = 0.0;    // seconds to fall to the sustain level (0 = hold)
    double sustain = 1.0;  // level held after the decay
    double cutoff = 3000;  // Hz, streams only (modules use the timbre's own brightness)
};

// A drum kit: how deep the kick, how bright the snare, how long the hats ring.
struct DrumKit {
    double kickHz = 150, kickEndHz = 42;
    double snareTone = 190, snareNoise = 6000;
    double hatLength = 0.05;
};

struct Song {
    int bpm = 120;
    int rows = 256;      // loop length; a multiple of 64
    double swing = 0.0;  // fraction of a row the off sixteenths are played late
    int echoRows = 3;    // the lead's echo, this many rows later on the other side
    VoiceSound sound[VOICES];
    DrumKit kit;
    std::vector<SongNote> voices[VOICES];
};

// Composes the tune for a music or stream name; false for an unknown name.
bool composeSong(const std::string& name, Song& song);

// Tracker module (extended format) of the song.
std::string writeModule(const Song& song, const std::string& title);
// The song rendered and encoded as a looping stereo Ogg Vorbis stream.
std::string renderStream(const Song& song, unsigned serial);
