#pragma once

// The peers of a cell in a grid of box edge n (side n*n): the other cells of its row, of its
// column and of its box. Every rule of the game is a question about them: a repeat, a solved
// grid, the notes an entry settles, a cell's candidates.

enum class PeerUnit { Row, Column, Box };

// Whether found(row, column) holds for another cell of the unit of cell (row, column), asked
// in row-major order and stopping at the first that does.
template <typename Found>
bool AnyPeerIn(PeerUnit unit, int boxSize, int row, int column, Found found) {
    const int side = boxSize * boxSize;
    switch (unit) {
    case PeerUnit::Row:
        for (int c = 0; c < side; ++c)
            if (c != column && found(row, c))
                return true;
        return false;
    case PeerUnit::Column:
        for (int r = 0; r < side; ++r)
            if (r != row && found(r, column))
                return true;
        return false;
    case PeerUnit::Box: {
        const int top = row - row % boxSize;
        const int left = column - column % boxSize;
        for (int r = top; r < top + boxSize; ++r)
            for (int c = left; c < left + boxSize; ++c)
                if ((r != row || c != column) && found(r, c))
                    return true;
        return false;
    }
    }
    return false;
}

// Calls visit(row, column) once for every peer of cell (row, column): its row, its column,
// then the rest of its box.
template <typename Visit> void ForEachPeer(int boxSize, int row, int column, Visit visit) {
    const auto each = [&](int r, int c) {
        visit(r, c);
        return false;
    };
    AnyPeerIn(PeerUnit::Row, boxSize, row, column, each);
    AnyPeerIn(PeerUnit::Column, boxSize, row, column, each);
    AnyPeerIn(PeerUnit::Box, boxSize, row, column,
              [&](int r, int c) { return r != row && c != column && each(r, c); });
}
