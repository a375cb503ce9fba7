// The function keys on the real window: every key in every state, and keys with a modifier or
// a mouse button held passing on to the focused control.
#include "engine/random_source.h"
#include "windows/window_fixture.h"

#include <QCheckBox>

namespace {

// Records whether a key press reached a control after the window's preview.
class KeySpy : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            ++Seen;
        return false;
    }
    int Seen = 0;
};

struct Outcome {
    int state;
    bool reachedControl;
    int urls, questions, printDialogs;
    bool checking, hideTimer, generated;
};

const Qt::Key kFunctionKeys[] = {Qt::Key_F1, Qt::Key_F2,  Qt::Key_F3,  Qt::Key_F4,
                                 Qt::Key_F5, Qt::Key_F6,  Qt::Key_F7,  Qt::Key_F8,
                                 Qt::Key_F9, Qt::Key_F10, Qt::Key_F11, Qt::Key_F12};

} // namespace

class FunctionKeyTest : public WindowTest {
protected:
    Outcome PressAndObserve(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        KeySpy spy;
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            focus = Window.get();
        focus->installEventFilter(&spy);
        const std::uint32_t random = GetRandomState();
        const int urls = Urls.size(), questions = Questions.size(), prints = PrintDialogs;
        Press(key, modifiers);
        focus->removeEventFilter(&spy);
        return {Game().GameState(),
                spy.Seen > 0,
                static_cast<int>(Urls.size()) - urls,
                static_cast<int>(Questions.size()) - questions,
                PrintDialogs - prints,
                Find<QCheckBox>("cbxControllo")->isChecked(),
                Find<QCheckBox>("cbxHideTimer")->isChecked(),
                GetRandomState() != random};
    }
};

// What a plain key does in a state, as the player sees it.
Outcome ExpectedPlain(GameStateValue state, Qt::Key key) {
    const bool game = IsGameRunning(state);
    const bool puzzle = state == PuzzleView || state == SolutionView;
    Outcome e{state, false, 0, 0, 0, false, false, false};
    switch (key) {
    case Qt::Key_F1:
        e.urls = 1;
        break;
    case Qt::Key_F4:
        e.reachedControl = state != Playing;
        break;
    case Qt::Key_F5:
        e.reachedControl = state == NoPuzzle;
        e.questions = game ? 1 : 0; // answered Cancel: the game goes on
        e.state = puzzle ? Playing : state;
        break;
    case Qt::Key_F6:
        e.reachedControl = state == NoPuzzle;
        e.state = state == PuzzleView            ? SolutionView
                  : state == SolutionView        ? PuzzleView
                  : state == Playing             ? PlayingSolutionView
                  : state == PlayingSolutionView ? Playing
                                                 : state;
        break;
    case Qt::Key_F7:
        e.reachedControl = state == NoPuzzle;
        e.printDialogs = state == NoPuzzle ? 0 : 1;
        break;
    case Qt::Key_F8:
        e.checking = true;
        break;
    case Qt::Key_F9:
        e.reachedControl = state != Playing;
        e.hideTimer = state == Playing;
        break;
    case Qt::Key_F10:
        e.reachedControl = game;
        e.generated = !game;
        e.state = game ? state : PuzzleView;
        break;
    case Qt::Key_F2: // the play comforts: pencil mode, highlighting, filling in candidates
    case Qt::Key_F3:
    case Qt::Key_F11:
        e.reachedControl = state != 4;
        break;
    case Qt::Key_F12: // the game's time, read out to a screen reader
        e.reachedControl = !game;
        break;
    default:
        e.reachedControl = true;
        break;
    }
    return e;
}

TEST_F(FunctionKeyTest, PlainKeysActOnlyWhereTheirOperationIsAvailable) {
    for (GameStateValue state :
         {NoPuzzle, PuzzleView, SolutionView, Playing, PlayingSolutionView}) {
        for (Qt::Key key : kFunctionKeys) {
            SCOPED_TRACE(testing::Message()
                         << "state " << state << " key F" << (key - Qt::Key_F1 + 1));
            Restart();
            EnterState(state);
            const Outcome got = PressAndObserve(key, Qt::NoModifier);
            const Outcome want = ExpectedPlain(state, key);
            EXPECT_EQ(got.state, want.state);
            EXPECT_EQ(got.reachedControl, want.reachedControl);
            EXPECT_EQ(got.urls, want.urls);
            EXPECT_EQ(got.questions, want.questions);
            EXPECT_EQ(got.printDialogs, want.printDialogs);
            EXPECT_EQ(got.checking, want.checking);
            EXPECT_EQ(got.hideTimer, want.hideTimer);
            EXPECT_EQ(got.generated, want.generated);
        }
    }
}

// Which keys count as held is the game's rule; here, that a passed-on key reaches the control.
TEST_F(FunctionKeyTest, KeysWithAModifierPassUnchangedToTheFocusedControl) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifier modifier;
    } chords[] = {{Qt::Key_F5, Qt::ShiftModifier},
                  {Qt::Key_F10, Qt::ControlModifier},
                  {Qt::Key_F6, Qt::AltModifier},
                  {Qt::Key_F8, Qt::ShiftModifier}};
    for (GameStateValue state : {NoPuzzle, PuzzleView, Playing}) {
        Restart();
        EnterState(state);
        for (const auto& chord : chords) {
            SCOPED_TRACE(testing::Message() << "state " << state << " modifier " << chord.modifier
                                            << " key F" << (chord.key - Qt::Key_F1 + 1));
            const Outcome got = PressAndObserve(chord.key, chord.modifier);
            EXPECT_EQ(got.state, state);
            EXPECT_TRUE(got.reachedControl);
            EXPECT_EQ(got.urls + got.questions + got.printDialogs, 0);
            EXPECT_FALSE(got.checking);
            EXPECT_FALSE(got.generated);
        }
    }
}

// The booklet's chord, beside the function keys: its dialog in every state, the game as it was.
TEST_F(FunctionKeyTest, ShiftF7AsksForABookletAndLeavesTheGameAlone) {
    for (GameStateValue state : {NoPuzzle, PuzzleView, Playing}) {
        Restart();
        EnterState(state);
        SCOPED_TRACE(testing::Message() << "state " << state);
        Dialogs.clear();
        const Outcome got = PressAndObserve(Qt::Key_F7, Qt::ShiftModifier);
        EXPECT_EQ(Dialogs, QStringList{"Libretto di sudoku"});
        EXPECT_EQ(got.state, state);
        EXPECT_EQ(got.urls + got.questions + got.printDialogs, 0);
        EXPECT_FALSE(got.generated);
    }
}

TEST_F(FunctionKeyTest, KeyWithMouseButtonHeldIsPassedOn) {
    EnterState(PuzzleView);
    QWidget* grid = Grid();
    QTest::mousePress(grid, Qt::LeftButton, {}, {5, 5});
    const Outcome got = PressAndObserve(Qt::Key_F6, Qt::NoModifier);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(got.state, 1);
    EXPECT_TRUE(got.reachedControl);
}

TEST_F(FunctionKeyTest, FunctionKeyReachesWindowWhileAButtonHasFocus) {
    EnterState(PuzzleView);
    Find<QPushButton>("btnFontPiu")->setFocus();
    ASSERT_TRUE(Find<QPushButton>("btnFontPiu")->hasFocus());
    Press(Qt::Key_F6);
    EXPECT_EQ(Game().GameState(), SolutionView);
}
