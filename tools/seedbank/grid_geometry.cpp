#include "grid_geometry.h"

#include "engine/symbol_alphabets.h"

namespace seedbank {
namespace {

Geometry MakeGeometry(int box) {
    Geometry g;
    g.box = box;
    g.side = box * box;
    g.cells = g.side * g.side;
    g.units.assign(3 * g.side, {});
    g.unitsOfCell.assign(g.cells, {});
    for (int r = 0; r < g.side; ++r) {
        for (int c = 0; c < g.side; ++c) {
            const int cell = r * g.side + c;
            const int b = (r / box) * box + c / box;
            const int inBox = (r % box) * box + c % box;
            g.units[r][c] = cell;
            g.units[g.side + c][r] = cell;
            g.units[2 * g.side + b][inBox] = cell;
            g.unitsOfCell[cell] = {r, g.side + c, 2 * g.side + b};
        }
    }
    g.peers.assign(g.cells, {});
    for (int cell = 0; cell < g.cells; ++cell) {
        std::vector<bool> seen(g.cells, false);
        seen[cell] = true;
        for (int u : g.unitsOfCell[cell])
            for (int k = 0; k < g.side; ++k) {
                const int other = g.units[u][k];
                if (!seen[other]) {
                    seen[other] = true;
                    g.peers[cell].push_back(other);
                }
            }
    }
    return g;
}

} // namespace

const Geometry* Geometry::For(int box) {
    static const Geometry geometries[3] = {MakeGeometry(3), MakeGeometry(4), MakeGeometry(5)};
    if (box < 3 || box > 5)
        return nullptr;
    return &geometries[box - 3];
}

std::string_view AlphabetFor(int box) {
    return SymbolAlphabetFor(box);
}

bool ParseCells(const Geometry& geometry, std::string_view text, CellValues& values) {
    if (static_cast<int>(text.size()) != geometry.cells)
        return false;
    const std::string_view alphabet = AlphabetFor(geometry.box);
    CellValues parsed(geometry.cells, -1);
    for (int i = 0; i < geometry.cells; ++i) {
        if (text[i] == '?')
            continue;
        const std::size_t pos = alphabet.find(text[i]);
        if (pos == std::string_view::npos)
            return false;
        parsed[i] = static_cast<int>(pos);
    }
    values = std::move(parsed);
    return true;
}

std::string FormatCells(const Geometry& geometry, const CellValues& values) {
    const std::string_view alphabet = AlphabetFor(geometry.box);
    std::string text(geometry.cells, '?');
    for (int i = 0; i < geometry.cells; ++i)
        if (values[i] >= 0)
            text[i] = alphabet[values[i]];
    return text;
}

bool IsCompleteValidGrid(const Geometry& geometry, const CellValues& values) {
    if (static_cast<int>(values.size()) != geometry.cells)
        return false;
    for (const auto& unit : geometry.units) {
        Mask seen = 0;
        for (int k = 0; k < geometry.side; ++k) {
            const int v = values[unit[k]];
            if (v < 0 || v >= geometry.side || (seen & (Mask{1} << v)))
                return false;
            seen |= Mask{1} << v;
        }
    }
    return true;
}

int CountGivens(const CellValues& values) {
    int count = 0;
    for (int v : values)
        count += v >= 0 ? 1 : 0;
    return count;
}

} // namespace seedbank
