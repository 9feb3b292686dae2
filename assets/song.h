// A composed tune: notes on a grid of rows (four rows to a beat) over eight voices, the
// one description both the tracker-module writer and the stream renderer play from.
#pragma once

#include <string>
#include <vector>

enum Voice { LEAD, ARP, BASS, PAD, KICK, SNARE, HAT, PAD2, VOICES };

struct SongNote {
    int row;
    int length;  // rows
    int pitch;   // MIDI note
    float velocity;
};

struct Song {
    int bpm = 120;
    int rows = 256;    // loop length; a multiple of 64
    int leadWave = 0;  // 0 pulse, 1 saw, 2 square, 3 sine-like
    std::vector<SongNote> voices[VOICES];
};

// Composes the tune for a music or stream name; false for an unknown name.
bool composeSong(const std::string& name, Song& song);

// Tracker module (extended format) of the song.
std::string writeModule(const Song& song, const std::string& title);
// The song rendered and encoded as a looping stereo Ogg Vorbis stream.
std::string renderStream(const Song& song, unsigned serial);
