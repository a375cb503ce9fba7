#pragma once

#include "game/game_core.h"
#include "geometry/grid_geometry.h"

#include <gtest/gtest.h>

// The cells of a game, addressed (row, column) as every grid of the program is: the one set of
// helpers the game, view and window tests share.

inline int Side(const GameCore& game) {
    return game.BoxSize() * game.BoxSize();
}

inline char PuzzleAt(const GameCore& game, GridCell cell) {
    return game.PuzzleGrid()[cell.row][cell.column];
}

inline char PlayAt(const GameCore& game, GridCell cell) {
    return game.PlayGrid()[cell.row][cell.column];
}

inline char SolutionAt(const GameCore& game, GridCell cell) {
    return game.SolutionGrid()[cell.row][cell.column];
}

// Every note of the game, cell by cell.
inline NotesGrid NotesOf(const GameCore& game) {
    NotesGrid notes{};
    for (int r = 0; r < kLargestSide; ++r)
        for (int c = 0; c < kLargestSide; ++c)
            notes[r][c] = game.NotesAt(r, c);
    return notes;
}

// The first cell, row by row, that is a given (given == true) or open.
inline GridCell FirstCell(const GameCore& game, bool given) {
    for (int r = 0; r < Side(game); ++r)
        for (int c = 0; c < Side(game); ++c)
            if ((PuzzleAt(game, {r, c}) != ' ') == given)
                return {r, c};
    ADD_FAILURE() << "no such cell";
    return {-1, -1};
}

// An open cell and a given of the same row: typing the given's symbol into the open cell
// repeats it.
struct RepeatCells {
    GridCell open{-1, -1};
    GridCell given{-1, -1};
};

inline RepeatCells FirstRepeatCells(const GameCore& game) {
    for (int r = 0; r < Side(game); ++r) {
        RepeatCells cells;
        for (int c = 0; c < Side(game); ++c)
            (PuzzleAt(game, {r, c}) == ' ' ? cells.open : cells.given) = {r, c};
        if (cells.open.row >= 0 && cells.given.row >= 0)
            return cells;
    }
    ADD_FAILURE() << "no row with an open cell and a given";
    return {};
}
