// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/keys.h"
#include "shell/window/demonstrator.h"

#include <QTimer>
#include <QWidget>

#include <memory>

class QLineEdit;
class QMenu;
class QScrollBar;

namespace ondel {

class FrameCanvas;
class PictureArea;
class Savers;
class WindowCommands;
class WindowDialogs;
class WindowZoom;

// Form1: the window of one program, built from its layout table. Each
// control delivers its click, value or text to the action the table binds
// it to; the timer runs one tick per interval and the canvas shows the
// frame. The window's commands (the core's table) come from its keys and
// its right-click menu alike.
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
    // A command of the core's table, from its menu entry or its key.
    void command(WindowCommand command);
    bool canDo(WindowCommand command) const;
    void stepSpeed(int pages);
    void toggleFullScreen();
    void buildMenu();
    void syncFromProgram();
    // The frame as the program now has it, between two ticks.
    void showFrame();
    void showOpenedPath();

    std::unique_ptr<Demonstrator> program_;
    FrameCanvas *canvas_ = nullptr;
    std::unique_ptr<WindowZoom> zoom_;
    PictureArea *picture_ = nullptr;
    QScrollBar *speedBar_ = nullptr;
    QLineEdit *pulseFileBox_ = nullptr;
    QMenu *menu_ = nullptr;
    Savers *savers_ = nullptr;
    WindowDialogs *dialogs_ = nullptr;
    WindowCommands *commands_ = nullptr;
    QTimer timer_;
};

} // namespace ondel
