#pragma once

#include <optional>
#include <string>
#include <vector>

// The window as data: every control with its caption, place (twips, relative
// to its frame if it has one), tab order and font. The window layer builds
// the real widgets from these tables.
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
};

struct WindowLayout {
    int clientWidth = 11880;
    int clientHeight = 8595;
    std::vector<ControlSpec> controls;

    const ControlSpec *find(const std::string &name) const;
};

inline constexpr const char *windowCaption = "ondel_nami";
inline constexpr const char *controlFontFamily = "ＭＳ Ｐゴシック";

// The common controls of the pulse, reflection and speaker programs, with
// Frame1 at (frame1Left, frame1Top) and HScroll1 starting at `interval` ms.
std::vector<ControlSpec> groupAControls(int frame1Left, int frame1Top, int interval);

// The common controls of the standing-wave programs.
std::vector<ControlSpec> groupBControls(int pictureLeft, int pictureWidth, int interval);

} // namespace ondel
