// SPDX-License-Identifier: GPL-3.0-or-later
// Every circle the programs draw leaves pixels of its colours on screen:
// the circles (radius, fill, rim, line width, surface) are gathered by
// replaying each program's recorded session, then each is painted alone.
// A circle smaller than its rim must still show, as a dot of its rim colour.
#include "programs/registry.h"
#include "shell/window/session.h"
#include "desktop/primitivepainter.h"
#include "desktop/twips.h"
#include "tests/support/session_folder.h"

#include <QtTest>

#include <cmath>
#include <set>
#include <tuple>

using namespace ondel;

namespace {

// One way a circle looks: as the painter keys it, and on which surface (the
// window is antialiased, the y-t picture is not).
struct CircleLook {
    long radius; // twips
    Rgb fill;
    Rgb rim;
    int lineWidth;
    bool antialiased;
    friend auto operator<=>(const CircleLook &, const CircleLook &) = default;
};

// Adds the looks of the circles among `ops`, following the line width the
// surface's painter keeps from one list to the next.
void collect(const std::vector<Primitive> &ops, bool antialiased, int &lineWidth, std::set<CircleLook> &looks)
{
    for (const Primitive &op : ops) {
        if (const auto *width = std::get_if<LineWidthOp>(&op))
            lineWidth = width->pixels;
        else if (const auto *circle = std::get_if<CircleOp>(&op))
            looks.insert({std::lround(circle->radius), circle->fill, circle->rim, lineWidth, antialiased});
    }
}

// Every circle look of every program's session, window and picture.
std::set<CircleLook> recordedLooks()
{
    const test_support::SessionFolder folder;
    std::set<CircleLook> looks;
    for (const std::string &name : programNames()) {
        const auto program = makeProgram(name);
        int windowWidth = 1;
        int pictureWidth = 1;
        for (const SessionEvent &event : test_support::loadSession(name)) {
            const int repeats = event.kind == SessionEvent::Kind::Tick ? event.ticks : 1;
            for (int k = 0; k < repeats; ++k) {
                deliver(*program, event);
                if (event.kind == SessionEvent::Kind::Tick)
                    collect(program->frame().ops(), true, windowWidth, looks);
                collect(program->takePictureOps(), false, pictureWidth, looks);
            }
        }
    }
    return looks;
}

QString hex(Rgb rgb) { return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')); }

} // namespace

Q_DECLARE_METATYPE(CircleLook)

class CircleColoursTest : public QObject {
    Q_OBJECT

private slots:
    void everyRecordedCircleShowsItsColours_data()
    {
        QTest::addColumn<CircleLook>("look");
        const std::set<CircleLook> looks = recordedLooks();
        QVERIFY(looks.size() >= 10);
        for (const CircleLook &look : looks) {
            const QString tag = QStringLiteral("r%1 fill %2 rim %3 width %4 %5")
                                    .arg(look.radius)
                                    .arg(hex(look.fill), hex(look.rim))
                                    .arg(look.lineWidth)
                                    .arg(look.antialiased ? "window" : "picture");
            QTest::newRow(qPrintable(tag)) << look;
        }
    }

    void everyRecordedCircleShowsItsColours()
    {
        QFETCH(CircleLook, look);
        const QPoint centre(50, 50);
        QImage image(2 * centre.x(), 2 * centre.y(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        PrimitivePainter painter(QFont(), look.antialiased);
        QPainter qpainter(&image);
        painter.replay(qpainter, image.size(),
                       {LineWidthOp{look.lineWidth},
                        CircleOp{{twipsOf(centre.x()), twipsOf(centre.y())}, double(look.radius), look.fill, look.rim}});
        qpainter.end();

        const double radius = pixelsOf(double(look.radius));
        const bool dot = 2 * radius < look.lineWidth;
        QCOMPARE(image.pixelColor(centre), toQColor(dot ? look.rim : look.fill));
        if (!dot && look.rim != look.fill)
            QCOMPARE(image.pixelColor(centre + QPoint(qRound(radius), 0)), toQColor(look.rim));
    }
};

QTEST_MAIN(CircleColoursTest)
#include "circle_colours_test.moc"
