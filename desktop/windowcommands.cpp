// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowcommands.h"

#include <QAction>
#include <QMenu>

#include <algorithm>
#include <vector>

namespace ondel {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A menu entry with the key that does the same, shown on its right.
QString entryText(const CommandSpec &entry, bool on)
{
    const QString caption =
        on && !entry.captionWhileOn.empty() ? text(entry.captionWhileOn) : QString::fromStdString(menuCaption(entry));
    return caption + QLatin1Char('\t') + text(entry.key);
}

} // namespace

WindowCommands::WindowCommands(QObject &owner, const WindowLayout &layout, Now now,
                               std::function<void(WindowCommand)> perform)
    : QObject(&owner), now_(std::move(now))
{
    for (const CommandSpec &entry : windowCommands()) {
        if (!commandApplies(entry.command, layout, Edition::Desktop))
            continue;
        auto *action = new QAction(entryText(entry, false), this);
        action->setObjectName(text(entry.name));
        connect(action, &QAction::triggered, this, [perform, command = entry.command] { perform(command); });
        actions_[entry.command] = action;
    }
}

QAction *WindowCommands::action(WindowCommand command) const
{
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void WindowCommands::trigger(WindowCommand command)
{
    refresh();
    if (QAction *entry = action(command))
        entry->trigger(); // does nothing while disabled
}

void WindowCommands::refresh()
{
    for (const auto &[command, action] : actions_) {
        action->setEnabled(now_.enabled(command));
        action->setText(entryText(commandSpec(command), now_.on(command)));
    }
}

void WindowCommands::addToMenu(QMenu &menu) const
{
    std::vector<const CommandSpec *> entries;
    for (const CommandSpec &entry : windowCommands())
        if (entry.menuPlace > 0 && action(entry.command))
            entries.push_back(&entry);
    std::sort(entries.begin(), entries.end(),
              [](const CommandSpec *a, const CommandSpec *b) { return a->menuPlace < b->menuPlace; });
    for (const CommandSpec *entry : entries)
        menu.addAction(action(entry->command));
}

} // namespace ondel
