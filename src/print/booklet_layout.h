#pragma once

#include <QRect>
#include <QSize>
#include <QSizeF>
#include <vector>

// How a booklet's pages are laid out: first its puzzles, a chosen number to a page, then
// their solutions, smaller and more to a page, in the same order and with the same numbers.

// The puzzles a page may hold for a box size, fewest first: 1, 2, 4, 6 for 9x9; 1, 2, 4 for
// 16x16; 1, 2 for 25x25; nothing for any other size.
std::vector<int> PuzzlesPerPageChoices(int boxSize);
// What a booklet of the size holds to a page unless told otherwise.
int DefaultPuzzlesPerPage(int boxSize);

// The smallest cell, in millimetres, that is still easy to write in, and still easy to read.
inline constexpr double kMinPuzzleCellMm = 4.0;
inline constexpr double kMinSolutionCellMm = 3.0;

struct BookletPlan {
    int boxSize = 3;
    int count = 0;
    int puzzlesPerPage = 1;
    int solutionsPerPage = 1;

    int PuzzlePages() const { return (count + puzzlesPerPage - 1) / puzzlesPerPage; }
    int SolutionPages() const { return (count + solutionsPerPage - 1) / solutionsPerPage; }
    int Pages() const { return PuzzlePages() + SolutionPages(); }
};

// The plan for count puzzles on paper whose printable area is paperMm: as many puzzles to a
// page as asked where their cells stay at least kMinPuzzleCellMm wide, else the most of the
// choices that do (at least one), and as many solutions as fit at kMinSolutionCellMm, up to
// twelve, never fewer than the puzzles.
BookletPlan PlanBooklet(int boxSize, int count, int wantedPerPage, QSizeF paperMm);

// Where everything sits on one page, in the page's own units.
struct BookletPage {
    QRect heading;             // the line at the top that says what the page holds
    QRect footer;              // the page number
    std::vector<QRect> grids;  // the grids' pictures, in reading order
    std::vector<QRect> labels; // the number right above each grid, as wide as the grid
};

// A page of size `page` with `places` places for a grid picture of the proportions of `grid`:
// the rows and columns of places that give the largest pictures, each picture centred in its
// place and as large as it can be with its proportions kept.
BookletPage LayOutBookletPage(QSize page, int places, QSize grid);
