// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/state/commands.h"

#include <algorithm>

namespace ondel {

namespace {

constexpr std::string_view programNamePlaceholder = "{name}";

} // namespace

// The keys of the saving commands are ones no browser keeps for itself:
// every Ctrl+letter is some browser's (Ctrl+D a bookmark, Ctrl+L the
// address bar, Ctrl+Shift+S a screenshot, and Shift is not told apart), and
// F3 to F7, F9, F10 and F12 find, reload, select the address, browse with
// a caret, read aloud, open the menu or the developer tools. F2 and F8 are
// nobody's.
const std::vector<CommandSpec> &windowCommands()
{
    using C = WindowCommand;
    using N = CommandNeeds;
    using B = BarGroup;
    // One command to a row, as a maintainer reads the table.
    // clang-format off
    static const std::vector<CommandSpec> commands{
        {C::Faster, "Faster", "速く", "", "+", "速くする（速度のつまみを1目盛り左へ）。", N::SpeedBar},
        {C::Slower, "Slower", "遅く", "", "-", "遅くする（速度のつまみを1目盛り右へ）。", N::SpeedBar},
        {C::OpenFile, "OpenFile", "ファイルを開く", "", "Ctrl+O", "パルスファイルを選んで読み込み、最初から動かす。",
         N::PulseFiles, false, 5, B::Files, true},
        {C::SavePulse, "SavePulse", "パルスを保存", "", "Ctrl+S",
         "スライドバーで描いたパルスをパルスファイルに保存する（ondel9 や ondel8 で読み込める）。", N::SlideBar, false,
         6, B::Files, true, {"pulse_drawn", ".csv", "パルスデータ"}},
        {C::SaveImage, "SaveImage", "画像を保存", "", "Ctrl+E",
         "いまの画面の絵を画像（PNG）に保存する（ボタン類は入らない）。", N::Nothing, false, 7, B::Files, true,
         {"{name}", ".png", "PNG 画像"}},
        {C::SaveMovie, "SaveMovie", "動画を保存", "", "Ctrl+G",
         "いまから先の動きを、画面と同じ速さで繰り返す動画（GIF）に保存する（パルスは通り過ぎるまで、正弦波は1周期）。",
         N::Nothing, false, 8, B::Files, true, {"{name}", ".gif", "GIF 動画"}},
        {C::SaveData, "SaveData", "データを保存", "", "F2",
         "いまのコマの各粒子の変位と y-t 線の読みを表（CSV）に保存する。", N::Nothing, false, 9, B::Files, true,
         {"{name}_data", ".csv", "CSV"}},
        {C::Help, "Help", "ヘルプ", "", "F1", "このヘルプを開く。", N::Nothing, false, 10, B::Window},
        {C::About, "About", "このプログラムについて", "", "F8", "このプログラムの名前、版とライセンスを表示する。",
         N::Nothing, false, 11, B::Window},
        {C::FullScreen, "FullScreen", "全画面表示", "全画面を終える", "F11",
         "画面いっぱいに表示する。もう一度押すか Esc で元に戻る。", N::Nothing, false, 1, B::Window},
        {C::ZoomIn, "ZoomIn", "拡大", "", "Ctrl++",
         "ウィンドウ全体を1段拡大する（125%、150%、175%、200%、250%、300%、画面に収まるところまで）。", N::Nothing,
         true, 2},
        {C::ZoomOut, "ZoomOut", "縮小", "", "Ctrl+-", "ウィンドウ全体を1段縮小する。", N::Nothing, true, 3},
        {C::ZoomReset, "ZoomReset", "等倍 (100%)", "", "Ctrl+0", "等倍（100%）に戻す。", N::Nothing, true, 4},
        {C::Measure, "Measure", "計測", "計測を終える", "M",
         "定規・基準線・ストップウォッチを表示する／消す。定規は0の丸をドラッグすると粒子の位置に合わせて動き"
         "（Shift か Alt を押しながら、タッチでは長押ししてから動かすと自由な位置に）、赤い印までの距離を粒子の"
         "間隔で読む。橙の基準線とストップウォッチもドラッグで動かせる。", N::Nothing, false, 12, B::Window},
    };
    // clang-format on
    return commands;
}

const CommandSpec &commandSpec(WindowCommand command)
{
    const auto &all = windowCommands();
    return *std::find_if(all.begin(), all.end(), [&](const CommandSpec &c) { return c.command == command; });
}

bool commandApplies(WindowCommand command, const WindowLayout &layout, Edition edition)
{
    const CommandSpec &entry = commandSpec(command);
    if (entry.desktopOnly && edition != Edition::Desktop)
        return false;
    switch (entry.needs) {
    case CommandNeeds::Nothing:
        return true;
    case CommandNeeds::PulseFiles:
        return bindsAction(layout, Action::LoadPulse);
    case CommandNeeds::SpeedBar:
        return bindsAction(layout, Action::Speed);
    case CommandNeeds::SlideBar:
        return bindsAction(layout, Action::SlideBar);
    }
    return false;
}

std::string suggestedFileName(WindowCommand command, std::string_view programName)
{
    const FileKind &file = commandSpec(command).file;
    if (file.stem.empty())
        return {};
    std::string name(file.stem);
    if (const auto at = name.find(programNamePlaceholder); at != std::string::npos)
        name.replace(at, programNamePlaceholder.size(), programName);
    return name + std::string(file.extension);
}

std::string menuCaption(const CommandSpec &entry) { return std::string(entry.caption) + (entry.asks ? "…" : ""); }

} // namespace ondel
