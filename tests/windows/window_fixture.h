#pragma once

#include "desktop/desktop_services.h"
#include "game/game_state.h"
#include "support/pinned_random_stream.h"
#include "toolkit/action_button.h"
#include "toolkit/bevel_panel.h"
#include "toolkit/draw_grid.h"
#include "toolkit/radio_group.h"
#include "toolkit/segment_clock.h"
#include "windows/tfrm_sudoku.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A shown, active main window whose desktop services record what the window asks for, on a
// random stream that replays the same puzzles on every run.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { Restart(); }

    // The desktop as the tests see it: every box, address, wait and dialog recorded, the time
    // and the answers set by the test.
    DesktopServices RecordingServices() {
        DesktopServices services;
        services.showMessage = [this](QWidget*, const QString& text) { Messages << text; };
        services.confirm = [this](QWidget*, const QString& text) {
            Questions << text;
            return Answer;
        };
        services.openUrl = [this](const QUrl& url) {
            Urls << url.toString();
            return true;
        };
        services.now = [this] { return Now; };
        services.wait = [this](int ms) { Waits << ms; };
        services.printDialog = [this](QPrinter& printer, QWidget*) {
            ++PrintDialogs;
            return PrintDialog ? PrintDialog(printer) : false;
        };
        services.askDialog = [this](QDialog& dialog) {
            Dialogs << dialog.windowTitle();
            return false;
        };
        return services;
    }

    // A fresh window, shown and active.
    void Restart() {
        Window = std::make_unique<TfrmSudoku>(RecordingServices());
        Window->show();
        Window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    }

    void TearDown() override { Window.reset(); }

    // A key press as the keyboard delivers it: to the focused control.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : Window.get(), key, modifiers);
    }

    // Drives the window into a state with the function keys.
    void EnterState(GameStateValue state) {
        if (state == NoPuzzle)
            return;
        Press(Qt::Key_F10);
        if (state == SolutionView || state == Playing || state == PlayingSolutionView)
            Press(state == SolutionView ? Qt::Key_F6 : Qt::Key_F5);
        if (state == PlayingSolutionView)
            Press(Qt::Key_F6);
        ASSERT_EQ(Game().GameState(), state);
    }

    // A control of the window, by its object name.
    template <typename T> T* Find(const char* name) const {
        return Window->findChild<T*>(QLatin1String(name));
    }
    DrawGrid* Grid() const { return Find<DrawGrid>("sg1"); }
    // The window's game, read to check what the controls show.
    const GameCore& Game() const { return *Find<GameCore>("game"); }

    PinnedRandomStream Random{20261209};
    std::unique_ptr<TfrmSudoku> Window;
    QStringList Messages;
    QStringList Questions;
    QStringList Urls;
    QList<int> Waits;
    int PrintDialogs = 0;
    QStringList Dialogs; // the titles of the program's own dialogs, which are all cancelled
    // The print dialog's answer, after any change it makes to the printer; none cancels.
    std::function<bool(QPrinter&)> PrintDialog;
    ConfirmAnswer Answer = ConfirmAnswer::Cancel;
    QDateTime Now = QDateTime(QDate(2024, 3, 9), QTime(10, 20, 30, 400));
};
