#include "view/grid_menu.h"

#include "game/game_state.h"
#include "view/state_captions.h"

namespace {

GridMenuItem CommandItem(GameCommand command, const QString& caption) {
    return GridMenuItem{GridMenuItemKind::Command, caption, 0, command};
}

} // namespace

std::vector<GridMenuItem> GridMenuItems(std::uint8_t gameState, const QString& alphabet,
                                        bool checking) {
    std::vector<GridMenuItem> items;
    const StateCaptions captions = StateCaptionsFor(gameState);
    const QString play = captions.play.value_or(QString());
    const QString toggleView = captions.toggleView.value_or(QString());
    if (gameState == Playing) {
        items.push_back({GridMenuItemKind::Clear, QStringLiteral("Cancella "), ' '});
        for (const QChar symbol : alphabet)
            items.push_back({GridMenuItemKind::Symbol, QString(symbol), symbol.toLatin1()});
    }
    if (gameState == PuzzleView || gameState == SolutionView) {
        // The view caption keeps its blanks here, unlike in a game.
        items.push_back(CommandItem(GameCommand::Play, play.trimmed()));
        items.push_back(CommandItem(GameCommand::ToggleView, toggleView));
    }
    if (IsGameRunning(gameState)) {
        if (gameState == Playing) {
            const QString caption = checking ? kCheckingOffMenuCaption : kCheckingCaption;
            items.push_back({GridMenuItemKind::Checking, caption, 0});
            items.push_back(CommandItem(GameCommand::Hint, kHintCaption));
        }
        items.push_back(CommandItem(GameCommand::Play, play.trimmed()));
        items.push_back(CommandItem(GameCommand::ToggleView, toggleView.trimmed()));
    }
    return items;
}

std::vector<GridMenuItem> NotesMenuItems(const QString& alphabet, CellNotes cellNotes) {
    std::vector<GridMenuItem> items;
    items.push_back({GridMenuItemKind::Separator, QString()});
    items.push_back({GridMenuItemKind::NotesSubmenu, kNotesMenuCaption});
    for (qsizetype i = 0; i < alphabet.size(); ++i) {
        const bool noted = (cellNotes & NoteBit(static_cast<int>(i))) != 0;
        items.push_back(
            {GridMenuItemKind::Note, QString(alphabet[i]), alphabet[i].toLatin1(), {}, noted});
    }
    items.push_back({GridMenuItemKind::ClearNotes, kClearNotesCaption});
    items.push_back(CommandItem(GameCommand::FillCandidates, kFillCandidatesCaption));
    items.push_back(CommandItem(GameCommand::Undo, kUndoCaption));
    items.push_back(CommandItem(GameCommand::Redo, kRedoCaption));
    return items;
}

void DisableCellEntries(std::vector<GridMenuItem>& items) {
    for (GridMenuItem& item : items)
        switch (item.kind) {
        case GridMenuItemKind::Symbol:
        case GridMenuItemKind::Clear:
        case GridMenuItemKind::NotesSubmenu:
        case GridMenuItemKind::Note:
        case GridMenuItemKind::ClearNotes:
            item.enabled = false;
            break;
        case GridMenuItemKind::Checking:
        case GridMenuItemKind::Command:
        case GridMenuItemKind::Separator:
            break;
        }
}
