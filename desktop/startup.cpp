// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace ondel {

namespace {

constexpr int noDisplayStatus = 1;

// Written once, before Qt's message handler can need it.
std::string &noDisplayText()
{
    static std::string text;
    return text;
}

bool set(const char *variable)
{
    const char *value = std::getenv(variable);
    return value && *value;
}

// A platform named by the user (offscreen, say) needs no display; otherwise
// Qt looks for an X or a Wayland one.
bool displayExpected() { return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY"); }

[[noreturn]] void endWithoutDisplay()
{
    std::fputs(noDisplayText().c_str(), stderr);
    std::fflush(stderr);
    // Half started, Qt must not be torn down: end at once.
    std::_Exit(noDisplayStatus);
}

void onQtMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The only fatal message before the window exists is that no platform could start.
    if (type == QtFatalMsg)
        endWithoutDisplay();
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

std::optional<int> answerBeforeWindow(int argc, char **argv, const ProgramDescription &description)
{
    noDisplayText() = noDisplayMessage(description);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine line = parseCommandLine(arguments, description, ONDEL_VERSION);
    // Anything else waits for Qt, which takes its own options out first.
    if (line.request == CommandLine::Request::Usage || line.request == CommandLine::Request::Version) {
        std::fputs(line.output.c_str(), stdout);
        return line.exitStatus();
    }
    if (!displayExpected()) {
        std::fputs(noDisplayText().c_str(), stderr);
        return noDisplayStatus;
    }
    return std::nullopt;
}

DisplayFailureGuard::DisplayFailureGuard(const ProgramDescription &description)
    : previous_(qInstallMessageHandler(onQtMessage))
{
    noDisplayText() = noDisplayMessage(description);
}

DisplayFailureGuard::~DisplayFailureGuard() { qInstallMessageHandler(previous_); }

} // namespace ondel
