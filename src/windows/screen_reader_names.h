#pragma once

class TfrmSudoku;

// What a screen reader hears of the main window: the grid's cells by their content, and a name
// for every control that shows a picture or a sign instead of words. Nothing changes for the
// eye.
void NameForScreenReaders(TfrmSudoku& window);

// The screen reader says the running game's time, as the clock reads it, shown or not.
void SayClockReading(TfrmSudoku& window);
