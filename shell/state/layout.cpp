// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/state/layout.h"

#include <algorithm>

namespace ondel {

const ControlSpec *WindowLayout::find(const std::string &name) const
{
    const auto it = std::find_if(controls.begin(), controls.end(), [&](const ControlSpec &c) { return c.name == name; });
    return it == controls.end() ? nullptr : &*it;
}

bool bindsAction(const WindowLayout &layout, Action action)
{
    return std::any_of(layout.controls.begin(), layout.controls.end(),
                       [&](const ControlSpec &c) { return c.action == action; });
}

ControlSpec control(std::string name, ControlKind kind, std::string caption, Rect rect, int tabIndex,
                    std::optional<FontSpec> font, Action action)
{
    ControlSpec entry{std::move(name), kind, std::move(caption), rect, tabIndex, font};
    entry.action = action;
    return entry;
}

namespace {

using K = ControlKind;
using A = Action;

constexpr FontSpec pt12{12, 400};
constexpr FontSpec pt9_75{9.75, 400};
constexpr FontSpec bold24{24, 700};
constexpr FontSpec pictureFont{26.25, 700};

ControlSpec speedBar(Rect rect, int tabIndex, int interval)
{
    ControlSpec bar = control("HScroll1", K::HScrollBar, "", rect, tabIndex, std::nullopt, A::Speed);
    bar.range = {1, 200, interval};
    return bar;
}

ControlSpec inFrame(std::string frame, ControlSpec entry)
{
    entry.frame = std::move(frame);
    return entry;
}

ControlSpec checkedOption(ControlSpec entry)
{
    entry.checked = true;
    return entry;
}

// The controls inside Frame1 and Frame2, the same in both kinds of window.
void addFrameContents(std::vector<ControlSpec> &controls, int option3Tab, int option4Tab)
{
    controls.push_back(inFrame("Frame1", checkedOption(control("Option1", K::Option, "Option1", {240, 240, 255, 255}, 5,
                                                               std::nullopt, A::RowsSeparate))));
    controls.push_back(inFrame("Frame1", control("Option2", K::Option, "Option2", {1320, 240, 255, 255}, 6,
                                                 std::nullopt, A::RowsOverlaid)));
    controls.push_back(inFrame("Frame1", control("Label2", K::Label, "横縦別々", {480, 240, 855, 255}, 7, pt9_75, A::None)));
    controls.push_back(inFrame("Frame1", control("Label3", K::Label, "横波と合成", {1560, 240, 1095, 255}, 8, pt9_75, A::None)));
    controls.push_back(inFrame("Frame2", control("Option3", K::Option, "緑", {720, 240, 615, 375}, option3Tab,
                                                 std::nullopt, A::TraceGreen)));
    controls.push_back(inFrame("Frame2", checkedOption(control("Option4", K::Option, "赤", {120, 240, 615, 375},
                                                               option4Tab, std::nullopt, A::TraceRed))));
}

} // namespace

std::vector<ControlSpec> pulseWindowControls(int frame1Left, int frame1Top, int interval)
{
    std::vector<ControlSpec> controls{
        control("Command1", K::Button, "横波", {1920, 0, 735, 495}, 0, std::nullopt, A::ToggleTransverse),
        control("Command2", K::Button, "縦波", {2760, 0, 735, 495}, 1, std::nullopt, A::ToggleLongitudinal),
        speedBar({7680, 0, 1455, 375}, 2, interval),
        control("Label1", K::Label, "速度", {7680, 360, 615, 255}, 3, pt12, A::None),
        control("Frame1", K::Frame, "縦波位置", {frame1Left, frame1Top, 2655, 615}, 4, std::nullopt, A::None),
        control("Command3", K::Button, "停止／　駒送り", {3600, 0, 855, 495}, 9, std::nullopt, A::StopOrStep),
        control("Command4", K::Button, "再開／停止", {4440, 0, 735, 495}, 10, std::nullopt, A::Resume),
        control("Command5", K::Button, "進行方向", {3600, 480, 855, 495}, 11, std::nullopt, A::Reverse),
        control("Label4", K::Label, "X", {11280, 2400, 495, 495}, 12, bold24, A::None),
        control("Label5", K::Label, "X", {11280, 4440, 495, 495}, 13, bold24, A::None),
        control("Command7", K::Button, "y-x線", {5400, 0, 735, 495}, 14, pt12, A::NextCurveMode),
        control("Label6", K::Label, "y", {720, 1440, 375, 495}, 15, bold24, A::None),
        control("Command8", K::Button, "y-t線", {5400, 480, 735, 495}, 16, pt12, A::ToggleTrace),
        control("Picture1", K::Picture, "", {120, 5640, 11775, 2895}, 17, pictureFont, A::None),
        control("Frame2", K::Frame, "y-t", {6240, 0, 1335, 735}, 18, pt12, A::None),
    };
    addFrameContents(controls, 19, 20);
    return controls;
}

std::vector<ControlSpec> sineWindowControls(int pictureLeft, int pictureWidth, int interval)
{
    std::vector<ControlSpec> controls{
        control("Command1", K::Button, "横波", {1080, 0, 735, 495}, 0, std::nullopt, A::ToggleTransverse),
        control("Command2", K::Button, "縦波", {1920, 0, 735, 495}, 1, std::nullopt, A::ToggleLongitudinal),
        speedBar({7200, 240, 1455, 375}, 2, interval),
        control("Label1", K::Label, "速度", {7200, 0, 615, 255}, 3, pt12, A::None),
        control("Frame1", K::Frame, "縦波位置", {8880, 0, 2655, 615}, 4, std::nullopt, A::None),
        control("Command3", K::Button, "停止　　駒送り", {2880, 0, 855, 495}, 9, std::nullopt, A::StopOrStep),
        control("Command4", K::Button, "再開", {3960, 0, 735, 495}, 10, std::nullopt, A::Resume),
        control("Command5", K::Button, "進行方向", {2880, 480, 855, 495}, 11, std::nullopt, A::Reverse),
        control("Command6", K::Button, "定常波", {0, 0, 735, 495}, 12, std::nullopt, A::ToggleStandingWave),
        control("Label4", K::Label, "X", {11280, 1440, 495, 495}, 13, bold24, A::None),
        control("Label5", K::Label, "X", {11280, 3480, 495, 495}, 14, bold24, A::None),
        control("Command7", K::Button, "y-x線", {4920, 0, 735, 495}, 15, pt12, A::NextCurveMode),
        control("Label6", K::Label, "y", {720, 480, 375, 495}, 16, bold24, A::None),
        control("Command8", K::Button, "y-t線", {4920, 480, 735, 495}, 17, pt12, A::ToggleTrace),
        control("Picture1", K::Picture, "", {pictureLeft, 3240, pictureWidth, 2895}, 18, pictureFont, A::None),
        control("Frame2", K::Frame, "y-t", {5760, 0, 1335, 735}, 19, pt12, A::None),
    };
    addFrameContents(controls, 20, 21);
    return controls;
}

} // namespace ondel
