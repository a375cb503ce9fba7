#include "windows/grid_window.h"

#include <QAccessible>
#include <QRegularExpression>
#include <functional>
#include <memory>

// The window as a screen reader reaches it. Qt passes accessibility events on only while a
// screen reader listens, which never happens offscreen: the events themselves are checked on
// a real desktop by atspi_run_test.sh, and here what a reader finds when it asks.
namespace {

class AccessibleWindowTest : public GridWindowTest {
protected:
    QAccessibleInterface* GridReader() const {
        return QAccessible::queryAccessibleInterface(Grid());
    }
    QAccessibleInterface* CellOf(GridCell cell) const {
        return GridReader()->tableInterface()->cellAt(cell.row, cell.column);
    }
    QString NameOf(GridCell cell) const {
        QAccessibleInterface* found = CellOf(cell);
        return found ? found->text(QAccessible::Name) : QStringLiteral("(no cell)");
    }
    static QString Place(GridCell cell) {
        return QStringLiteral("riga %1, colonna %2, ").arg(cell.row + 1).arg(cell.column + 1);
    }
};

// A group with a table's interface, not a table: Orca reads a table's whole row at each
// change of row.
TEST_F(AccessibleWindowTest, GridIsAGroupWithATableOfTheBoardsSideAtEverySize) {
    for (int n : {4, 5, 3}) {
        SCOPED_TRACE(n);
        Generate(n);
        const int side = n * n;
        QAccessibleInterface* grid = GridReader();
        ASSERT_TRUE(grid->tableInterface());
        EXPECT_EQ(grid->role(), QAccessible::Grouping);
        EXPECT_EQ(grid->tableInterface()->rowCount(), side);
        EXPECT_EQ(grid->tableInterface()->columnCount(), side);
        EXPECT_EQ(grid->childCount(), side * side);
        QAccessibleInterface* last = grid->child(side * side - 1);
        ASSERT_TRUE(last);
        EXPECT_EQ(last->tableCellInterface()->rowIndex(), side - 1);
        EXPECT_EQ(last->tableCellInterface()->columnIndex(), side - 1);
        EXPECT_EQ(grid->indexOfChild(last), side * side - 1);
        // Row 2, column 5 as the player counts, off the diagonal: row by row, child 13 of a
        // 9x9 grid, both ways.
        QAccessibleInterface* place = grid->tableInterface()->cellAt(1, 4);
        ASSERT_TRUE(place);
        EXPECT_EQ(grid->indexOfChild(place), side + 4);
        EXPECT_EQ(grid->child(side + 4), place);
        EXPECT_FALSE(grid->tableInterface()->cellAt(side, 0));
    }
}

TEST_F(AccessibleWindowTest, CellNamesFollowGivensEntriesBlanksAndRepeats) {
    StartGame(3);
    Press(Qt::Key_Down); // past the news of the start
    const GridCell given = FirstCell(true);
    const char givenSymbol = PuzzleAt(Game(), given);
    EXPECT_EQ(NameOf(given), Place(given) + givenSymbol + QStringLiteral(", iniziale"));

    // An open cell in the given's row or column: the given's symbol repeats there.
    GridCell open{-1, -1};
    for (int i = 0; i < 9 && open.row < 0; ++i)
        for (GridCell cell : {GridCell{given.row, i}, GridCell{i, given.column}})
            if (open.row < 0 && PuzzleAt(Game(), cell) == ' ')
                open = cell;
    ASSERT_GE(open.row, 0) << "the given's row and column are full";
    EXPECT_EQ(NameOf(open), Place(open) + QStringLiteral("vuota"));

    Press(Qt::Key_F8);
    ASSERT_TRUE(Game().Checking());
    Select(open);
    Press(KeyFor(givenSymbol));
    EXPECT_EQ(NameOf(open), Place(open) + givenSymbol + QStringLiteral(", ripetuto"));
    const char right = Solution(open);
    Press(KeyFor(right));
    EXPECT_EQ(NameOf(open), Place(open) + right);
    Press(Qt::Key_Space);
    EXPECT_EQ(NameOf(open), Place(open) + QStringLiteral("vuota"));
}

// Orca speaks neither a cell's new name nor the window's changes: the current cell is read
// again with the news before it, until the next move.
TEST_F(AccessibleWindowTest, TheCurrentCellCarriesTheNewsOfEachKeyUntilTheNextMove) {
    const auto current = [this] { return NameOf(Selection()); };
    StartGame(3);
    EXPECT_TRUE(current().startsWith(QStringLiteral("partita iniziata, riga ")))
        << current().toStdString();
    const GridCell given = FirstCell(true);
    Select(given);
    Press(Qt::Key_1);
    EXPECT_EQ(current(), QStringLiteral("non modificabile, ") + Place(given) +
                             PuzzleAt(Game(), given) + QStringLiteral(", iniziale"));
    const GridCell open = FirstCell(false);
    Select(open);
    Press(Qt::Key_F2);
    EXPECT_EQ(current(),
              QStringLiteral("note a matita attive, ") + Place(open) + QStringLiteral("vuota"));
    Press(Qt::Key_F2);
    Press(KeyFor(Solution(open)));
    EXPECT_EQ(current(), Place(open) + Solution(open));
    // An undo of a cell elsewhere names that cell first.
    Select(given);
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(current(), Place(open) + QStringLiteral("vuota, ") + Place(given) +
                             PuzzleAt(Game(), given) + QStringLiteral(", iniziale"));
    Press(Qt::Key_F6);
    EXPECT_TRUE(current().startsWith(QStringLiteral("soluzione, ")));
    Press(Qt::Key_F12);
    EXPECT_TRUE(
        current().startsWith(QStringLiteral("tempo di gioco, 0 ore, 0 minuti e 0 secondi, ")))
        << current().toStdString();
    Press(Qt::Key_F6);
    EXPECT_TRUE(current().startsWith(QStringLiteral("gioco, ")));
    Press(Qt::Key_Right);
    EXPECT_TRUE(current().startsWith(QStringLiteral("riga ")));
}

TEST_F(AccessibleWindowTest, TheReadersFocusFollowsTheSelection) {
    StartGame(3);
    ASSERT_TRUE(Grid()->hasFocus());
    Select({0, 0});
    struct Step {
        Qt::Key key;
        GridCell to;
    };
    const Step steps[] = {{Qt::Key_Right, {0, 1}}, {Qt::Key_Down, {1, 1}}, {Qt::Key_End, {1, 8}},
                          {Qt::Key_Home, {1, 0}},  {Qt::Key_Left, {1, 0}}, {Qt::Key_Up, {0, 0}}};
    GridCell from{0, 0};
    for (const Step& step : steps) {
        // QTest::toString hands over a string the caller must free.
        const std::unique_ptr<char[]> keyName(QTest::toString(step.key));
        SCOPED_TRACE(keyName.get());
        Press(step.key);
        ASSERT_EQ(Selection(), step.to);
        QAccessibleInterface* focused = GridReader()->focusChild();
        ASSERT_TRUE(focused);
        EXPECT_EQ(focused, CellOf(step.to));
        EXPECT_TRUE(focused->state().focused);
        EXPECT_TRUE(GridReader()->tableInterface()->selectedCells() ==
                    QList<QAccessibleInterface*>{focused});
        if (from != step.to) {
            EXPECT_FALSE(CellOf(from)->state().focused);
        }
        from = step.to;
    }
    // Outside the grid no cell has the focus.
    Find<ActionButton>("btnPlay")->setFocus();
    EXPECT_FALSE(GridReader()->focusChild());
    EXPECT_FALSE(CellOf(from)->state().focused);
}

TEST_F(AccessibleWindowTest, ClockReadsItsTimeInWords) {
    StartGame(3);
    QAccessibleInterface* clock =
        QAccessible::queryAccessibleInterface(Find<SegmentClock>("Clock1"));
    const QDateTime start = Now;
    for (const auto& [seconds, words] :
         {std::pair{3665, "1 ora, 1 minuto e 5 secondi"}, {7259, "2 ore, 0 minuti e 59 secondi"}}) {
        Now = start.addSecs(seconds);
        Find<SegmentClock>("Clock1")->refresh();
        EXPECT_EQ(clock->text(QAccessible::Name).toStdString(), words);
    }
}

// Every control a player can reach or look at says what it is in words, not with a sign or a
// picture alone, and without the brackets, colons and outer blanks a reader would spell out.
TEST_F(AccessibleWindowTest, EveryShownControlHasAWordForName) {
    StartGame(3);
    int named = 0;
    const std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
        if (node->state().invisible)
            return;
        // A frame is a window to a reader, whose review of the window would stop there.
        EXPECT_NE(node->role(), QAccessible::Border)
            << (node->object() ? node->object()->objectName().toStdString() : "");
        switch (node->role()) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::Graphic:
        case QAccessible::StaticText:
        case QAccessible::Grouping:
        case QAccessible::Link: {
            const QString name = node->text(QAccessible::Name);
            SCOPED_TRACE(node->object() ? node->object()->objectName().toStdString() : "");
            EXPECT_TRUE(name.contains(QRegularExpression(QStringLiteral("\\w\\w"))))
                << name.toStdString();
            if (node->role() != QAccessible::StaticText) {
                EXPECT_FALSE(name.contains(QRegularExpression(QStringLiteral("[:\\[\\]]"))))
                    << name.toStdString();
                EXPECT_EQ(name, name.trimmed());
            }
            ++named;
            break;
        }
        default:
            break;
        }
        if (node->tableInterface())
            return; // its cells are named by the game
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface* child = node->child(i))
                visit(child);
    };
    visit(QAccessible::queryAccessibleInterface(Window.get()));
    // The banner picture and texts, generate, the size items, help, the maker's label and
    // link, the grid, play, view, the game panel's boxes, clock and hint, the zoom texts and
    // buttons.
    EXPECT_GE(named, 20);
}

} // namespace
