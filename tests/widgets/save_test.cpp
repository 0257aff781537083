// SPDX-License-Identifier: GPL-3.0-or-later
// What the teacher keeps for worksheets, in a real window: the pulse drawn
// in ondel10 (Ctrl+S), which ondel9 then loads; a picture of the window
// (Ctrl+E) at twice its size with Picture1 in it; the readings as a table.
// Each asks where to write in a dialog that leaves the lesson running, and
// a file that cannot be written is reported, in Japanese.
#include "shell/pulse/pulse_file.h"
#include "shell/window/pulse_demonstrator.h"
#include "desktop/fonts.h"
#include "desktop/ondelwindow.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/stopped_window.h"
#include "tests/support/temp_dir.h"

#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace ondel;

class SaveTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<OndelWindow> window;
    std::unique_ptr<test_support::TempDir> dir;

    void open(const char *program)
    {
        window = test_support::openStoppedWindow(program);
        QVERIFY(window);
    }

    void ticks(int count)
    {
        for (int k = 0; k < count; ++k)
            window->tick();
    }

    // The entry of the right-click menu whose text starts with `label`.
    QAction *menuEntry(const QString &label)
    {
        for (QAction *action : window->findChild<QMenu *>(QStringLiteral("contextMenu"))->actions())
            if (action->text().startsWith(label))
                return action;
        return nullptr;
    }

    QFileDialog *saveDialog()
    {
        auto *dialog = window->findChild<QFileDialog *>(QStringLiteral("saveDialog"));
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }

    // Answers the open save dialog with `name` in the test's folder and
    // returns the file's bytes; checks the name it suggested first.
    QByteArray answerDialog(const QString &suggested, const QString &name)
    {
        QFileDialog *dialog = saveDialog();
        if (!dialog)
            return "no dialog";
        if (!dialog->selectedFiles().value(0).endsWith(QLatin1Char('/') + suggested))
            return "suggested " + dialog->selectedFiles().value(0).toUtf8();
        const QString path = QString::fromStdString((dir->path() / name.toStdString()).string());
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept(); // the file dialog's own accept, as its Save button
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("not written");
    }

    QString shownMessage()
    {
        auto *box = window->findChild<QMessageBox *>(QStringLiteral("messageBox"));
        return box ? box->text() : QString();
    }

private slots:
    void initTestCase() { installFontSubstitution(); }
    void init() { dir = std::make_unique<test_support::TempDir>(); }
    void cleanup()
    {
        window.reset();
        dir.reset();
    }

    void ctrlSSavesTheDrawnPulseWhichOndel9Loads()
    {
        open("ondel10");
        auto *bar = window->findChild<QScrollBar *>(QStringLiteral("VScroll1"));
        bar->setValue(98);
        ticks(40);
        bar->setValue(128);
        ticks(10);
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        const QByteArray bytes = answerDialog(QStringLiteral("pulse_drawn.csv"), QStringLiteral("mine.csv"));
        const PulseReadResult read = parsePulseText(bytes.toStdString(), "mine.csv");
        QVERIFY2(std::holds_alternative<PulseRecords>(read), bytes.left(200).constData());
        const auto &first = std::get<PulseRecords>(read).first;
        QCOMPARE(first.size(), std::size_t{3200});
        QCOMPARE(first[318], 0.0f);
        QCOMPARE(first[319], 0.328125f); // record 320: the first sample, 30 above rest
        QCOMPARE(first[358], 0.328125f);
        QCOMPARE(first[359], 0.0f);
        QVERIFY(shownMessage().isEmpty());

        open("ondel9");
        window->openPulseFile(QString::fromStdString((dir->path() / "mine.csv").string()));
        auto &ondel9 = dynamic_cast<PulseDemonstrator &>(window->program());
        QCOMPARE(ondel9.forwardPulse().at(320), 0.328125f);
        QVERIFY(shownMessage().isEmpty());
    }

    void savingAPulseWithNothingDrawnSaysSoAndAsksNothing()
    {
        open("ondel10");
        ticks(20);
        menuEntry(QStringLiteral("パルスを保存…"))->trigger();
        QVERIFY(!saveDialog());
        QTRY_VERIFY(shownMessage().contains(QStringLiteral("保存するパルスがありません")));
    }

    void ctrlSDoesNothingWhereNoPulseIsDrawn()
    {
        open("ondel9");
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!saveDialog());
        QVERIFY(shownMessage().isEmpty());
    }

    void ctrlESavesThePictureAtTwiceTheWindowsSize()
    {
        open("ondel8");
        QTest::keyClick(window.get(), Qt::Key_1); // the transverse row, whose particle the trace follows
        QTest::keyClick(window.get(), Qt::Key_T); // the y-t trace, shown in Picture1
        window->openPulseFile(QStringLiteral(ONDEL_DATA_DIR "/pulse160a.csv"));
        ticks(300);
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
        const QByteArray bytes = answerDialog(QStringLiteral("ondel8.png"), QStringLiteral("figure.png"));
        QImage image;
        QVERIFY(image.loadFromData(bytes, "PNG"));
        QCOMPARE(image.size(), QSize(1584, 1146));
        // The transverse axis (window y 200 px, 4 px wide) is black, the
        // window's background grey; Picture1's frame is drawn, twice as far in.
        QCOMPARE(image.pixelColor(1000, 400), QColor(Qt::black));
        QCOMPARE(image.pixelColor(4, 4), QColor(0xF0, 0xF0, 0xF0));
        auto *picture = window->findChild<QWidget *>(QStringLiteral("Picture1"));
        const QPoint corner = 2 * picture->geometry().topLeft();
        QCOMPARE(image.pixelColor(corner + QPoint(0, 40)), QColor(Qt::black));
        QCOMPARE(image.pixelColor(corner + QPoint(1, 40)), QColor(Qt::black));
        QCOMPARE(image.pixelColor(corner + QPoint(-4, 40)), QColor(0xF0, 0xF0, 0xF0));
        // The axis letters "y" and "X" of the drawing are in it, where the window shows them.
        for (const char *label : {"Label4", "Label5", "Label6"}) {
            const QRect shown = window->findChild<QWidget *>(QString::fromLatin1(label))->geometry();
            const QRect letter(2 * shown.topLeft(), 2 * shown.size());
            int dark = 0;
            for (int y = letter.top(); y <= letter.bottom(); ++y)
                for (int x = letter.left(); x <= letter.right(); ++x)
                    dark += image.pixelColor(x, y).lightness() < 100;
            QVERIFY2(dark > 50, label);
        }
    }

    void savingTheDataWritesTheTableOfTheCurrentTick()
    {
        open("ondel3");
        ticks(5);
        menuEntry(QStringLiteral("データを保存…"))->trigger();
        const QByteArray bytes = answerDialog(QStringLiteral("ondel3_data.csv"), QStringLiteral("data.csv"));
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines[0], QStringLiteral("\uFEFF時刻（コマ）,粒子,横波の変位（粒子間隔）,縦波の変位（粒子間隔）,y-t線の時刻（コマ）,y-t線の変位（粒子間隔）").toUtf8());
        QCOMPARE(lines.size(), 1 + 15 + 1); // the header, 15 particles, the end of the last line
        QVERIFY2(lines[1].startsWith("5,1,"), lines[1].constData());
    }

    // The disk full while saving, without root: the old file stays, and the
    // teacher is told why in Japanese.
    void aSaveThatRunsOutOfRoomKeepsTheOldFileAndSaysWhy()
    {
        open("ondel8");
        dir->write("figure.png", "the old picture");
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
        // The dialog's question whether to replace the file, answered yes.
        QTimer::singleShot(0, [] {
            if (auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                question->button(QMessageBox::Yes)->click();
        });
        QByteArray bytes;
        {
            const test_support::FileSizeLimit limit(4096);
            bytes = answerDialog(QStringLiteral("ondel8.png"), QStringLiteral("figure.png"));
        }
        QCOMPARE(bytes, QByteArray("the old picture"));
        QTRY_VERIFY(shownMessage().contains(QStringLiteral("保存できませんでした: ファイルの大きさの上限を超えます。")));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(dir->path()), {}), 1);
    }

    void aFileThatCannotBeWrittenIsReported()
    {
        open("ondel5");
        menuEntry(QStringLiteral("画像を保存…"))->trigger();
        const QByteArray bytes = answerDialog(QStringLiteral("ondel5.png"), QStringLiteral("no folder/figure.png"));
        QCOMPARE(bytes, QByteArray("not written"));
        QTRY_VERIFY(shownMessage().contains(QStringLiteral("保存できませんでした")));
        QVERIFY(shownMessage().contains(QStringLiteral("no folder/figure.png")));
    }
};

QTEST_MAIN(SaveTest)
#include "save_test.moc"
