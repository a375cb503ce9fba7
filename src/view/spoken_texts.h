#pragma once

#include "game/game_command.h"

#include <QString>
#include <cstdint>

// What a screen reader says beside the cells. The eye keeps the captions as they are; the ear
// gets words, since a reader spells out brackets and colons at its usual punctuation level.

// A caption as it is spoken: without its outer blanks, the key after a comma instead of in
// brackets. " Abbandona gioco [F5] " is said "Abbandona gioco, F5".
QString SpokenCaption(const QString& caption);

// What is said when the game goes from state `from` to `to`; `newPuzzle` when a generation
// brought it there. Empty when the change says nothing new (a failed generation is told by
// its message).
QString StateChangeSpeech(std::uint8_t from, std::uint8_t to, bool newPuzzle);

// What is said when a switch of the game (checking, the hidden clock, pencil mode,
// highlighting) has been turned on or off.
QString SwitchSpeech(GameCommand command, bool on);

// Said before a given cell a key would have changed.
inline const QString kRefusedEntrySpeech = QStringLiteral("non modificabile");
// What is said after the candidates were noted, before the current cell.
inline const QString kCandidatesNotedSpeech = QStringLiteral("candidati annotati");
// Said before the clock's reading.
inline const QString kClockSpeech = QStringLiteral("tempo di gioco");
