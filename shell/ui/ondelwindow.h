#pragma once

#include "shell/demonstrator.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace ondel {

class FrameCanvas;
class PictureArea;

// Form1: the window of one program, built from its layout table. The
// controls call the program's handlers by name; the timer runs one tick per
// interval and the canvas shows the frame.
class OndelWindow : public QWidget {
    Q_OBJECT
public:
    explicit OndelWindow(std::unique_ptr<Demonstrator> program, QWidget *parent = nullptr);
    ~OndelWindow() override;

    Demonstrator &program() { return *program_; }
    QTimer &timer() { return timer_; }

    // One timer tick, as Timer1 would run it.
    void tick();
    // A control's click, as the window system would deliver it.
    void clickControl(const QString &name);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    QWidget *createControl(const ControlSpec &entry, QWidget *parent);
    void syncFromProgram();

    std::unique_ptr<Demonstrator> program_;
    FrameCanvas *canvas_ = nullptr;
    PictureArea *picture_ = nullptr;
    QTimer timer_;
};

} // namespace ondel
