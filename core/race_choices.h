// The player's choices for the game being played, set by the menus and read by the race.
#pragma once

// The difficulty of the game: 0 Easy, 1 Medium, 2 Hard (set by the difficulty screen).
extern int CurrentDifficulty;
// The car model 1..5 the player drives, always instance 1 (set by the car-choice screen).
extern int SelectedCar;
