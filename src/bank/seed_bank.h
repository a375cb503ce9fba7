#pragma once

#include <string>

// The seed puzzle bank: constant records of puzzle + solution text, listed by box size
// (3, 4, 5) and difficulty letter ('E', 'M', 'A'; lower case counts as capital).

// Number of records of the pair, 0 for any other size or letter.
int GetSeedCount(int boxSize, char level);

// Copies record `index` of the pair into the two outputs and returns true. Returns false,
// leaving both outputs untouched, for an unknown pair or an index outside 0..count-1.
bool GetSeedPuzzle(int boxSize, char level, int index, std::string& puzzle, std::string& solution);
