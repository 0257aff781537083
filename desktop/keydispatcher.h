// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/keys.h"

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace ondel {

// Hands the window's keys from the core's table to the window before the
// focused control sees them, so that Page Down stops the wave even while
// the speed bar has the focus; a single-character key goes to a text box
// that has the focus instead.
class KeyDispatcher : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const KeyBinding &)>;

    KeyDispatcher(QWidget &window, const WindowLayout &layout, Handler handler);

    // Watches the window and every control on it; call once they exist.
    void watchControls();

    // The core's name of a key press ("Page Down", "R", "+", "Ctrl+O"; Ctrl+=
    // is "Ctrl++"), empty for a key the table cannot name.
    static QString keyName(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &window_;
    const WindowLayout &layout_;
    Handler handler_;
};

} // namespace ondel
