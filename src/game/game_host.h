#pragma once

#include <QDateTime>
#include <QString>

// What the game asks of the world around it. The main window answers with the desktop's boxes
// and clock; tests answer with their own.
class GameHost {
public:
    virtual ~GameHost() = default;
    // A plain message box with one OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // The one question, with the answers Yes, No and Cancel: true only for Yes.
    virtual bool ConfirmYes(const QString& question) = 0;
    // The current local date-time, with its zone, so that elapsed time is real time.
    virtual QDateTime Now() = 0;
};
