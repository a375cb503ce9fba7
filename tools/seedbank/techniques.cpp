#include "techniques.h"

#include <bit>
#include <utility>

namespace seedbank {
namespace {

int Lowest(Mask m) {
    return std::countr_zero(m);
}
int Count(Mask m) {
    return std::popcount(m);
}

bool NakedSingles(CandidateGrid& g) {
    bool progress = false;
    for (int cell = 0; cell < g.geometry().cells && !g.contradiction(); ++cell) {
        if (g.value(cell) >= 0)
            continue;
        const Mask m = g.candidates(cell);
        if (m == 0) {
            g.markContradiction();
        } else if (Count(m) == 1) {
            g.Place(cell, Lowest(m));
            progress = true;
        }
    }
    return progress;
}

bool HiddenSingles(CandidateGrid& g) {
    const Geometry& geo = g.geometry();
    bool progress = false;
    for (const auto& unit : geo.units) {
        Mask once = 0, twice = 0, placed = 0;
        for (int k = 0; k < geo.side; ++k) {
            const int cell = unit[k];
            if (g.value(cell) >= 0) {
                placed |= Mask{1} << g.value(cell);
            } else {
                twice |= once & g.candidates(cell);
                once |= g.candidates(cell);
            }
        }
        if (geo.AllSymbols() & ~placed & ~once) {
            g.markContradiction();
            return progress;
        }
        for (Mask single = once & ~twice & ~placed; single; single &= single - 1) {
            const int symbol = Lowest(single);
            for (int k = 0; k < geo.side; ++k)
                if (g.candidates(unit[k]) & (Mask{1} << symbol)) {
                    g.Place(unit[k], symbol);
                    progress = true;
                    break;
                }
            if (g.contradiction())
                return progress;
        }
    }
    return progress;
}

// Union of the candidates of the n cells where a line crosses a box. `line` is a row
// (or, with columns set, a column); `block` is the box's position along that line.
Mask Segment(const CandidateGrid& g, bool columns, int line, int block) {
    const Geometry& geo = g.geometry();
    Mask m = 0;
    for (int j = 0; j < geo.box; ++j) {
        const int along = block * geo.box + j;
        const int cell = columns ? along * geo.side + line : line * geo.side + along;
        m |= g.candidates(cell);
    }
    return m;
}

// Box/line interactions. Pointing: a symbol confined to one line inside a box leaves the
// rest of that line. Claiming: a symbol confined to one box inside a line leaves the rest
// of that box.
bool LockedCandidates(CandidateGrid& g, bool pointing) {
    const Geometry& geo = g.geometry();
    const int n = geo.box;
    bool progress = false;
    for (int columns = 0; columns < 2; ++columns) {
        for (int band = 0; band < n; ++band) {
            for (int block = 0; block < n; ++block) {
                // seg[i]: line band*n+i crossing the box at position `block`.
                Mask seg[5];
                for (int i = 0; i < n; ++i)
                    seg[i] = Segment(g, columns, band * n + i, block);
                for (int i = 0; i < n; ++i) {
                    const int line = band * n + i;
                    Mask others = 0;
                    if (pointing) {
                        for (int k = 0; k < n; ++k)
                            if (k != i)
                                others |= seg[k];
                    } else {
                        for (int k = 0; k < n; ++k)
                            if (k != block)
                                others |= Segment(g, columns, line, k);
                    }
                    const Mask only = seg[i] & ~others;
                    if (!only)
                        continue;
                    for (int a = 0; a < geo.side; ++a) {
                        // Pointing clears the line outside the box; claiming clears
                        // the box outside the line.
                        int cell;
                        if (pointing) {
                            if (a / n == block)
                                continue;
                            cell = columns ? a * geo.side + line : line * geo.side + a;
                        } else {
                            const int other = band * n + a / n;
                            if (other == line)
                                continue;
                            const int along = block * n + a % n;
                            cell = columns ? along * geo.side + other : other * geo.side + along;
                        }
                        progress |= g.Eliminate(cell, only);
                    }
                    if (g.contradiction())
                        return progress;
                }
            }
        }
    }
    return progress;
}

// Calls visit(chosen indices as a bit set, union) for every k-subset of `masks` whose
// union has at most k bits.
template <typename Visit>
void ForEachSubset(const Mask* masks, int count, int k, int start, int chosen, Mask unionSoFar,
                   int depth, Visit&& visit) {
    if (depth == k) {
        visit(chosen, unionSoFar);
        return;
    }
    for (int i = start; i <= count - (k - depth); ++i) {
        const Mask u = unionSoFar | masks[i];
        if (Count(u) > k)
            continue;
        ForEachSubset(masks, count, k, i + 1, chosen | (1 << i), u, depth + 1, visit);
    }
}

// k open cells of a unit whose candidates together are k symbols: those symbols leave
// the unit's other cells.
bool NakedSubsets(CandidateGrid& g, int k) {
    const Geometry& geo = g.geometry();
    bool progress = false;
    for (const auto& unit : geo.units) {
        int cells[kMaxSide];
        Mask masks[kMaxSide];
        int count = 0, open = 0;
        for (int i = 0; i < geo.side; ++i) {
            const int cell = unit[i];
            if (g.value(cell) >= 0)
                continue;
            ++open;
            const int size = Count(g.candidates(cell));
            if (size >= 2 && size <= k) {
                cells[count] = cell;
                masks[count] = g.candidates(cell);
                ++count;
            }
        }
        if (open <= k || count < k)
            continue;
        ForEachSubset(masks, count, k, 0, 0, 0, 0, [&](int chosen, Mask symbols) {
            if (Count(symbols) < k) {
                g.markContradiction();
                return;
            }
            for (int i = 0; i < geo.side; ++i) {
                const int cell = unit[i];
                bool inSubset = false;
                for (int j = 0; j < count; ++j)
                    if ((chosen & (1 << j)) && cells[j] == cell)
                        inSubset = true;
                if (!inSubset)
                    progress |= g.Eliminate(cell, symbols);
            }
        });
        if (g.contradiction())
            return progress;
    }
    return progress;
}

// k symbols of a unit whose places together are k cells: those cells keep only them.
bool HiddenSubsets(CandidateGrid& g, int k) {
    const Geometry& geo = g.geometry();
    bool progress = false;
    for (const auto& unit : geo.units) {
        Mask places[kMaxSide] = {};
        Mask placed = 0;
        int open = 0;
        for (int i = 0; i < geo.side; ++i) {
            const int cell = unit[i];
            if (g.value(cell) >= 0) {
                placed |= Mask{1} << g.value(cell);
                continue;
            }
            ++open;
            for (Mask m = g.candidates(cell); m; m &= m - 1)
                places[Lowest(m)] |= Mask{1} << i;
        }
        if (open <= k)
            continue;
        int symbols[kMaxSide];
        Mask masks[kMaxSide];
        int count = 0;
        for (int s = 0; s < geo.side; ++s) {
            if (placed & (Mask{1} << s))
                continue;
            const int size = Count(places[s]);
            if (size >= 2 && size <= k) {
                symbols[count] = s;
                masks[count] = places[s];
                ++count;
            }
        }
        if (count < k)
            continue;
        ForEachSubset(masks, count, k, 0, 0, 0, 0, [&](int chosen, Mask positions) {
            if (Count(positions) < k) {
                g.markContradiction();
                return;
            }
            Mask keep = 0;
            for (int j = 0; j < count; ++j)
                if (chosen & (1 << j))
                    keep |= Mask{1} << symbols[j];
            for (Mask p = positions; p; p &= p - 1)
                progress |= g.Eliminate(unit[Lowest(p)], geo.AllSymbols() & ~keep);
        });
        if (g.contradiction())
            return progress;
    }
    return progress;
}

struct Step {
    Technique technique;
    const char* name;
    bool (*apply)(CandidateGrid&);
};

constexpr Step kSteps[] = {
    {kNakedSingle, "naked-single", NakedSingles},
    {kHiddenSingle, "hidden-single", HiddenSingles},
    {kPointing, "pointing", [](CandidateGrid& g) { return LockedCandidates(g, true); }},
    {kClaiming, "claiming", [](CandidateGrid& g) { return LockedCandidates(g, false); }},
    {kNakedPair, "naked-pair", [](CandidateGrid& g) { return NakedSubsets(g, 2); }},
    {kHiddenPair, "hidden-pair", [](CandidateGrid& g) { return HiddenSubsets(g, 2); }},
    {kNakedTriple, "naked-triple", [](CandidateGrid& g) { return NakedSubsets(g, 3); }},
    {kHiddenTriple, "hidden-triple", [](CandidateGrid& g) { return HiddenSubsets(g, 3); }},
    {kNakedQuad, "naked-quad", [](CandidateGrid& g) { return NakedSubsets(g, 4); }},
    {kHiddenQuad, "hidden-quad", [](CandidateGrid& g) { return HiddenSubsets(g, 4); }},
};

} // namespace

std::string TechniqueNames(TechniqueSet techniques) {
    std::string names;
    for (const Step& step : kSteps)
        if (techniques & step.technique) {
            if (!names.empty())
                names += ", ";
            names += step.name;
        }
    return names;
}

TechniqueSet TechniqueByName(const std::string& name) {
    for (const Step& step : kSteps)
        if (name == step.name)
            return step.technique;
    return 0;
}

TechniqueSet ApplyTechniques(CandidateGrid& grid, TechniqueSet allowed) {
    TechniqueSet used = 0;
    while (!grid.contradiction() && grid.openCells() > 0) {
        bool progressed = false;
        for (const Step& step : kSteps) {
            if (!(allowed & step.technique))
                continue;
            if (step.apply(grid)) {
                used |= step.technique;
                progressed = true;
                break;
            }
            if (grid.contradiction())
                break;
        }
        if (!progressed)
            break;
    }
    return used;
}

} // namespace seedbank
