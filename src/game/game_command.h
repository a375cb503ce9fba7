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
    // The play comforts, during a game only.
    PencilMode,     // keys note symbols instead of entering them, or enter them again
    Highlight,      // tint the cells holding the selected cell's symbol, or stop
    FillCandidates, // note in every open blank cell the symbols it can still take
    Undo,           // take back the last change of the grid or the notes
    Redo,           // do again what was taken back
    // For the ear: the time of the running game, read out whether or not the clock shows.
    ReadClock, // the last: the game counts its commands up to here
};
