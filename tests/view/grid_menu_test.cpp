#include "view/grid_menu.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

using Kind = GridMenuItemKind;
using Action = GridMenuAction;

// The button texts the state machine sets before each rebuild.
GridMenuSource SourceFor(std::uint8_t state, bool ticked = false) {
    GridMenuSource source;
    source.alphabet = QStringLiteral("0123456789ABCDEF");
    source.checkingCaption = QStringLiteral("Controllo attivo [F8]");
    source.checkingTicked = ticked;
    source.hintCaption = QStringLiteral("Suggerimento! [F4]");
    switch (state) {
    case 1:
        source.playCaption = QStringLiteral(" Gioca [F5] ");
        source.toggleViewCaption = QStringLiteral(" Mostra soluzione [F6] ");
        break;
    case 2:
        source.playCaption = QStringLiteral(" Gioca [F5]");
        source.toggleViewCaption = QStringLiteral(" Mostra gioco [F6]");
        break;
    case 4:
        source.playCaption = QStringLiteral(" Abbandona gioco [F5] ");
        source.toggleViewCaption = QStringLiteral(" Mostra soluzione [F6]");
        break;
    case 5:
        source.playCaption = QStringLiteral(" Abbandona gioco [F5]");
        source.toggleViewCaption = QStringLiteral(" Mostra gioco [F6]");
        break;
    default:
        break;
    }
    return source;
}

QStringList Captions(const std::vector<GridMenuItem>& items) {
    QStringList captions;
    for (const GridMenuItem& item : items)
        captions << item.caption;
    return captions;
}

TEST(GridMenu, OutsideAGameOnlyPlayAndView) {
    EXPECT_EQ(Captions(GridMenuItems(1, SourceFor(1))),
              (QStringList{"Gioca [F5]", " Mostra soluzione [F6] "}));
    EXPECT_EQ(Captions(GridMenuItems(2, SourceFor(2))),
              (QStringList{"Gioca [F5]", " Mostra gioco [F6]"}));
    EXPECT_EQ(Captions(GridMenuItems(5, SourceFor(5))),
              (QStringList{"Abbandona gioco [F5]", "Mostra gioco [F6]"}));
    for (std::uint8_t state : {1, 2, 5}) {
        const auto items = GridMenuItems(state, SourceFor(state));
        ASSERT_EQ(items.size(), 2u);
        EXPECT_EQ(items[0].kind, Kind::Action);
        EXPECT_EQ(items[0].action, Action::Play);
        EXPECT_EQ(items[1].kind, Kind::Action);
        EXPECT_EQ(items[1].action, Action::ToggleView);
    }
}

TEST(GridMenu, StatesWithoutAMenuGetNoItems) {
    for (std::uint8_t state : {0, 3, 6, 255})
        EXPECT_TRUE(GridMenuItems(state, SourceFor(1)).empty()) << int(state);
}

TEST(GridMenu, DuringAGameClearSymbolsThenCommands) {
    const GridMenuSource source = SourceFor(4);
    const auto items = GridMenuItems(4, source);
    ASSERT_EQ(items.size(), 1u + 16u + 4u);
    EXPECT_EQ(items[0], (GridMenuItem{Kind::Clear, "Cancella ", ' ', Action::None}));
    for (int i = 0; i < 16; ++i) {
        const QChar symbol = source.alphabet[i];
        EXPECT_EQ(items[1 + i],
                  (GridMenuItem{Kind::Symbol, QString(symbol), symbol.toLatin1(), Action::None}));
    }
    const std::vector<GridMenuItem> tail(items.end() - 4, items.end());
    EXPECT_EQ(Captions(tail), (QStringList{"Controllo attivo [F8]", "Suggerimento! [F4]",
                                           "Abbandona gioco [F5]", "Mostra soluzione [F6]"}));
    EXPECT_EQ(tail[0].kind, Kind::Checking);
    EXPECT_EQ(tail[1].action, Action::Suggerisci);
    EXPECT_EQ(tail[2].action, Action::Play);
    EXPECT_EQ(tail[3].action, Action::ToggleView);
}

TEST(GridMenu, SymbolListFollowsTheAlphabet) {
    for (const QString& alphabet :
         {QStringLiteral("123456789"), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY")}) {
        GridMenuSource source = SourceFor(4);
        source.alphabet = alphabet;
        const auto items = GridMenuItems(4, source);
        ASSERT_EQ(items.size(), 1u + alphabet.size() + 4u);
        QString symbols;
        for (qsizetype i = 1; i <= alphabet.size(); ++i)
            symbols += QChar(items[i].tag);
        EXPECT_EQ(symbols, alphabet);
    }
}

TEST(GridMenu, CheckingItemFollowsTheCheckBox) {
    const auto ticked = GridMenuItems(4, SourceFor(4, true));
    const auto unticked = GridMenuItems(4, SourceFor(4, false));
    const auto checkingCaption = [](const std::vector<GridMenuItem>& items) {
        for (const GridMenuItem& item : items)
            if (item.kind == Kind::Checking)
                return item.caption;
        return QString();
    };
    EXPECT_EQ(checkingCaption(ticked), "Disattiva controllo [F8]");
    EXPECT_EQ(checkingCaption(unticked), "Controllo attivo [F8]");
    // The unticked caption is the check box's own, trimmed.
    GridMenuSource padded = SourceFor(4);
    padded.checkingCaption = QStringLiteral("  Controllo attivo [F8] ");
    EXPECT_EQ(checkingCaption(GridMenuItems(4, padded)), "Controllo attivo [F8]");
}

} // namespace
