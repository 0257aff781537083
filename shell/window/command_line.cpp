// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window/command_line.h"

#include "shell/state/layout.h"

namespace ondel {

namespace {

bool loadsFiles(const ProgramDescription &description) { return bindsAction(description.layout, Action::LoadPulse); }

std::string usage(const ProgramDescription &description)
{
    const std::string &name = description.identity.name;
    const bool files = loadsFiles(description);
    std::string text = "使い方: " + name + (files ? " [パルスファイル]" : "") + "\n" + "Usage: " + name +
                       (files ? " [PULSE-FILE]" : "") + "\n\n" + description.identity.summaryJa + "\n" +
                       description.identity.summaryEn + "\n\n";
    if (files)
        text += "パルスファイルを指定すると、Ctrl+O で開いたときと同じように読み込みます。\n"
                "A pulse file named here is opened as with Ctrl+O.\n\n";
    return text + "  -h, --help     この説明を表示して終わります / show this help and exit\n"
                  "  -V, --version  版を表示して終わります / show the release and exit\n";
}

CommandLine fault(const ProgramDescription &description, const std::string &ja, const std::string &en)
{
    const std::string &name = description.identity.name;
    return {CommandLine::Request::Fault, {},
            name + ": " + ja + "\n" + name + ": " + en + "\n「" + name + " --help」で使い方を表示します。 / Try '" +
                name + " --help'.\n"};
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string> &arguments, const ProgramDescription &description,
                             std::string_view version)
{
    std::vector<std::string> files;
    bool options = true;
    for (const std::string &argument : arguments) {
        if (options && argument == "--") {
            options = false;
        } else if (options && (argument == "-h" || argument == "--help")) {
            return {CommandLine::Request::Usage, {}, usage(description)};
        } else if (options && (argument == "-V" || argument == "--version")) {
            return {CommandLine::Request::Version, {}, description.identity.name + " (ondel_nami) " + std::string(version) + "\n"};
        } else if (options && argument.size() > 1 && argument.starts_with('-')) {
            return fault(description, "「" + argument + "」というオプションはありません。",
                         "unknown option '" + argument + "'");
        } else {
            files.push_back(argument);
        }
    }
    if (files.empty())
        return {};
    if (!loadsFiles(description))
        return fault(description, "このプログラムはパルスファイルを読みません。", "this program takes no pulse file");
    if (files.size() > 1)
        return fault(description, "開けるパルスファイルは一つだけです。", "only one pulse file can be opened");
    return {CommandLine::Request::Run, files.front(), {}};
}

std::string noDisplayMessage(const ProgramDescription &description)
{
    const std::string &name = description.identity.name;
    return name + ": ウィンドウを表示できません。デスクトップの画面の中で起動してください"
                  "（DISPLAY か WAYLAND_DISPLAY が必要です）。\n" +
           name + ": cannot show a window: start it on a desktop (DISPLAY or WAYLAND_DISPLAY must be set).\n";
}

} // namespace ondel
