#pragma once

#include <cstdint>

// The values of the game's state number. 3 is never entered; values above 5 never occur, and
// are reported where they would be acted on.
enum GameStateValue : std::uint8_t {
    NoPuzzle = 0,           // no puzzle yet, or the last generation failed in the engine
    PuzzleView = 1,         // a puzzle is shown, no game is running
    SolutionView = 2,       // the puzzle's solution is shown, no game is running
    Playing = 4,            // a game is running and the player's grid is shown
    PlayingSolutionView = 5 // a game is running and the solution is shown in its place
};

// A game is running, whichever grid is shown.
inline bool IsGameRunning(std::uint8_t state) {
    return state == Playing || state == PlayingSolutionView;
}
