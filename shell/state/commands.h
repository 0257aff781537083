// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/layout.h"

#include <string>
#include <string_view>
#include <vector>

// The commands of the window itself, beside its controls: one table for the
// desktop's menu and the browser's bar, their keys and the help that lists
// them, and the files the saving commands suggest.
namespace ondel {

enum class WindowCommand {
    Faster,     // the speed bar one page towards a shorter interval
    Slower,     // the speed bar one page towards a longer interval
    OpenFile,   // choose a pulse data file
    SavePulse,  // write the pulse drawn with the slide bar as a pulse data file
    SaveImage,  // write the window's drawing as a picture for worksheets
    SaveMovie,  // write what the window shows from now on as an animation for slides
    SaveData,   // write the readings of the current tick as a table
    Help,       // the help for the program in front of the class
    About,      // the program, its release and its licence
    FullScreen, // the window over the whole screen, and back
    ZoomIn,     // the whole window one zoom step larger, as far as the screen holds it
    ZoomOut,    // one zoom step smaller
    ZoomReset,  // back to 100%
    Measure,    // 計測: the ruler, the reference line and the stopwatch over the drawing
};

// Where a key is pressed or a command given: in the desktop window, or in
// the browser's page, whose zoom is the browser's own.
enum class Edition { Desktop, Browser };

// What a program's window must have for a command to do anything there.
enum class CommandNeeds {
    Nothing,
    PulseFiles, // the program loads pulse data files ("実行/再実行")
    SpeedBar,   // the program has the speed bar
    SlideBar,   // the program draws its pulse with the slide bar
};

// The part of the browser's bar a command's button sits in: the files
// before the lesson tools, the window's own after them.
enum class BarGroup { None, Files, Window };

// A saved file: what the dialog suggests and what it filters by.
struct FileKind {
    std::string_view stem; // "{name}" stands for the program's name
    std::string_view extension;
    std::string_view kind; // as the desktop's dialog names the filter
};

struct CommandSpec {
    WindowCommand command;
    std::string_view name;    // the command as the browser's scripts call it
    std::string_view caption; // the menu's entry, the bar's button and a dialog's title
    // The bar's button while the command's state is on ("全画面を終える"); empty if none.
    std::string_view captionWhileOn;
    std::string_view key;  // as the key table names it
    std::string_view help; // its line in the help
    CommandNeeds needs = CommandNeeds::Nothing;
    bool desktopOnly = false; // the browser keeps the key and the deed for itself
    int menuPlace = 0;        // 1, 2, ... from the top of the desktop's menu; 0: not there
    BarGroup bar = BarGroup::None;
    bool asks = false; // the desktop asks for a file first: its menu entry ends in "…"
    FileKind file{};
};

// Every command in the order the help lists their keys and the bar shows them.
const std::vector<CommandSpec> &windowCommands();
const CommandSpec &commandSpec(WindowCommand command);

// The edition has the command, and this window has what it works on.
bool commandApplies(WindowCommand command, const WindowLayout &layout, Edition edition);

// "ondel8.png", "pulse_drawn.csv"; empty for a command that saves nothing.
std::string suggestedFileName(WindowCommand command, std::string_view programName);

// The menu's entry: the caption, with "…" where a dialog asks first.
std::string menuCaption(const CommandSpec &entry);

// A picture for a worksheet has twice the pixels of the window, so that it
// stays sharp when printed.
inline constexpr int savedImageScale = 2;

} // namespace ondel
