#include "windows/grid_menu_builder.h"

#include <QAction>
#include <QMenu>

void FillGridMenu(QMenu& menu, const std::vector<GridMenuItem>& items,
                  const GridMenuHandlers& handlers) {
    menu.clear();
    QMenu* notes = nullptr;
    for (const GridMenuItem& entry : items) {
        if (entry.kind == GridMenuItemKind::Separator) {
            menu.addSeparator();
            continue;
        }
        if (entry.kind == GridMenuItemKind::NotesSubmenu) {
            notes = menu.addMenu(entry.caption);
            continue;
        }
        QAction* item = (entry.kind == GridMenuItemKind::Note && notes ? notes : &menu)
                            ->addAction(entry.caption);
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
            if (QAction* action = handlers.actionFor(entry.command)) {
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
