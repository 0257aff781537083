// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/description.h"

#include <QTextBrowser>

namespace ondel {

// The help behind F1, in a window of its own beside the program, which keeps
// running while the teacher reads. Esc closes it, and the keyboard goes back
// to the program.
class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpWindow(const ProgramDescription &description, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};

} // namespace ondel
