// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keydispatcher.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QString;
class QWidget;

namespace ondel {

class HelpWindow;
struct ProgramDescription;

// What the window shows beside itself: the help (F1) in a window of its
// own that the lesson runs beside, the about box, the file dialog for a
// pulse file and a message for the teacher. None blocks the event loop.
class WindowDialogs : public QObject {
    Q_OBJECT
public:
    // `keys` hears the core's keys pressed while the help has the keyboard,
    // so that the presenter's keys still work the lesson.
    WindowDialogs(QWidget &window, const ProgramDescription &description, KeyDispatcher::Handler keys);

    void showHelp();
    // F1: the help, or away with it when it is shown.
    void toggleHelp();
    void showAbout();
    // A chosen file goes to `open`.
    void choosePulseFile(std::function<void(const QString &)> open);
    void warn(const QString &message);

private:
    QWidget &window_;
    const ProgramDescription &description_;
    KeyDispatcher::Handler keys_;
    QPointer<HelpWindow> help_;
};

} // namespace ondel
