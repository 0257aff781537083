// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/demonstrator.h"
#include "shell/state/keys.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

class QLineEdit;
class QMenu;
class QScrollBar;

namespace ondel {

class FrameCanvas;
class HelpWindow;
class PictureArea;
class Savers;
class WindowZoom;

// Form1: the window of one program, built from its layout table. Each
// control delivers its click, value or text to the action the table binds
// it to; the timer runs one tick per interval and the canvas shows the
// frame. The keys of the core's table, a right-click menu, the help and a
// file dialog serve the teacher in front of the class.
class OndelWindow : public QWidget {
    Q_OBJECT
public:
    explicit OndelWindow(std::unique_ptr<Demonstrator> program, QWidget *parent = nullptr);
    ~OndelWindow() override;

    Demonstrator &program() { return *program_; }
    QTimer &timer() { return timer_; }
    // The size the window is shown at: Ctrl+plus, Ctrl+minus, Ctrl+0 and F11.
    WindowZoom &zoom() { return *zoom_; }

    // One timer tick: the program's next frame, shown.
    void tick();
    // A click on the named control, as the window system would deliver it.
    void clickControl(const QString &name);

    void showHelp();
    // F1: the help, or away with it when it is shown.
    void toggleHelp();
    void showAbout();
    void toggleFullScreen();
    // The file dialog, in a program that loads pulse files.
    void choosePulseFile();
    // A file chosen in the dialog: loaded as "実行/再実行" loads a typed name.
    void openPulseFile(const QString &path);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // What a key of the core's table asks for (one that applies here).
    void obey(const KeyBinding &key);
    void perform(Action action);
    void command(WindowCommand command);
    void stepSpeed(int pages);
    void buildMenu();
    void buildControls();
    QWidget *createControl(const ControlSpec &entry, QWidget *parent);
    QWidget *createButton(const ControlSpec &entry, QWidget *parent);
    QWidget *createLabel(const ControlSpec &entry, QWidget *parent);
    QWidget *createFrame(const ControlSpec &entry, QWidget *parent);
    QWidget *createOption(const ControlSpec &entry, QWidget *parent);
    QWidget *createTextBox(const ControlSpec &entry, QWidget *parent);
    QWidget *createScrollBar(const ControlSpec &entry, QWidget *parent);
    QWidget *createPicture(const ControlSpec &entry, QWidget *parent);
    void syncFromProgram();
    void showOpenedPath();

    std::unique_ptr<Demonstrator> program_;
    FrameCanvas *canvas_ = nullptr;
    std::unique_ptr<WindowZoom> zoom_;
    PictureArea *picture_ = nullptr;
    QScrollBar *speedBar_ = nullptr;
    QLineEdit *pulseFileBox_ = nullptr;
    QMenu *menu_ = nullptr;
    Savers *savers_ = nullptr;
    QPointer<HelpWindow> help_;
    QTimer timer_;
};

} // namespace ondel
