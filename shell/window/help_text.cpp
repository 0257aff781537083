// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window/help_text.h"

#include <algorithm>

namespace ondel {

namespace {

struct ActionHelp {
    Action action;
    std::string_view title; // for a control whose caption does not say it
    std::string_view line;
};

const ActionHelp actionHelp[] = {
    {Action::ToggleTransverse, "横波", "横波の粒子の列を表示する／隠す。"},
    {Action::ToggleLongitudinal, "縦波", "縦波の粒子の列を表示する／隠す。"},
    {Action::StopOrStep, "停止／駒送り", "動きを止める。止まっているときは押すたびに1コマ進む。"},
    {Action::Resume, "再開", "止めた動きを再開する（「再開／停止」は動いているときに押すと止める）。"},
    {Action::Reverse, "進行方向", "時間の進む向きを逆にする（波が逆向きに進む）。"},
    {Action::NextCurveMode, "y-x線", "押すたびに y-x 線（各成分と合成の波形）の表示が切り替わる。"},
    {Action::ToggleTrace, "y-t線", "1つの粒子の y-t 線を下の枠に描く／消す。"},
    {Action::RowsSeparate, "横縦別々", "縦波を横波の下の別の軸に描く。"},
    {Action::RowsOverlaid, "横波と合成", "縦波を横波と同じ軸に描く。"},
    {Action::TraceGreen, "緑", "y-t 線で1番目の粒子を追う。"},
    {Action::TraceRed, "赤", "y-t 線で6番目の粒子を追う。"},
    {Action::LoadPulse, "実行/再実行", "欄に書いた名前に \".csv\" を付けたパルスファイルを読み込み、最初から動かす。"},
    {Action::NextEndCondition, "自由固定", "媒質の端（自由端・固定端・無反射）を切り替える。"},
    {Action::ToggleStandingWave, "定常波", "進行波と定常波を切り替える。"},
    {Action::TogglePhase, "同相逆相", "2つ目のスピーカーを同相・逆相に切り替える。"},
    {Action::FlipRearFaces, "スピーカ向き", "スピーカーの後ろ側から出る音を切り替える。"},
    {Action::Speed, "速度", "タイマーの間隔。つまみが左ほど速く、右ほど遅い。"},
    {Action::SlideBar, "スライドバー", "上下に動かして、送り出すパルスの高さを手で描く。"},
    {Action::PulseFileName, "ファイル名の欄", "読み込むパルスファイルの名前（\".csv\" は付けない）。"},
    {Action::Separation, "間隔の欄", "2つのスピーカーの間隔。"},
    {Action::ToggleStrobe, "ストロボ",
     "少し前の時刻の粒子を、古いものほど薄い色で重ねて描く／消す（枚数と間隔は「ストロボの枚数」「ストロボの間隔」で選"
     "ぶ）。"},
    {Action::ToggleAnnotations, "注釈", "山・谷、密・疎、腹・節を列の下に書き入れる／消す。"},
    {Action::StartStopStopwatch, "ストップウォッチ",
     "計測のストップウォッチを動かす／止める（時計の1コマごとに1つ数える。駒送りも逆向きも数える）。"},
    {Action::ResetStopwatch, "ストップウォッチのリセット", "計測のストップウォッチを止めて0に戻す。"},
    {Action::StrobeCount, "ストロボの枚数", "重ねて描く少し前の時刻の数。"},
    {Action::StrobeSpacing, "ストロボの間隔", "重ねて描く時刻の間隔（コマ数）。"},
};

const ActionHelp *helpFor(Action action)
{
    const auto it = std::find_if(std::begin(actionHelp), std::end(actionHelp),
                                 [&](const ActionHelp &h) { return h.action == action; });
    return it == std::end(actionHelp) ? nullptr : &*it;
}

// A key that clicks an action is named by the caption of the program's
// control, a lesson tool's key (no control) by the tool.
std::string keyLine(const KeyBinding &binding, const WindowLayout &layout)
{
    const std::string key(binding.name);
    if (const auto *action = std::get_if<Action>(&binding.target)) {
        const auto &controls = layout.controls;
        const auto control =
            std::find_if(controls.begin(), controls.end(), [&](const ControlSpec &c) { return c.action == *action; });
        const std::string title =
            control != controls.end() ? controlTitle(*control) : std::string(helpFor(*action)->title);
        return key + ": " + title + " — " + std::string(actionDescription(*action));
    }
    return key + ": " + std::string(commandSpec(std::get<WindowCommand>(binding.target)).help);
}

// How the window is worked before any key: a tablet has none. The browser's
// bar holds what the desktop keeps in its right-click menu.
std::string_view howToUse(Edition edition)
{
    if (edition == Edition::Browser)
        return "ボタンを押す（タップする）と、下の【ボタンと操作】のとおりに動きます。"
               "速度のつまみは指やマウスで動かし、欄には名前や数を書きます。\n"
               "上のバーのボタン: ファイルを開く、パルス・画像・データを保存、ストロボ、注釈、計測、ヘルプ、全画面"
               "（もう一度押すと戻る）。「表示」で画面に合わせる大きさか 100%〜300% を選べます。\n";
    return "ボタンをクリックすると、下の【ボタンと操作】のとおりに動きます。"
           "全画面・拡大・ファイル・保存・ストロボ・注釈・計測は右クリックのメニューにあります。\n";
}

bool hasTextBox(const WindowLayout &layout)
{
    return std::any_of(layout.controls.begin(), layout.controls.end(),
                       [](const ControlSpec &c) { return c.kind == ControlKind::TextBox; });
}

} // namespace

std::string_view actionDescription(Action action)
{
    const ActionHelp *help = helpFor(action);
    return help ? help->line : std::string_view{};
}

// A button says what it is; an option's, a bar's or a box's caption does not.
std::string controlTitle(const ControlSpec &control)
{
    if (control.kind == ControlKind::Button)
        return control.caption;
    const ActionHelp *help = helpFor(control.action);
    return help ? std::string(help->title) : control.caption;
}

std::string controlHint(const ControlSpec &control)
{
    const KeyBinding *key = keyFor(control.action);
    if (control.kind != ControlKind::Button || !key)
        return {};
    return control.caption + " (" + std::string(key->name) + ")";
}

std::string helpText(const ProgramDescription &description, Edition edition)
{
    std::string text = description.identity.name + " — " + description.identity.summaryJa + "\n\n" +
                       std::string(howToUse(edition)) + "\n【ボタンと操作】\n";
    for (const ControlSpec &control : description.layout.controls) {
        if (control.action == Action::None)
            continue;
        text += "・" + controlTitle(control) + ": " + std::string(actionDescription(control.action));
        if (const KeyBinding *key = keyFor(control.action))
            text += "（" + std::string(key->name) + "）";
        text += "\n";
    }
    text += "\n【キー】（キーボードがあるとき）\n";
    for (const KeyBinding &binding : keyBindings())
        if (keyApplies(binding, description.layout, edition))
            text += "・" + keyLine(binding, description.layout) + "\n";
    if (!description.lessons.marksNodes)
        text += "注釈は、このプログラムでは腹・節を書き入れません（パルスは定常波を作らないため）。\n";
    if (hasTextBox(description.layout))
        text += "文字の欄に入力している間は、1文字のキー（R、1、+ など）は文字として入ります。\n";
    return text;
}

std::string firstHint(const WindowLayout &layout)
{
    const std::string rows = "「横波」か「縦波」を押すと粒子の列が出ます。";
    if (bindsAction(layout, Action::LoadPulse))
        return rows + "「実行/再実行」を押すと動きます。";
    if (bindsAction(layout, Action::SlideBar))
        return rows + "スライドバーを動かすとパルスが送り出されます。";
    return rows;
}

std::string aboutText(const ProgramDescription &description, std::string_view version)
{
    return description.identity.name + " — " + description.identity.summaryJa + "\n\nondel_nami " +
           std::string(version) + "\nライセンス: GPL-3.0-or-later\n";
}

} // namespace ondel
