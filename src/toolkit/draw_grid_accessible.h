#pragma once

class DrawGrid;

// Screen readers see a DrawGrid as a table whose cells are named by the grid's owner; the
// current cell is the focused and selected one.

// Makes Qt build that table for every DrawGrid; once per program, later calls do nothing.
void InstallDrawGridAccessibility();

// The current cell takes the screen reader's focus, while the grid has the keyboard's.
void AnnounceCurrentCell(DrawGrid& grid);

// The same, when the current cell already has the reader's focus: it hears the cell again.
void AnnounceCurrentCellAgain(DrawGrid& grid);

// The name of cell (row, column) has changed.
void AnnounceCellName(DrawGrid& grid, int row, int column);
