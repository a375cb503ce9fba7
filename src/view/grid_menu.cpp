#include "view/grid_menu.h"

#include "game/game_state.h"

namespace {

GridMenuItem ActionItem(GridMenuAction action, const QString& caption) {
    return GridMenuItem{GridMenuItemKind::Action, caption, 0, action};
}

} // namespace

std::vector<GridMenuItem> GridMenuItems(std::uint8_t gameState, const GridMenuSource& source) {
    std::vector<GridMenuItem> items;
    if (gameState == Playing) {
        items.push_back({GridMenuItemKind::Clear, QStringLiteral("Cancella "), ' '});
        for (const QChar symbol : source.alphabet)
            items.push_back({GridMenuItemKind::Symbol, QString(symbol), symbol.toLatin1()});
    }
    if (gameState == PuzzleView || gameState == SolutionView) {
        // The view caption keeps its blanks here, unlike in a game.
        items.push_back(ActionItem(GridMenuAction::Play, source.playCaption.trimmed()));
        items.push_back(ActionItem(GridMenuAction::ToggleView, source.toggleViewCaption));
    }
    if (IsGameRunning(gameState)) {
        if (gameState == Playing) {
            const QString checking = source.checkingTicked
                                         ? QStringLiteral("Disattiva controllo [F8]")
                                         : source.checkingCaption.trimmed();
            items.push_back({GridMenuItemKind::Checking, checking, 0});
            items.push_back(ActionItem(GridMenuAction::Suggerisci, source.hintCaption));
        }
        items.push_back(ActionItem(GridMenuAction::Play, source.playCaption.trimmed()));
        items.push_back(ActionItem(GridMenuAction::ToggleView, source.toggleViewCaption.trimmed()));
    }
    return items;
}
