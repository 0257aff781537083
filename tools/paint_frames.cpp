// SPDX-License-Identifier: GPL-3.0-or-later
// Replays each program's recorded session and, at a third, two thirds and
// the end of its ticks, writes the window frame twice: as the numbers the
// browser's canvas replays (PROGRAM-K.json) and as the Qt painter draws it
// (PROGRAM-K.png), so that the two painters can be compared pixel by pixel.
// Texts are left out of both: fonts are the one thing allowed to differ.
//   paint_frames OUT_FOLDER
#include "programs/registry.h"
#include "desktop/primitivepainter.h"
#include "desktop/twips.h"
#include "tests/support/session_folder.h"
#include "web/core/encoded_drawing.h"

#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

namespace fs = std::filesystem;
using namespace ondel;

int tickCount(const SessionScript &script)
{
    int ticks = 0;
    for (const SessionEvent &event : script)
        if (event.kind == SessionEvent::Kind::Tick)
            ticks += event.ticks;
    return ticks;
}

std::vector<Primitive> withoutTexts(const std::vector<Primitive> &ops)
{
    std::vector<Primitive> kept;
    for (const Primitive &op : ops)
        if (!std::holds_alternative<TextOp>(op))
            kept.push_back(op);
    return kept;
}

// False if a number has no JSON form.
bool writeJson(const fs::path &path, const std::string &program, int tick, QSize size,
               const std::vector<Primitive> &ops)
{
    web::EncodedDrawing encoded;
    encoded.append(ops);
    std::ofstream out(path);
    out << "{\"program\":\"" << program << "\",\"tick\":" << tick << ",\"width\":" << size.width()
        << ",\"height\":" << size.height() << ",\"numbers\":[";
    for (std::size_t i = 0; i < encoded.numbers.size(); ++i) {
        const double v = encoded.numbers[i];
        if (!std::isfinite(v))
            return false;
        std::array<char, 32> text{};
        const auto end = std::to_chars(text.data(), text.data() + text.size(), v).ptr;
        out << (i ? "," : "") << std::string_view(text.data(), end - text.data());
    }
    out << "]}\n";
    return bool(out);
}

bool writePng(const fs::path &path, QSize size, const std::vector<Primitive> &ops)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(toQColor(colour::background));
    QPainter painter(&image);
    PrimitivePainter(QFont(), true).replay(painter, size, ops);
    painter.end();
    return image.save(QString::fromStdString(path.string()), "PNG");
}

// Writes the program's three frames; an error message, or empty.
std::string paintProgram(const std::string &name, const fs::path &out)
{
    const SessionScript script = test_support::loadSession(name);
    const auto program = makeProgram(name);
    const int total = tickCount(script);
    const std::array<int, 3> picks{std::max(1, total / 3), std::max(1, 2 * total / 3), total};
    const QSize size(wholePixelsOf(program->layout().clientWidth), wholePixelsOf(program->layout().clientHeight));
    int ticks = 0;
    std::size_t next = 0;
    for (const SessionEvent &event : script) {
        for (int k = 0; k < (event.kind == SessionEvent::Kind::Tick ? event.ticks : 1); ++k) {
            if (!deliver(*program, event))
                return "the session names a control the program lacks";
            program->takePictureOps();
            program->takeMessage();
            if (event.kind != SessionEvent::Kind::Tick)
                continue;
            ++ticks;
            for (; next < picks.size() && picks[next] == ticks; ++next) {
                const std::string stem = name + "-" + std::to_string(next + 1);
                const auto ops = withoutTexts(program->frame().ops());
                if (!writeJson(out / (stem + ".json"), name, ticks, size, ops))
                    return "frame at tick " + std::to_string(ticks) + " has a number that is not finite";
                if (!writePng(out / (stem + ".png"), size, ops))
                    return "cannot write " + (out / (stem + ".png")).string();
            }
        }
    }
    return next == picks.size() ? std::string() : "the session has no ticks";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: paint_frames OUT_FOLDER\n";
        return 2;
    }
    const fs::path out = fs::absolute(argv[1]);
    fs::create_directories(out);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const test_support::SessionFolder folder;
    int status = 0;
    for (const ProgramDescription &description : builtInPrograms().all()) {
        const std::string error = paintProgram(description.identity.name, out);
        if (!error.empty()) {
            std::cerr << description.identity.name << ": " << error << '\n';
            status = 1;
        }
    }
    return status;
}
