// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/commands.h"

#include <QObject>

#include <functional>
#include <map>

class QAction;
class QMenu;

namespace ondel {

// One QAction for each command of the core's table that applies to this
// window on the desktop, named, captioned and keyed as the table says. The
// menu's entries are these actions and a key triggers the same action, so
// both reach the window by one path: `perform`.
class WindowCommands : public QObject {
    Q_OBJECT
public:
    // Whether a command can do anything now (a zoom step at its limit
    // cannot), and whether its state is on (full screen).
    struct Now {
        std::function<bool(WindowCommand)> enabled;
        std::function<bool(WindowCommand)> on;
    };

    WindowCommands(QObject &owner, const WindowLayout &layout, Now now, std::function<void(WindowCommand)> perform);

    // Nullptr for a command that does not apply here.
    QAction *action(WindowCommand command) const;
    // The command as from the menu, if it applies and can do anything now.
    void trigger(WindowCommand command);
    // The actions brought in line with the window, before the menu shows.
    void refresh();
    // The entries of the menu, in the table's places.
    void addToMenu(QMenu &menu) const;

private:
    std::map<WindowCommand, QAction *> actions_;
    Now now_;
};

} // namespace ondel
