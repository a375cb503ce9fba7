#pragma once

#include "desktop/desktop_services.h"
#include "game/game_host.h"

class QWidget;

// The game's way out to the desktop: its messages and its question as modal boxes over the
// main window, and the local time.
class DesktopGameHost : public GameHost {
public:
    DesktopGameHost(const DesktopServices& services, QWidget& owner)
        : Services(services), Owner(owner) {}

    void ShowMessage(const QString& text) override { Services.showMessage(&Owner, text); }
    bool ConfirmYes(const QString& question) override {
        return Services.confirm(&Owner, question) == ConfirmAnswer::Yes;
    }
    QDateTime Now() override { return Services.now(); }

private:
    const DesktopServices& Services;
    QWidget& Owner;
};
