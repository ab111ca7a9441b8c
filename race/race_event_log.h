// RaceEventLog: the race's transitions in the order they happened, for whoever watches the game.
#pragma once

#include <string>
#include <vector>

// Owned by the race, which adds one short line per transition ("level 2 track 4",
// "time over", "level complete place 1", "score 612" as a completed level hands over
// to the next with its time bonus counted, "overturned", "game over", "name entry
// rank 3", "main menu"). The game itself never reads it; the headless runner reports it. A game
// adds a few lines per level, so the log is kept whole for the run.
class RaceEventLog {
public:
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};
