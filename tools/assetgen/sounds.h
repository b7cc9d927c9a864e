// Every sound the game plays, synthesised from noise bursts, tones and envelopes.
// The three flag announcements have the same length, because the game's flag channels keep the
// size of the first file they were made from and refill that buffer with the others.
#pragma once
#include <string>
#include <vector>

struct SoundFile {
    std::string name;  // file name with extension, as the game opens it
    std::vector<float> samples;
    bool loops = false;  // played in a loop: starts and ends in silence, so the seam is clean
};

std::vector<SoundFile> AllSounds();
