#include "view/grid_menu.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

using Kind = GridMenuItemKind;

const QString kSixteen = QStringLiteral("0123456789ABCDEF");

QStringList Captions(const std::vector<GridMenuItem>& items) {
    QStringList captions;
    for (const GridMenuItem& item : items)
        captions << item.caption;
    return captions;
}

TEST(GridMenu, OutsideAGameOnlyPlayAndView) {
    EXPECT_EQ(Captions(GridMenuItems(1, kSixteen, false)),
              (QStringList{"Gioca [F5]", " Mostra soluzione [F6] "}));
    EXPECT_EQ(Captions(GridMenuItems(2, kSixteen, false)),
              (QStringList{"Gioca [F5]", " Mostra gioco [F6]"}));
    EXPECT_EQ(Captions(GridMenuItems(5, kSixteen, false)),
              (QStringList{"Abbandona gioco [F5]", "Mostra gioco [F6]"}));
    for (std::uint8_t state : {1, 2, 5}) {
        const auto items = GridMenuItems(state, kSixteen, false);
        ASSERT_EQ(items.size(), 2u);
        EXPECT_EQ(items[0].kind, Kind::Command);
        EXPECT_EQ(items[0].command, GameCommand::Play);
        EXPECT_EQ(items[1].kind, Kind::Command);
        EXPECT_EQ(items[1].command, GameCommand::ToggleView);
    }
}

TEST(GridMenu, StatesWithoutAMenuGetNoItems) {
    for (std::uint8_t state : {0, 3, 6, 255})
        EXPECT_TRUE(GridMenuItems(state, kSixteen, false).empty()) << int(state);
}

TEST(GridMenu, DuringAGameClearSymbolsThenCommands) {
    const auto items = GridMenuItems(4, kSixteen, false);
    ASSERT_EQ(items.size(), 1u + 16u + 4u);
    EXPECT_EQ(items[0], (GridMenuItem{Kind::Clear, "Cancella ", ' '}));
    for (int i = 0; i < 16; ++i) {
        const QChar symbol = kSixteen[i];
        EXPECT_EQ(items[1 + i], (GridMenuItem{Kind::Symbol, QString(symbol), symbol.toLatin1()}));
    }
    const std::vector<GridMenuItem> tail(items.end() - 4, items.end());
    EXPECT_EQ(Captions(tail), (QStringList{"Controllo attivo [F8]", "Suggerimento! [F4]",
                                           "Abbandona gioco [F5]", "Mostra soluzione [F6]"}));
    EXPECT_EQ(tail[0].kind, Kind::Checking);
    EXPECT_EQ(tail[1].command, GameCommand::Hint);
    EXPECT_EQ(tail[2].command, GameCommand::Play);
    EXPECT_EQ(tail[3].command, GameCommand::ToggleView);
}

TEST(GridMenu, SymbolListFollowsTheAlphabet) {
    for (const QString& alphabet :
         {QStringLiteral("123456789"), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY")}) {
        const auto items = GridMenuItems(4, alphabet, false);
        ASSERT_EQ(items.size(), 1u + alphabet.size() + 4u);
        QString symbols;
        for (qsizetype i = 1; i <= alphabet.size(); ++i)
            symbols += QChar(items[i].tag);
        EXPECT_EQ(symbols, alphabet);
    }
}

TEST(GridMenu, CheckingItemFollowsTheCheckingSetting) {
    const auto ticked = GridMenuItems(4, kSixteen, true);
    const auto unticked = GridMenuItems(4, kSixteen, false);
    const auto checkingCaption = [](const std::vector<GridMenuItem>& items) {
        for (const GridMenuItem& item : items)
            if (item.kind == Kind::Checking)
                return item.caption;
        return QString();
    };
    EXPECT_EQ(checkingCaption(ticked), "Disattiva controllo [F8]");
    EXPECT_EQ(checkingCaption(unticked), "Controllo attivo [F8]");
}

} // namespace

// The comforts' items: a separator, the notes submenu with one checkable item per symbol,
// ticked exactly where the cell has the note, then clearing, filling, undo and redo.
TEST(GridMenu, NotesItemsTickTheCellsNotes) {
    const auto items = NotesMenuItems(kSixteen, NoteBit(0) | NoteBit(10) | NoteBit(15));
    ASSERT_EQ(items.size(), 2u + 16u + 4u);
    EXPECT_EQ(items[0].kind, Kind::Separator);
    EXPECT_EQ(items[1].kind, Kind::NotesSubmenu);
    QString ticked;
    for (int i = 0; i < 16; ++i) {
        const GridMenuItem& item = items[2 + i];
        EXPECT_EQ(item.kind, Kind::Note);
        EXPECT_EQ(item.tag, kSixteen[i].toLatin1());
        if (item.checked)
            ticked += item.caption;
    }
    EXPECT_EQ(ticked, "0AF");
    const std::vector<GridMenuItem> tail(items.end() - 4, items.end());
    EXPECT_EQ(tail[0].kind, Kind::ClearNotes);
    EXPECT_EQ(tail[1].command, GameCommand::FillCandidates);
    EXPECT_EQ(tail[2].command, GameCommand::Undo);
    EXPECT_EQ(tail[3].command, GameCommand::Redo);
}
