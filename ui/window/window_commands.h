#pragma once

#include <QObject>

#include <functional>
#include <string_view>
#include <vector>

class QAction;
class QMenu;
class QPlainTextEdit;
class QWidget;

namespace sredna {

// The window's commands: each has keys that work anywhere in the window
// and an entry, with its key, in the right-click menus of its kind. There is
// no menu bar. Adding a command to the menus of its kind is one call of add.
class WindowCommands : public QObject {
    Q_OBJECT

public:
    // Which right-click menus show a command.
    enum class Menu {
        None,
        Data,    // the values list's and the weights list's
        Report,  // the report box's, after Qt's own entries
        View,    // the report box's too, after the report's own
    };

    explicit WindowCommands(QWidget& window);

    // keys: as the core writes them for the keys window ("Ctrl+Y,
    // Ctrl+Shift+Z"). enabled: when the command can run; empty, always.
    QAction* add(Menu menu, std::string_view caption, std::string_view keys,
                 std::function<void()> run, std::function<bool()> enabled = {});
    // Shows an action that already has its keys in the menus of a kind.
    void adopt(Menu menu, QAction* action);
    // Appends the commands of a menu kind to a menu, after a separator.
    void appendTo(QMenu& menu, Menu kind) const;
    // The text box's right-click menu: Qt's own entries, then the commands
    // of each kind in turn.
    void extendMenu(QPlainTextEdit& box, std::vector<Menu> kinds);
    // Enables each command as its condition now says.
    void updateEnabled();

private:
    struct Command {
        QAction* action;
        Menu menu;
        std::function<bool()> enabled;
    };

    QWidget& window_;
    std::vector<Command> commands_;
};

}  // namespace sredna
