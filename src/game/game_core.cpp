// The game's life: start, generation with its retries, the transitions, entries, the hint,
// the completion test after every stored entry, and the notes with their undo and redo.
#include "game/game_core.h"

#include "bank/seed_bank.h"
#include "engine/random_source.h"
#include "engine/symbol_alphabets.h"
#include "game/completion_check.h"
#include "game/elapsed_time.h"
#include "game/game_texts.h"
#include "game/note_steps.h"

namespace {

constexpr int kRetries = 10;

char LevelLetter(int levelIndex) {
    static constexpr char kLevels[] = {'E', 'M', 'A'};
    return levelIndex >= 0 && levelIndex <= 2 ? kLevels[levelIndex] : 'E';
}

} // namespace

GameCore::GameCore(GameHost& host, QObject* parent) : QObject(parent), host_(host) {}

GameCore::~GameCore() = default;

bool GameCore::Available(GameCommand command) const {
    switch (command) {
    case GameCommand::Help:
    case GameCommand::Checking: // also while its box is hidden: the setting holds for a game
        return true;
    case GameCommand::Hint:
    case GameCommand::HideTimer:
    case GameCommand::PencilMode:
    case GameCommand::Highlight:
    case GameCommand::FillCandidates:
        return GameOnView();
    case GameCommand::Undo:
        return GameOnView() && history_.CanUndo();
    case GameCommand::Redo:
        return GameOnView() && history_.CanRedo();
    case GameCommand::ReadClock:
        return IsGameRunning(gameState_);
    case GameCommand::Play:
    case GameCommand::ToggleView:
    case GameCommand::Print:
        return HasPuzzle();
    case GameCommand::Generate:
        return gameState_ == NoPuzzle || gameState_ == PuzzleView || gameState_ == SolutionView;
    }
    return false;
}

bool GameCore::TakesKeyOf(GameCommand command) const {
    // A chord with nothing to take back is still the game's: it must not reach the grid as a
    // letter.
    if (command == GameCommand::Undo || command == GameCommand::Redo)
        return GameOnView();
    return Available(command);
}

bool GameCore::Run(GameCommand command) {
    if (!Available(command))
        return false;
    switch (command) {
    case GameCommand::Checking:
        checking_ = !checking_;
        emit checkingChanged();
        return true;
    case GameCommand::HideTimer:
        timerHidden_ = !timerHidden_;
        emit timerHiddenChanged();
        return true;
    case GameCommand::PencilMode:
        pencilMode_ = !pencilMode_;
        emit pencilModeChanged();
        return true;
    case GameCommand::Highlight:
        highlighting_ = !highlighting_;
        emit highlightingChanged();
        return true;
    case GameCommand::ToggleView:
        ToggleView();
        return true;
    case GameCommand::FillCandidates:
        FillCandidates();
        return true;
    case GameCommand::Undo:
        Undo();
        return true;
    case GameCommand::Redo:
        Redo();
        return true;
    case GameCommand::Help:
    case GameCommand::Hint:
    case GameCommand::Play:
    case GameCommand::Print:
    case GameCommand::Generate:
    case GameCommand::ReadClock:
        break;
    }
    return false;
}

void GameCore::AnnounceAvailability() {
    std::uint32_t available = 0;
    for (int command = 0; command <= static_cast<int>(GameCommand::ReadClock); ++command)
        if (Available(static_cast<GameCommand>(command)))
            available |= 1u << command;
    if (available == available_)
        return;
    available_ = available;
    emit availabilityChanged();
}

bool GameCore::HasPuzzle() const {
    return gameState_ == PuzzleView || gameState_ == SolutionView || IsGameRunning(gameState_);
}

void GameCore::Start() {
    SeedRandom();
    boxSize_ = kSmallestBoxSize;
    board_.reset();
    gridPrepared_ = false;
    EnterState(NoPuzzle);
}

void GameCore::End() {
    board_.reset();
}

void GameCore::EnterState(std::uint8_t state) {
    gameState_ = state;
    // The clock shows again on every entry into the player's grid.
    if (state == Playing)
        timerHidden_ = false;
    emit gameStateChanged();
    AnnounceAvailability();
}

GameCore::GenerateOutcome GameCore::Generate(int sizeIndex, int levelIndex) {
    if (!Available(GameCommand::Generate))
        return {};
    int attempt = 0;
    bool generated = GeneratePuzzle(sizeIndex, levelIndex);
    while (!generated && attempt < kRetries) {
        ++attempt;
        generated = GeneratePuzzle(sizeIndex, levelIndex);
    }
    // Ten failures in a row are reported whatever the eleventh attempt gave.
    const bool gaveUp = attempt >= kRetries;
    if (gaveUp)
        host_.ShowMessage(kRetriesExhaustedMessage);
    return {generated, gaveUp};
}

bool GameCore::GeneratePuzzle(int sizeIndex, int levelIndex) {
    if (sizeIndex < 0 || sizeIndex > kLargestBoxSize - kSmallestBoxSize) {
        host_.ShowMessage(SizeIndexMessage(sizeIndex));
        return false;
    }
    const std::int32_t n = kSmallestBoxSize + sizeIndex;
    if (!gridPrepared_ || n != boxSize_)
        ClearGridFor(n);

    const char level = LevelLetter(levelIndex);
    const int count = GetSeedCount(n, level);
    if (count <= 0) {
        host_.ShowMessage(kNoSeedMessage);
        return false;
    }
    // Drawn before the board is made: a new board reseeds the stream for its own shuffle.
    const int index = static_cast<int>(NextRandom(static_cast<std::uint32_t>(count)));
    std::string puzzle;
    std::string solution;
    if (!GetSeedPuzzle(n, level, index, puzzle, solution)) {
        host_.ShowMessage(kSeedUnreadableMessage);
        return false;
    }

    if (board_ && n == boxSize_)
        board_->LoadPuzzle(puzzle, solution, SymbolAlphabetFor(n));
    else
        board_ = std::make_unique<TsdBoard>(n, SymbolAlphabetFor(n), puzzle, solution);
    boxSize_ = n;

    bool ok = !board_->HasError();
    if (ok) {
        board_->Genera();
        ok = !board_->HasError() && board_->CheckSolution();
    }
    if (ok) {
        board_->ExportPuzzle(puzzleGrid_);
        board_->ExportSolution(solutionGrid_);
        playGrid_ = puzzleGrid_;
        emit puzzleGenerated();
    } else if (board_->HasError()) {
        // A refusal by the solution check alone raises no flag and shows nothing.
        host_.ShowMessage(QString::fromStdString(board_->GetErrorText()));
    }
    EnterState(ok ? PuzzleView : NoPuzzle);
    return ok;
}

void GameCore::ClearGridFor(int boxSize) {
    const bool newBoxSize = boxSize != boxSize_;
    gridPrepared_ = true;
    // A successful generation copies the new puzzle over this.
    playGrid_ = MakeCellGrid('.');
    emit gridPrepared(boxSize, newBoxSize);
}

void GameCore::ResetPlayGrid() {
    if (!board_)
        return;
    const int side = board_->GetDimension();
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            if (puzzleGrid_[r][c] == ' ')
                playGrid_[r][c] = ' ';
    ForgetSteps();
}

void GameCore::ForgetSteps() {
    notes_ = {};
    history_.Clear();
    AnnounceAvailability();
    if (pencilMode_) {
        pencilMode_ = false;
        emit pencilModeChanged();
    }
}

GameCore::PlayOutcome GameCore::Play() {
    if (IsGameRunning(gameState_)) {
        if (!host_.ConfirmYes(kAbandonQuestion))
            return PlayOutcome::Kept;
        ResetPlayGrid();
        EnterState(PuzzleView);
        return PlayOutcome::Abandoned;
    }
    // A game needs a puzzle on view.
    if (!Available(GameCommand::Play))
        return PlayOutcome::Refused;
    // The start is known before it is announced, so the clock can count from it.
    playStart_ = host_.Now();
    ForgetSteps();
    EnterState(Playing);
    return PlayOutcome::Started;
}

void GameCore::ToggleView() {
    switch (gameState_) {
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

bool GameCore::MayClose() {
    return !IsGameRunning(gameState_) || host_.ConfirmYes(kAbandonQuestion);
}

bool GameCore::IsOpenCell(int row, int column) const {
    if (!board_)
        return false;
    const int side = board_->GetDimension();
    return row >= 0 && column >= 0 && row < side && column < side &&
           puzzleGrid_[row][column] == ' ';
}

bool GameCore::CellAccepts(int row, int column, char value) const {
    return IsOpenCell(row, column) && (value == ' ' || board_->IsSymbol(value));
}

void GameCore::PressKey(const GridKey& key, int row, int column) {
    if (key.modifierAlone)
        return;
    switch (gameState_) {
    case Playing:
        if (!key.value)
            break;
        if (!IsOpenCell(row, column)) {
            emit entryRefused(row, column);
        } else if (!pencilMode_) {
            if (CellAccepts(row, column, *key.value))
                StoreEntry(row, column, *key.value);
        } else if (*key.value == ' ') {
            ClearNotes(row, column);
        } else {
            ToggleNote(*key.value, row, column);
        }
        break;
    case NoPuzzle:
    case PuzzleView:
    case SolutionView:
        host_.ShowMessage(kStartPlayingMessage);
        break;
    case PlayingSolutionView:
        host_.ShowMessage(kBackToGameMessage);
        break;
    default:
        break;
    }
}

void GameCore::EnterFromMenu(char tag, int row, int column) {
    if (gameState_ == Playing && CellAccepts(row, column, tag))
        StoreEntry(row, column, tag);
}

void GameCore::Hint(int row, int column) {
    // The stored solution's symbol, whatever the player has entered; nothing for a given.
    if (Available(GameCommand::Hint) && IsOpenCell(row, column))
        host_.ShowMessage(HintText(solutionGrid_[row][column]));
}

void GameCore::StoreEntry(int row, int column, char value) {
    const int symbol = SymbolIndex(value);
    MoveStep step = EntryStep(playGrid_, notes_, boxSize_, row, column, value, symbol,
                              symbol >= 0 && IsRepeated(*board_, value, row, column, playGrid_));
    if (step.size() == 1 && step[0].oldValue == value && step[0].notesFlip == 0) {
        // The same symbol again changes nothing to take back, but is still an entry.
        emit playGridChanged(row, column);
        CheckCompletion();
        return;
    }
    MakeStep(std::move(step));
}

CellNotes GameCore::NotesAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= kLargestSide || column >= kLargestSide)
        return 0;
    return notes_[row][column];
}

int GameCore::SymbolIndex(char symbol) const {
    return SymbolNumberIn(SymbolAlphabet(), symbol);
}

void GameCore::ToggleNote(char symbol, int row, int column) {
    const int index = SymbolIndex(symbol);
    if (gameState_ != Playing || index < 0 || !IsOpenCell(row, column) ||
        playGrid_[row][column] != ' ')
        return;
    MakeStep(NoteStep(row, column, index));
}

void GameCore::ClearNotes(int row, int column) {
    if (gameState_ != Playing || !IsOpenCell(row, column) || notes_[row][column] == 0)
        return;
    MakeStep(ClearNotesStep(playGrid_, notes_, row, column));
}

void GameCore::FillCandidates() {
    if (gameState_ != Playing || !board_)
        return;
    MoveStep step = CandidatesStep(playGrid_, puzzleGrid_, notes_, boxSize_, SymbolAlphabet());
    if (!step.empty())
        MakeStep(std::move(step));
}

void GameCore::Undo() {
    if (gameState_ != Playing)
        return;
    if (const MoveStep* step = history_.Undo())
        ApplyStep(*step, false);
}

void GameCore::Redo() {
    if (gameState_ != Playing)
        return;
    if (const MoveStep* step = history_.Redo())
        ApplyStep(*step, true);
}

void GameCore::MakeStep(MoveStep step) {
    ApplyStep(history_.Record(std::move(step)), true);
}

void GameCore::ApplyStep(const MoveStep& step, bool forward) {
    bool entry = false;
    for (const CellChange& change : step) {
        const int r = RowOf(change.cell);
        const int c = ColumnOf(change.cell);
        playGrid_[r][c] = forward ? change.newValue : change.oldValue;
        notes_[r][c] ^= change.notesFlip;
        entry = entry || change.oldValue != change.newValue;
    }
    const CellChange& first = step.front();
    emit playGridChanged(RowOf(first.cell), ColumnOf(first.cell));
    AnnounceAvailability();
    if (entry)
        CheckCompletion();
}

// Any full grid without a repeat counts as solved, whatever the stored solution says.
void GameCore::CheckCompletion() {
    if (!board_ || !IsGridSolved(*board_, playGrid_))
        return;
    host_.ShowMessage(CongratulationText(ComputeElapsedTime(host_.Now(), playStart_)));
}

// ---- What the grid shows ------------------------------------------------------------

ShownCell GameCore::CellShown(int row, int column, char highlight) const {
    const GridContent content{boxSize_,     gameState_, playGrid_, puzzleGrid_,      solutionGrid_,
                              board_.get(), checking_,  &notes_,   SymbolAlphabet(), highlight};
    return ::CellShown(content, row, column);
}

char GameCore::HighlightedSymbol(int row, int column) const {
    const bool inGrid = row >= 0 && column >= 0 && row < kGridStride && column < kGridStride;
    return highlighting_ && inGrid ? playGrid_[row][column] : ' ';
}
