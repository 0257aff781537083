// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/actions.h"

#include <string>
#include <vector>

// The lesson tools a teacher switches on in front of the class, in every
// program: the strobe ("ストロボ", earlier exposures of the rows under the
// current frame) and the annotations ("注釈", the textbook's words on the
// wave). Both are off when a program starts and change nothing while off.
namespace ondel {

// What suits a program's wave, part of its description. Times in ticks.
struct LessonDefaults {
    int strobeCount = 4;
    int strobeSpacing = 40;
    // Whether the annotations mark 腹 and 節: false for a program whose wave
    // makes no standing pattern.
    bool marksNodes = false;
};

// The tools' state, kept by the window next to its WindowState.
struct LessonTools {
    bool strobe = false;
    int strobeCount = 4;   // exposures under the current frame
    int strobeSpacing = 1; // ticks between two exposures
    bool annotations = false;

    explicit LessonTools(const LessonDefaults &defaults)
        : strobeCount(defaults.strobeCount), strobeSpacing(defaults.strobeSpacing)
    {
    }
    friend bool operator==(const LessonTools &, const LessonTools &) = default;
};

// What a menu may set; larger or smaller values are held to these limits.
inline constexpr int maxStrobeCount = 8;
inline constexpr int maxStrobeSpacing = 1000;

// The actions of the tools: they work in every program, with no control.
bool isLessonTool(Action action);

// Sets the number of exposures or their spacing, held to 1..the limit.
void chooseStrobeCount(LessonTools &tools, int count);
void chooseStrobeSpacing(LessonTools &tools, int ticks);

// The choices the menus offer, the same on the desktop and in the browser:
// a few counts, and half, once, twice and four times the program's spacing.
const std::vector<int> &strobeCountChoices();
std::vector<int> strobeSpacingChoices(const LessonDefaults &defaults);

inline constexpr const char *strobeTitle = "ストロボ";
inline constexpr const char *annotationsTitle = "注釈";
inline constexpr const char *strobeCountTitle = "ストロボの枚数";
inline constexpr const char *strobeSpacingTitle = "ストロボの間隔";
// "4枚", "3コマ": a choice as the menus show it.
std::string strobeCountCaption(int count);
std::string strobeSpacingCaption(int ticks);

} // namespace ondel
