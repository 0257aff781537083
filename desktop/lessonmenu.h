// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;

namespace ondel {

class Demonstrator;

// The lesson tools in the window's right-click menu: "ストロボ" and "注釈",
// checkable, with their keys shown beside them, and a submenu each for the
// strobe's count and its spacing with the core's choices. The checks follow
// the program whenever the menu opens, so a key's change shows there too.
class LessonMenu : public QObject {
    Q_OBJECT
public:
    LessonMenu(Demonstrator &program, QMenu &menu);

private:
    void sync();

    Demonstrator &program_;
    QAction *strobe_ = nullptr;
    QAction *annotations_ = nullptr;
    QActionGroup *counts_ = nullptr;
    QActionGroup *spacings_ = nullptr;
};

} // namespace ondel
