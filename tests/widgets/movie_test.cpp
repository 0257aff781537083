// SPDX-License-Identifier: GPL-3.0-or-later
// 動画を保存 in a real window: Ctrl+G asks where, then the animation is
// made while the lesson goes on. ondel8's crossing, decoded again, has the
// recording's frames and delays, loops, stays under 5 MB, and its first and
// last pictures are the painter's own; 中止 and a failed write leave the
// folder as it was, the latter saying why.
#include "desktop/fonts.h"
#include "desktop/gifencoder.h"
#include "desktop/movieframes.h"
#include "desktop/ondelwindow.h"
#include "desktop/picturearea.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/stopped_window.h"
#include "tests/support/temp_dir.h"

#include <gif_lib.h>

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <memory>

using namespace ondel;

namespace {

constexpr qsizetype fiveMegabytes = 5 * 1024 * 1024;

// What a player shows: each frame drawn over the one before.
struct Played {
    QImage first, last;
    std::vector<int> delays;
    bool loops = false;
};

struct Reader {
    QByteArray bytes;
    qsizetype at = 0;
    static int read(GifFileType *gif, GifByteType *to, int length)
    {
        auto *self = static_cast<Reader *>(gif->UserData);
        const int n = static_cast<int>(std::min<qsizetype>(length, self->bytes.size() - self->at));
        std::memcpy(to, self->bytes.constData() + self->at, static_cast<std::size_t>(n));
        self->at += n;
        return n;
    }
};

std::optional<Played> play(const QByteArray &bytes)
{
    Reader reader{bytes};
    int error = 0;
    GifFileType *gif = DGifOpen(&reader, &Reader::read, &error);
    if (!gif || DGifSlurp(gif) != GIF_OK)
        return std::nullopt;
    Played played;
    QImage screen(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage &image = gif->SavedImages[i];
        for (int e = 0; e < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock &block = image.ExtensionBlocks[e];
            played.loops = played.loops || (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                                            std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0);
        }
        GraphicsControlBlock control{};
        DGifSavedExtensionToGCB(gif, i, &control);
        played.delays.push_back(control.DelayTime);
        const GifImageDesc &d = image.ImageDesc;
        const ColorMapObject *map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const int index = image.RasterBits[y * d.Width + x];
                if (index == control.TransparentColor)
                    continue;
                const GifColorType c = map->Colors[index];
                screen.setPixel(d.Left + x, d.Top + y, qRgb(c.Red, c.Green, c.Blue));
            }
        if (i == 0)
            played.first = screen.copy();
    }
    played.last = screen;
    DGifCloseFile(gif, &error);
    return played;
}

// How far two pictures differ: the largest difference in any channel.
int difference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 256;
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max(
                {most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

} // namespace

class MovieTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<OndelWindow> window;
    std::unique_ptr<test_support::TempDir> dir;

    QString pathOf(const char *name) const { return QString::fromStdString((dir->path() / name).string()); }

    // Ctrl+G on a crossing in ondel8 with its trace, answered with `name`.
    void startMovie(const char *name)
    {
        window = test_support::openStoppedWindow("ondel8");
        QVERIFY(window);
        QTest::keyClick(window.get(), Qt::Key_1);
        QTest::keyClick(window.get(), Qt::Key_T);
        window->openPulseFile(QStringLiteral(ONDEL_DATA_DIR "/pulse160a.csv"));
        for (int k = 0; k < 40; ++k)
            window->tick();
        QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
        auto *dialog = window->findChild<QFileDialog *>(QStringLiteral("saveDialog"));
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(dialog->selectedFiles().value(0).endsWith(QStringLiteral("/ondel8.gif")));
        dialog->selectFile(pathOf(name));
        // The dialog's question whether to replace a file, answered yes.
        QTimer::singleShot(0, [] {
            if (auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                question->button(QMessageBox::Yes)->click();
        });
        static_cast<QDialog *>(dialog)->accept();
    }

    QString shownMessage()
    {
        auto *box = window->findChild<QMessageBox *>(QStringLiteral("messageBox"));
        return box ? box->text() : QString();
    }

    bool making() { return window->findChild<QProgressDialog *>(QStringLiteral("movieProgress")) != nullptr; }

private slots:
    void initTestCase() { installFontSubstitution(); }
    void init() { dir = std::make_unique<test_support::TempDir>(); }
    void cleanup()
    {
        window.reset();
        dir.reset();
    }

    void ctrlGSavesTheCrossingAsALoopingGifOfThePaintersPictures()
    {
        startMovie("crossing.gif");
        // The same recording, from the same stopped moment, as the painter paints it.
        const auto *picture = window->findChild<PictureArea *>(QStringLiteral("Picture1"));
        MovieFrames painted(window->program(), &picture->image());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pathOf("crossing.gif")), 60000);
        QFile file(pathOf("crossing.gif"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes.size() < fiveMegabytes, QByteArray::number(bytes.size()).constData());
        qInfo("ondel8's crossing: %lld bytes", static_cast<long long>(bytes.size()));
        const auto played = play(bytes);
        QVERIFY(played);
        QVERIFY(played->loops);
        std::vector<int> delays;
        QImage first, last;
        while (auto frame = painted.next()) {
            if (delays.empty())
                first = frame->image;
            last = frame->image;
            delays.push_back(frame->delay);
        }
        QCOMPARE(played->delays, delays);
        QCOMPARE(played->first.size(), QSize(792, 573));
        QVERIFY(difference(played->first, first) <= 8);
        QVERIFY(difference(played->last, last) <= 8);
        QVERIFY(shownMessage().isEmpty());
    }

    // More colours than a palette holds (a strobe's pale exposures over
    // antialiased rims): quantised, near the original; a frame that
    // changes nothing costs a few bytes and shows the same.
    void aFrameOfManyColoursIsQuantisedAndAStillOneCostsNothing()
    {
        QImage colourful(64, 32, QImage::Format_RGB32);
        for (int y = 0; y < colourful.height(); ++y)
            for (int x = 0; x < colourful.width(); ++x)
                colourful.setPixel(x, y, qRgb(x * 4, y * 8, 128));
        GifEncoder encoder(colourful.size());
        QVERIFY(encoder.add(colourful, 5));
        QVERIFY(encoder.add(colourful, 7));
        const auto bytes = encoder.finish();
        QVERIFY(bytes);
        const auto played = play(QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())));
        QVERIFY(played);
        QCOMPARE(played->delays, (std::vector<int>{5, 7}));
        // 2048 colours in 256: each stands for a box of its neighbours.
        QVERIFY(difference(played->first, colourful) <= 32);
        QCOMPARE(played->last, played->first);
    }

    void cancellingLeavesNothingBehind()
    {
        startMovie("cancelled.gif");
        QTRY_VERIFY(making());
        window->findChild<QProgressDialog *>(QStringLiteral("movieProgress"))->cancel();
        QTRY_VERIFY(!making());
        QTest::qWait(50);
        QVERIFY(std::filesystem::is_empty(dir->path()));
        QVERIFY(shownMessage().isEmpty());
    }

    void aFailedWriteKeepsTheOldFileAndSaysWhy()
    {
        dir->write("old.gif", "the old animation");
        const test_support::FileSizeLimit limit(4096);
        startMovie("old.gif");
        QTRY_VERIFY_WITH_TIMEOUT(shownMessage().contains(QStringLiteral("保存できませんでした")), 60000);
        QFile file(pathOf("old.gif"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("the old animation"));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(dir->path()), {}), 1);
    }
};

QTEST_MAIN(MovieTest)
#include "movie_test.moc"
