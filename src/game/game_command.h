#pragma once

// What the player can ask of the game outside the grid, by a button, a function key or the
// grid's menu. The game says whether a command is available now; the window runs it.
enum class GameCommand {
    Help,       // open the help page of the state
    Hint,       // name the solution's symbol for the selected cell
    Play,       // start a game, or abandon the running one
    ToggleView, // show the solution, or the puzzle or game again
    Print,      // print the puzzle page
    Checking,   // mark repeated symbols, or stop marking them
    HideTimer,  // hide the clock, or show it again
    Generate,   // a new puzzle
};
