#include "ui/window/window_commands.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

#include <utility>

#include "ui/text/model_text.h"
#include "ui/window/command_keys.h"

namespace sredna {

WindowCommands::WindowCommands(QWidget& window) : window_(window) {}

QAction* WindowCommands::add(Menu menu, std::string_view caption, std::string_view keys,
                             std::function<void()> run, std::function<bool()> enabled) {
    auto* action = new QAction(FromModel(caption), &window_);
    action->setShortcuts(KeySequences(keys));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    window_.addAction(action);
    commands_.push_back({.action = action, .menu = menu, .enabled = std::move(enabled)});
    return action;
}

void WindowCommands::adopt(Menu menu, QAction* action) {
    action->setShortcutVisibleInContextMenu(true);
    commands_.push_back({.action = action, .menu = menu, .enabled = {}});
}

void WindowCommands::appendTo(QMenu& menu, Menu kind) const {
    bool first = true;
    for (const Command& command : commands_) {
        if (command.menu != kind) {
            continue;
        }
        if (std::exchange(first, false) && !menu.isEmpty()) {
            menu.addSeparator();
        }
        menu.addAction(command.action);
    }
}

void WindowCommands::extendMenu(QPlainTextEdit& box, std::vector<Menu> kinds) {
    box.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&box, &QWidget::customContextMenuRequested, this,
            [this, &box, kinds = std::move(kinds)](QPoint where) {
                // Qt makes its own entries afresh for each menu, for the selection
                // and the clipboard of the moment.
                QMenu* menu = box.createStandardContextMenu();
                menu->setAttribute(Qt::WA_DeleteOnClose);
                updateEnabled();
                for (const Menu kind : kinds) {
                    appendTo(*menu, kind);
                }
                menu->popup(box.viewport()->mapToGlobal(where));
            });
}

void WindowCommands::updateEnabled() {
    for (const Command& command : commands_) {
        if (command.enabled) {
            command.action->setEnabled(command.enabled());
        }
    }
}

}  // namespace sredna
