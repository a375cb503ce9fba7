// The game's life and its transitions.
#include "game/game_core.h"

#include "engine/random_source.h"
#include "engine/symbol_alphabets.h"
#include "game/elapsed_time.h"
#include "game/game_texts.h"

GameCore::GameCore(GameHost& host, QObject* parent) : QObject(parent), Host(host) {}

GameCore::~GameCore() = default;

void GameCore::Start() {
    SeedRandom();
    BoxSize = 3;
    Board.reset();
    SeparatorWidth = kSeparatorWidth;
    GridShown = false;
    for (int n = 3; n <= 5; ++n)
        SymbolAlphabets[n] = std::string(SymbolAlphabetFor(n));
    EnterState(NoPuzzle);
}

void GameCore::End() {
    Board.reset();
}

void GameCore::EnterState(std::uint8_t state) {
    GameState = state;
    // The clock shows again on every entry into the player's grid.
    if (state == Playing)
        TimerHidden = false;
    emit gameStateChanged();
}

GameCore::PlayOutcome GameCore::Play() {
    if (IsGameRunning(GameState)) {
        if (!Host.ConfirmYes(kAbandonQuestion))
            return PlayOutcome::Kept;
        GameState = PuzzleView;
        ResetPlayGrid();
        emit gameStateChanged();
        return PlayOutcome::Abandoned;
    }
    // A game needs a puzzle on view.
    if (GameState != PuzzleView && GameState != SolutionView)
        return PlayOutcome::Refused;
    EnterState(Playing);
    PlayStartMoment = Host.Now();
    PlayStartTime = DateTimeToDays(PlayStartMoment);
    return PlayOutcome::Started;
}

void GameCore::ToggleView() {
    switch (GameState) {
    case PuzzleView:
        EnterState(SolutionView);
        break;
    case SolutionView:
        EnterState(PuzzleView);
        break;
    case Playing:
        EnterState(PlayingSolutionView);
        break;
    case PlayingSolutionView:
        EnterState(Playing);
        break;
    default:
        break;
    }
}

void GameCore::SetChecking(bool on) {
    Checking = on;
    emit checkingChanged();
}

void GameCore::SetTimerHidden(bool hidden) {
    TimerHidden = hidden;
    emit timerHiddenChanged();
}

bool GameCore::MayClose() {
    return !IsGameRunning(GameState) || Host.ConfirmYes(kAbandonQuestion);
}
