// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/actions.h"

#include <optional>
#include <string>
#include <vector>

// The window as data: every control with its caption, place (twips, relative
// to its frame if it has one), tab order, font and the action it is bound
// to. A front-end builds the real widgets from these tables.
namespace ondel {

enum class ControlKind { Button, Label, Frame, Option, TextBox, HScrollBar, VScrollBar, Picture };

// "ＭＳ Ｐゴシック" at a size and weight; controls without one use the
// window's default font.
struct FontSpec {
    double points = 9;
    int weight = 400;
    friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect &, const Rect &) = default;
};

struct ScrollRange {
    int minimum = 0;
    int maximum = 0;
    int value = 0;
};

struct ControlSpec {
    std::string name;
    ControlKind kind = ControlKind::Button;
    std::string caption; // or a text box's initial text
    Rect rect;
    int tabIndex = 0;
    std::optional<FontSpec> font;
    std::string frame;   // name of the containing frame, empty for the window
    ScrollRange range;   // scroll bars only
    bool checked = false; // option buttons only
    Action action = Action::None;
};

struct WindowLayout {
    int clientWidth = 11880;
    int clientHeight = 8595;
    std::vector<ControlSpec> controls;

    const ControlSpec *find(const std::string &name) const;
};

// Whether some control of the window is bound to `action`.
bool bindsAction(const WindowLayout &layout, Action action);

inline constexpr const char *windowCaption = "ondel_nami";
// How far a click in a scroll bar's trough moves it, and the speed keys + and -.
inline constexpr int scrollBarPageStep = 10;
inline constexpr const char *controlFontFamily = "ＭＳ Ｐゴシック";
// The font of the texts in the window's frame (the annotations' labels).
inline constexpr FontSpec frameTextFont{14, 700};

// The common controls of the pulse, reflection and speaker programs, with
// Frame1 at (frame1Left, frame1Top) and the speed bar starting at
// `interval` ms.
std::vector<ControlSpec> pulseWindowControls(int frame1Left, int frame1Top, int interval);

// The common controls of the standing-wave programs.
std::vector<ControlSpec> sineWindowControls(int pictureLeft, int pictureWidth, int interval);

// A control of a program's own, placed on the window (not in a frame).
ControlSpec control(std::string name, ControlKind kind, std::string caption, Rect rect, int tabIndex,
                    std::optional<FontSpec> font, Action action);

} // namespace ondel
