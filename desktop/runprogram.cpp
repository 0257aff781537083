// SPDX-License-Identifier: GPL-3.0-or-later
#include "runprogram.h"

#include "fonts.h"
#include "installation.h"
#include "ondelwindow.h"
#include "qttranslations.h"
#include "startup.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace ondel {

namespace {

// What is left of the command line once Qt has taken its own options.
CommandLine applicationCommandLine(const ProgramDescription &description)
{
    std::vector<std::string> arguments;
    for (const QString &argument : QCoreApplication::arguments().mid(1))
        arguments.push_back(QFile::encodeName(argument).toStdString());
    return parseCommandLine(arguments, description, ONDEL_VERSION);
}

std::optional<QApplication> startApplication(int &argc, char **argv, const ProgramDescription &description)
{
    const DisplayFailureGuard guard(description);
    return std::optional<QApplication>(std::in_place, argc, argv);
}

} // namespace

int runProgram(int argc, char **argv, std::unique_ptr<Demonstrator> program)
{
    if (const std::optional<int> status = answerBeforeWindow(argc, argv, program->description()))
        return *status;
    std::optional<QApplication> app = startApplication(argc, argv, program->description());
    const CommandLine line = applicationCommandLine(program->description());
    if (line.request != CommandLine::Request::Run) {
        std::fputs(line.output.c_str(), line.request == CommandLine::Request::Fault ? stderr : stdout);
        return line.exitStatus();
    }
    installQtTranslations();
    installFontSubstitution();
    connectToInstallation(*program);
    OndelWindow window(std::move(program));
    window.show();
    if (!line.file.empty())
        window.openPulseFile(QFileInfo(QFile::decodeName(line.file.c_str())).absoluteFilePath());
    return QApplication::exec();
}

} // namespace ondel
