// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/stopped_window.h"

#include <QtTest>

#include <memory>

namespace ondel::test_support {

// The window a widget test works on: opened stopped, by program name, and
// its controls found by name. A test class derives from it after QObject.
class OpenedWindow {
protected:
    std::unique_ptr<OndelWindow> window;

    void open(const char *program)
    {
        window = openStoppedWindow(program);
        QVERIFY(window);
    }

    template <class Widget = QWidget> Widget *control(const char *name)
    {
        auto *widget = window->findChild<Widget *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
};

} // namespace ondel::test_support
