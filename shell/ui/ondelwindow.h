// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/demonstrator.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace ondel {

class FrameCanvas;
class PictureArea;

// Form1: the window of one program, built from its layout table. Each
// control delivers its click, value or text to the action the table binds
// it to; the timer runs one tick per interval and the canvas shows the
// frame.
class OndelWindow : public QWidget {
    Q_OBJECT
public:
    explicit OndelWindow(std::unique_ptr<Demonstrator> program, QWidget *parent = nullptr);
    ~OndelWindow() override;

    Demonstrator &program() { return *program_; }
    QTimer &timer() { return timer_; }

    // One timer tick: the program's next frame, shown.
    void tick();
    // A click on the named control, as the window system would deliver it.
    void clickControl(const QString &name);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void perform(Action action);
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

    std::unique_ptr<Demonstrator> program_;
    FrameCanvas *canvas_ = nullptr;
    PictureArea *picture_ = nullptr;
    QTimer timer_;
};

} // namespace ondel
