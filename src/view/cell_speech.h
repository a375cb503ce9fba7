#pragma once

#include "view/cell_painter.h"

#include <QString>

// What a screen reader says for cell (row, column), counted from 1 for the player:
// "riga 3, colonna 5, 7, iniziale", "riga 3, colonna 6, vuota", "riga 3, colonna 6, 7, ripetuto",
// "riga 2, colonna 3, vuota, note 1 4 7". Commas only: readers spell out colons and brackets.
// It says what the painter shows: the state's grid, givens as such, repeats only where the red
// stroke is. Short and always in the same order, as the player hears it at every step.
QString CellSpeech(const GridView& view, int row, int column);
