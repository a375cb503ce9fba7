#pragma once

#include "support/pinned_random_stream.h"
#include "toolkit/action_button.h"
#include "toolkit/bevel_panel.h"
#include "toolkit/draw_grid.h"
#include "toolkit/radio_group.h"
#include "toolkit/seams.h"
#include "toolkit/segment_clock.h"
#include "windows/tfrm_sudoku.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

// A shown, active main window whose desktop seams record what the window asks for, on a
// random stream that replays the same puzzles on every run.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Seams seams;
        seams.showMessage = [this](QWidget*, const QString& text) { Messages << text; };
        seams.confirm = [this](QWidget*, const QString& text) {
            Questions << text;
            return Answer;
        };
        seams.openUrl = [this](const QUrl& url) {
            Urls << url.toString();
            return true;
        };
        seams.now = [this] { return Now; };
        seams.wait = [this](int ms) { Waits << ms; };
        seams.printDialog = [this](QPrinter&, QWidget*) {
            ++PrintDialogs;
            return false;
        };
        InstallSeams(seams);
        Restart();
    }

    // A fresh window, shown and active.
    void Restart() {
        Window = std::make_unique<TfrmSudoku>();
        Window->show();
        Window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    }

    void TearDown() override {
        Window.reset();
        InstallSeams(RealSeams());
    }

    // A key press as the keyboard delivers it: to the focused control.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : Window.get(), key, modifiers);
    }

    // Drives the window into a state with the function keys: 0, 1, 2, 4 or 5.
    void EnterState(int state) {
        if (state == 0)
            return;
        Press(Qt::Key_F10);
        if (state == 2 || state == 5 || state == 4)
            Press(state == 2 ? Qt::Key_F6 : Qt::Key_F5);
        if (state == 5)
            Press(Qt::Key_F6);
        ASSERT_EQ(Window->Game.GameState, state);
    }

    template <typename T> T* Find(const char* name) {
        return Window->findChild<T*>(QLatin1String(name));
    }

    PinnedRandomStream Random{20261209};
    std::unique_ptr<TfrmSudoku> Window;
    QStringList Messages;
    QStringList Questions;
    QStringList Urls;
    QList<int> Waits;
    int PrintDialogs = 0;
    ConfirmAnswer Answer = ConfirmAnswer::Cancel;
    QDateTime Now = QDateTime(QDate(2024, 3, 9), QTime(10, 20, 30, 400));
};
