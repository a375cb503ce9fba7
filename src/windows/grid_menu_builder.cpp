#include "windows/grid_menu_builder.h"

#include "view/state_captions.h"

#include <QAction>
#include <QMenu>

namespace {

void Fill(QMenu& menu, const std::vector<GridMenuItem>& items, const GridMenuHandlers& handlers,
          bool symbolsApart) {
    menu.clear();
    QMenu* notes = nullptr;
    QMenu* symbols = nullptr;
    for (const GridMenuItem& entry : items) {
        if (entry.kind == GridMenuItemKind::Separator) {
            menu.addSeparator();
            continue;
        }
        if (entry.kind == GridMenuItemKind::NotesSubmenu) {
            notes = menu.addMenu(entry.caption);
            notes->setEnabled(entry.enabled);
            continue;
        }
        if (entry.kind == GridMenuItemKind::Symbol && symbolsApart && !symbols) {
            symbols = menu.addMenu(kSymbolsMenuCaption);
            symbols->setEnabled(entry.enabled);
        }
        QMenu* into = &menu;
        if (entry.kind == GridMenuItemKind::Note && notes)
            into = notes;
        if (entry.kind == GridMenuItemKind::Symbol && symbols)
            into = symbols;
        QAction* item = into->addAction(entry.caption);
        item->setEnabled(entry.enabled);
        switch (entry.kind) {
        case GridMenuItemKind::Separator:
        case GridMenuItemKind::NotesSubmenu:
            break;
        case GridMenuItemKind::Note:
            item->setCheckable(true);
            item->setChecked(entry.checked);
            item->setData(static_cast<int>(static_cast<unsigned char>(entry.tag)));
            QObject::connect(item, &QAction::triggered, &menu,
                             [toggle = handlers.toggleNote, item] { toggle(item); });
            break;
        case GridMenuItemKind::ClearNotes:
            QObject::connect(item, &QAction::triggered, &menu, handlers.clearNotes);
            break;
        case GridMenuItemKind::Symbol:
        case GridMenuItemKind::Clear:
            item->setData(static_cast<int>(static_cast<unsigned char>(entry.tag)));
            QObject::connect(item, &QAction::triggered, &menu,
                             [enter = handlers.enter, item] { enter(item); });
            break;
        case GridMenuItemKind::Checking:
            QObject::connect(item, &QAction::triggered, &menu, handlers.toggleChecking);
            break;
        case GridMenuItemKind::Command:
            if (QAction* action = handlers.actionFor(*entry.command)) {
                item->setEnabled(action->isEnabled());
                QObject::connect(action, &QAction::enabledChanged, item, &QAction::setEnabled);
                QObject::connect(item, &QAction::triggered, action, [action] {
                    if (action->isEnabled())
                        action->trigger();
                });
            }
            break;
        }
    }
}

// Whether the menu, laid out for its screen, has split its items into columns.
bool InColumns(QMenu& menu) {
    menu.ensurePolished();
    menu.sizeHint(); // lays the items out
    const QList<QAction*> actions = menu.actions();
    for (QAction* action : actions)
        if (menu.actionGeometry(action).left() != menu.actionGeometry(actions.first()).left())
            return true;
    return false;
}

} // namespace

void FillGridMenu(QMenu& menu, const std::vector<GridMenuItem>& items,
                  const GridMenuHandlers& handlers) {
    Fill(menu, items, handlers, false);
    if (!menu.isEmpty() && InColumns(menu))
        Fill(menu, items, handlers, true);
}
