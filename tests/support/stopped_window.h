// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/ondelwindow.h"
#include "programs/registry.h"

#include <QtTest>

#include <memory>

namespace ondel::test_support {

// A shown window of the named program whose timer is stopped, so that only
// the test moves time (with window.tick()).
inline std::unique_ptr<OndelWindow> openStoppedWindow(const char *program)
{
    auto window = std::make_unique<OndelWindow>(makeProgram(program));
    window->timer().stop();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

} // namespace ondel::test_support
