// SPDX-License-Identifier: GPL-3.0-or-later
// What the teacher reaches beside the controls: F1's help window, the
// right-click menu on the drawing, the file dialog behind Ctrl+O whose file
// loads as "実行/再実行" loads a typed name, and F11's full screen.
#include "desktop/fonts.h"
#include "desktop/ondelwindow.h"
#include "desktop/qttranslations.h"
#include "shell/window/pulse_demonstrator.h"
#include "tests/support/opened_window.h"
#include "tests/support/temp_dir.h"

#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

using namespace ondel;

class TeacherMenuTest : public QObject, private test_support::OpenedWindow {
    Q_OBJECT

private:
    QStringList menuEntries()
    {
        QWidget *canvas = window->findChild<QWidget *>(QStringLiteral("canvas"));
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(300, 300), canvas->mapToGlobal(QPoint(300, 300)));
        QApplication::sendEvent(canvas, &rightClick);
        auto *menu = window->findChild<QMenu *>(QStringLiteral("contextMenu"));
        QStringList entries;
        if (!menu || !menu->isVisible())
            return entries;
        for (const QAction *action : menu->actions())
            entries << action->text().section(QLatin1Char('\t'), 0, 0);
        menu->hide();
        return entries;
    }

    QString pulseFileBox() { return window->findChild<QLineEdit *>(QStringLiteral("Text1"))->text(); }

private slots:
    void initTestCase() { installFontSubstitution(); }
    void cleanup() { window.reset(); }

    void f1OpensTheHelpOfTheProgram_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("ondel8") << "ondel8";
        QTest::newRow("ondel3a") << "ondel3a";
        QTest::newRow("ondel15") << "ondel15";
    }

    void f1OpensTheHelpOfTheProgram()
    {
        QFETCH(QString, program);
        open(program.toLatin1().constData());
        QTest::keyClick(window.get(), Qt::Key_F1);
        auto *help = window->findChild<QTextBrowser *>(QStringLiteral("helpWindow"));
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QVERIFY(help->isWindow());
        const QString text = help->toPlainText();
        QVERIFY(text.contains(QString::fromStdString(window->program().description().identity.summaryJa)));
        QVERIFY(text.contains(QStringLiteral("Page Down")));
        QVERIFY(text.contains(QStringLiteral("・Ctrl++: ")));
        QVERIFY(text.contains(QStringLiteral("・Ctrl+0: ")));
        // The program keeps running beside it and obeys the presenter's keys
        // while the help has the keyboard; Esc or F1 puts it away, and the
        // next F1 reuses it.
        window->tick();
        QTest::keyClick(help, Qt::Key_PageDown);
        QCOMPARE(window->program().state().runStep, 0);
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        QTest::keyClick(window.get(), Qt::Key_F1);
        QVERIFY(help->isVisible());
        QTest::keyClick(help, Qt::Key_F1);
        QVERIFY(!help->isVisible());
        QCOMPARE(window->findChildren<QTextBrowser *>(QStringLiteral("helpWindow")).size(), 1);
    }

    void rightClickOffersTheWindowsEntries_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("entries");
        const QStringList tools{"", "ストロボ", "ストロボの枚数", "ストロボの間隔", "注釈"};
        const QStringList zoom{"全画面表示", "拡大", "縮小", "等倍 (100%)"};
        const QStringList end{"画像を保存…", "動画を保存…", "データを保存…", "ヘルプ", "このプログラムについて",
                              "計測"};
        const QStringList withFile = zoom + QStringList{"ファイルを開く…"} + end + tools;
        const QStringList drawing = zoom + QStringList{"パルスを保存…"} + end + tools;
        const QStringList withoutFile = zoom + end + tools;
        QTest::newRow("ondel8 loads files") << "ondel8" << withFile;
        QTest::newRow("ondel15 loads files") << "ondel15" << withFile;
        QTest::newRow("ondel10 draws its pulse") << "ondel10" << drawing;
        QTest::newRow("ondel3 sine waves") << "ondel3" << withoutFile;
    }

    void rightClickOffersTheWindowsEntries()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, entries);
        open(program.toLatin1().constData());
        QCOMPARE(menuEntries(), entries);
    }

    // Each window command from its key and from its menu entry alike, and
    // from neither where the program lacks what it works on.
    void commandsDoTheSameFromKeyAndMenu_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("entry"); // empty: not in this program's menu
        QTest::addColumn<QString>("shown"); // what it opens; empty: nothing
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("F1 help") << "ondel8" << int(Qt::Key_F1) << none << "ヘルプ"
                                 << "helpWindow";
        QTest::newRow("F2 data") << "ondel3" << int(Qt::Key_F2) << none << "データを保存…"
                                 << "saveDialog";
        QTest::newRow("F8 about") << "ondel9" << int(Qt::Key_F8) << none << "このプログラムについて"
                                  << "aboutBox";
        QTest::newRow("Ctrl+O open") << "ondel15" << int(Qt::Key_O) << ctrl << "ファイルを開く…"
                                     << "openPulseDialog";
        QTest::newRow("Ctrl+E picture") << "ondel5a" << int(Qt::Key_E) << ctrl << "画像を保存…"
                                        << "saveDialog";
        QTest::newRow("Ctrl+O where no file loads") << "ondel3" << int(Qt::Key_O) << ctrl << ""
                                                    << "";
        QTest::newRow("Ctrl+S where no pulse is drawn") << "ondel9" << int(Qt::Key_S) << ctrl << ""
                                                        << "";
    }

    void commandsDoTheSameFromKeyAndMenu()
    {
        QFETCH(QString, program);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        open(program.toLatin1().constData());
        const auto opened = [this] {
            QStringList names;
            for (QWidget *widget : window->findChildren<QWidget *>())
                if (widget->isWindow() && widget->isVisible())
                    names << widget->objectName();
            return names;
        };
        QTest::keyClick(window.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(opened(), shown.isEmpty() ? QStringList() : QStringList{shown});
        if (entry.isEmpty())
            return;
        qDeleteAll(window->findChildren<QWidget *>(shown));
        QVERIFY(menuEntries().contains(entry));
        for (QAction *action : window->findChild<QMenu *>(QStringLiteral("contextMenu"))->actions())
            if (action->text().startsWith(entry + QLatin1Char('\t')))
                action->trigger();
        QTRY_COMPARE(opened(), QStringList{shown});
    }

    void aboutNamesTheVersionAndTheLicence()
    {
        open("ondel9");
        QTest::keyClick(window.get(), Qt::Key_F8);
        auto *box = window->findChild<QMessageBox *>(QStringLiteral("aboutBox"));
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        QCOMPARE(box->windowTitle(), QStringLiteral("このプログラムについて"));
        QVERIFY(box->text().contains(QStringLiteral(ONDEL_VERSION_TEXT)));
        QVERIFY(box->text().contains(QStringLiteral("GPL-3.0-or-later")));
    }

    void ctrlOOpensThePulseFileDialog()
    {
        open("ondel8");
        QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
        auto *dialog = window->findChild<QFileDialog *>(QStringLiteral("openPulseDialog"));
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(dialog->nameFilters(), QStringList({"パルスデータ (*.csv)", "すべてのファイル (*)"}));
        dialog->reject();
    }

    void aChosenFileLoadsAndTheBoxShowsItsName()
    {
        open("ondel8");
        const test_support::TempDir dir;
        const std::string path = dir.write("chosen.csv", "0.5,-0.25\n1,-1\n");
        window->program().state().timeIndex = 321;
        window->openPulseFile(QString::fromStdString(path));
        auto &pulse = dynamic_cast<PulseDemonstrator &>(window->program());
        QCOMPARE(pulse.forwardPulse().at(1), 0.5f);
        QCOMPARE(window->program().state().timeIndex, std::int64_t{0});
        QCOMPARE(pulseFileBox(), QString::fromStdString(window->program().inputs().pulseFileName));
        QVERIFY(pulseFileBox().endsWith(QStringLiteral("chosen")));
        QVERIFY(!window->findChild<QMessageBox *>(QStringLiteral("messageBox")));
        // "実行/再実行" reads that file again, whose full path the box's tooltip gives,
        // until the teacher types another name.
        auto *box = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
        QCOMPARE(box->toolTip(), QString::fromStdString(path));
        dir.write("chosen.csv", "0.25,0\n");
        window->clickControl(QStringLiteral("Command9"));
        QCOMPARE(pulse.forwardPulse().at(1), 0.25f);
        box->setText(QStringLiteral("pulse160a"));
        QCOMPARE(box->toolTip(), QString());
    }

    void qtsOwnTextsAreJapanese()
    {
        QVERIFY(installQtTranslations());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
    }

    void aRefusedFileShowsTheMessageAndChangesNothing()
    {
        open("ondel15");
        const test_support::TempDir dir;
        const std::string path = dir.write("broken.csv", "not a number\n");
        window->program().state().timeIndex = 321;
        const WindowState before = window->program().state();
        const QString boxBefore = pulseFileBox();
        window->openPulseFile(QString::fromStdString(path));
        auto *box = window->findChild<QMessageBox *>(QStringLiteral("messageBox"));
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        QVERIFY(window->program().state() == before);
        QCOMPARE(pulseFileBox(), boxBefore);
        QCOMPARE(window->program().inputs().pulseFileName, boxBefore.toStdString());
    }

    void f11FillsTheScreenAndEscReturns()
    {
        open("ondel5");
        QTest::keyClick(window.get(), Qt::Key_F11);
        QTRY_VERIFY(window->isFullScreen());
        QCOMPARE(menuEntries().value(0), QStringLiteral("全画面を終える"));
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTRY_VERIFY(!window->isFullScreen());
        QTest::keyClick(window.get(), Qt::Key_F11);
        QTRY_VERIFY(window->isFullScreen());
        QTest::keyClick(window.get(), Qt::Key_F11);
        QTRY_VERIFY(!window->isFullScreen());
    }
};

QTEST_MAIN(TeacherMenuTest)
#include "teacher_menu_test.moc"
