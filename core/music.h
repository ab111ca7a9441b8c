// The four looping music tracks: one for the menus, three for the races; at most one plays.
#pragma once

#include <cstdint>
#include <string_view>

// The index 1..3 of the game music for a track number: remainder 0 of a division
// by 3 plays 1, remainder 1 plays 2, remainder 2 plays 3 (track 1 -> 2, 2 -> 3, 3 -> 1).
int GameMusicOf(int trackNo);

// The engine gain for a music volume of 0..100 (0 still plays, at 0.56).
float MusicGain(int32_t musicVolume);

// Stops all four tracks, then starts one from its beginning, looping: selector "1"
// the menu music, "2" the game music of `trackNo` (TrackNo of the race); any other
// selector only stops. The volume comes from the live settings at each start.
void PlayMusic(std::string_view selector, int trackNo = 0);

// Stops all four tracks, in index order.
void StopMusic();
