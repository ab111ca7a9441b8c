// The player's choices for the game being played.
#include "core/race_choices.h"

int CurrentDifficulty = 0;
int SelectedCar = 1;
