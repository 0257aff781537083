// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
    WindowDialogs(QWidget &window, const ProgramDescription &description);

    void showHelp();
    void showAbout();
    // A chosen file goes to `open`.
    void choosePulseFile(std::function<void(const QString &)> open);
    void warn(const QString &message);

private:
    QWidget &window_;
    const ProgramDescription &description_;
    QPointer<HelpWindow> help_;
};

} // namespace ondel
