#include "grader.h"

namespace seedbank {

const char* TierName(Tier tier) {
    switch (tier) {
    case Tier::Singles:
        return "singles";
    case Tier::Locked:
        return "locked candidates";
    case Tier::Pairs:
        return "pairs";
    case Tier::Triples:
        return "triples";
    case Tier::Quads:
        return "quads";
    case Tier::Unsolved:
        break;
    }
    return "not solved";
}

LogicResult SolveLogically(const Geometry& geometry, const CellValues& givens,
                           TechniqueSet allowed) {
    LogicResult result;
    CandidateGrid grid(geometry);
    if (grid.LoadGivens(givens))
        result.used = ApplyTechniques(grid, allowed);
    result.solved = grid.solved() && IsCompleteValidGrid(geometry, grid.Values());
    result.values = grid.Values();
    return result;
}

Grade GradePuzzle(const Geometry& geometry, const CellValues& givens) {
    static constexpr std::pair<Tier, TechniqueSet> kTiers[] = {
        {Tier::Singles, kSinglesTier}, {Tier::Locked, kLockedTier}, {Tier::Pairs, kPairsTier},
        {Tier::Triples, kTriplesTier}, {Tier::Quads, kQuadsTier},
    };
    Grade grade;
    grade.nakedOnly = SolveLogically(geometry, givens, kNakedSingle).solved;
    for (const auto& [tier, techniques] : kTiers) {
        LogicResult result = SolveLogically(geometry, givens, techniques);
        if (result.solved) {
            grade.tier = tier;
            grade.used = result.used;
            grade.solution = std::move(result.values);
            break;
        }
    }
    return grade;
}

char LevelOf(const Grade& grade) {
    switch (grade.tier) {
    case Tier::Singles:
        return 'E';
    case Tier::Locked:
        return 'M';
    case Tier::Pairs:
        return 'A';
    case Tier::Triples:
        // Simplest first, so a solve that never used the hidden triple needed only the
        // naked one on top of pairs.
        return (grade.used & kNakedTriple) && !(grade.used & kHiddenTriple) ? 'T' : '-';
    default:
        return '-';
    }
}

} // namespace seedbank
