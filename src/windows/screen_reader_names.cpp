// What a screen reader hears: the grid's cells by their content, a name in words for every
// control, and what changed after each key. Nothing here changes what the eye sees.
#include "windows/screen_reader_names.h"

#include "game/game_core.h"
#include "game/game_state.h"
#include "toolkit/action_button.h"
#include "toolkit/draw_grid.h"
#include "toolkit/radio_group.h"
#include "toolkit/segment_clock.h"
#include "view/cell_painter.h"
#include "view/cell_speech.h"
#include "view/spoken_texts.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <memory>

namespace {

// The captioned buttons and boxes are named by their captions in words, again at every new
// caption. The picture buttons keep the names given below.
void NameCaptionedControls(const MainWindowControls& w) {
    for (QAbstractButton* control : std::initializer_list<QAbstractButton*>{
             w.btnGenera, w.btnPlay, w.btnToggleView, w.btnPrint, w.cxButton1, w.cbxHideTimer,
             w.cbxControllo, w.cbxPencil, w.cbxHighlight})
        // Only a new name: every naming is an event a reader must go through.
        if (const QString name = SpokenCaption(control->text()); name != control->accessibleName())
            control->setAccessibleName(name);
}

// What changed in the game, said as it happens, with the current cell after it.
void Tell(const MainWindowControls& w, const QString& news) {
    if (!news.isEmpty())
        w.sg1->tellScreenReader(news);
}

void SpeakChanges(const MainWindowControls& w, const GameCore& game) {
    struct Seen {
        std::uint8_t state = NoPuzzle;
        bool newPuzzle = false;
    };
    auto seen = std::make_shared<Seen>();
    QObject::connect(&game, &GameCore::puzzleGenerated, w.sg1, [seen] { seen->newPuzzle = true; });
    QObject::connect(&game, &GameCore::gameStateChanged, w.sg1, [&w, &game, seen] {
        Tell(w, StateChangeSpeech(seen->state, game.GameState(), seen->newPuzzle));
        seen->state = game.GameState();
        seen->newPuzzle = false;
    });
    const auto saySwitch = [&w, &game](GameCommand command, bool (GameCore::*on)() const) {
        return [&w, &game, command, on] { Tell(w, SwitchSpeech(command, (game.*on)())); };
    };
    QObject::connect(&game, &GameCore::checkingChanged, w.sg1,
                     saySwitch(GameCommand::Checking, &GameCore::Checking));
    QObject::connect(&game, &GameCore::timerHiddenChanged, w.sg1,
                     saySwitch(GameCommand::HideTimer, &GameCore::TimerHidden));
    QObject::connect(&game, &GameCore::pencilModeChanged, w.sg1,
                     saySwitch(GameCommand::PencilMode, &GameCore::PencilMode));
    QObject::connect(&game, &GameCore::highlightingChanged, w.sg1,
                     saySwitch(GameCommand::Highlight, &GameCore::Highlighting));
    QObject::connect(&game, &GameCore::entryRefused, w.sg1, [&w] { Tell(w, kRefusedEntrySpeech); });
    // The candidates change many cells: the player hears that, and the current cell.
    QObject::connect(w.ActFillCandidates, &QAction::triggered, w.sg1,
                     [&w] { Tell(w, kCandidatesNotedSpeech); });
}

} // namespace

void NameForScreenReaders(const MainWindowControls& w, const GameCore& game) {
    w.sg1->setAccessibleName(QStringLiteral("Griglia"));
    w.sg1->setAccessibleDescription(
        QStringLiteral("Spostati con le frecce, scrivi un simbolo con il suo tasto e svuota la "
                       "casella con la barra spaziatrice."));
    w.sg1->setCellNameFn(
        [&game](int row, int column) { return CellSpeech(GridViewOf(game), row, column); });
    QObject::connect(&game, &GameCore::playGridChanged, w.sg1, &DrawGrid::cellChanged);

    w.Image1->setAccessibleName(QStringLiteral("Logo di Caselio"));
    w.Image1->setAccessibleDescription(
        QStringLiteral("Due ruote dentate accanto a una pila di griglie di Sudoku"));
    w.btnHelp->setAccessibleName(QStringLiteral("Guida, F1"));
    w.btnHelp->setAccessibleDescription(QStringLiteral("Apre nel browser la pagina della guida"));
    w.btnFontPiu->setAccessibleName(QStringLiteral("Ingrandisci"));
    w.btnFontPiu->setAccessibleDescription(QStringLiteral("Ingrandisce i caratteri e la griglia"));
    w.btnFontMeno->setAccessibleName(QStringLiteral("Rimpicciolisci"));
    w.btnFontMeno->setAccessibleDescription(
        QStringLiteral("Rimpicciolisce i caratteri e la griglia"));
    // The clock's name is its reading, in words.
    w.Clock1->setAccessibleDescription(QStringLiteral("Timer della partita"));

    for (RadioGroup* group : {w.cbg1, w.cbgLivello})
        group->setAccessibleName(SpokenCaption(group->title()));
    NameCaptionedControls(w);
    // After the window's own handlers: the captions are new by then.
    QObject::connect(&game, &GameCore::gameStateChanged, w.sg1, [&w] { NameCaptionedControls(w); });
    QObject::connect(w.ActGenera, &QAction::changed, w.sg1, [&w] { NameCaptionedControls(w); });
    SpeakChanges(w, game);
}

void SayClockReading(const MainWindowControls& w) {
    w.Clock1->refresh();
    const QAccessibleInterface* clock = QAccessible::queryAccessibleInterface(w.Clock1);
    Tell(w, kClockSpeech + QStringLiteral(", ") + clock->text(QAccessible::Name));
}
