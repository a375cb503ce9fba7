#pragma once

#include "game/elapsed_time.h"

#include <QString>
#include <cstdint>

// Every text the game shows, in one place.

// Guidance for a key that reaches the grid while no game takes it.
inline const QString kStartPlayingMessage =
    QStringLiteral("Per iniziare a giocare clicka su [Gioca] o premi [F5] !");
inline const QString kBackToGameMessage =
    QStringLiteral("Per giocare clicka su [Visualizza gioco] o premi [F6] !");

// The one question: asked before a running game is lost, by abandoning it or by closing.
inline const QString kAbandonQuestion = QStringLiteral("Abbandona il gioco in corso ?");

// Generation failures.
inline const QString kNoSeedMessage = QStringLiteral("ENGINE ERROR: 001");
inline const QString kSeedUnreadableMessage = QStringLiteral("ENGINE ERROR: 002");
inline const QString kRetriesExhaustedMessage = QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES");
QString SizeIndexMessage(int index);

// The hint: the solution's symbol between two colons.
QString HintText(char symbol);

// The congratulation, three lines joined by "\r\n".
QString CongratulationText(const ElapsedTime& elapsed);
