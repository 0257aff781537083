// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/demonstrator.h"

#include <functional>

class QLineEdit;
class QScrollBar;
class QWidget;

namespace ondel {

class PictureArea;
class WindowZoom;

// The controls of Form1 from its layout table: one widget per entry, in its
// frame, in the table's tab order, placed by the zoom. A click delivers the
// control's action to `perform`; a bar's value and a box's text go to the
// program directly, and `changed` runs after a bar has moved.
class FormBuilder {
public:
    // The controls the window reaches again later; nullptr where the
    // program has none.
    struct Built {
        PictureArea *picture = nullptr;
        QScrollBar *speedBar = nullptr;
        QLineEdit *pulseFileBox = nullptr;
    };

    FormBuilder(QWidget &window, Demonstrator &program, WindowZoom &zoom, std::function<void(Action)> perform,
                std::function<void()> changed);

    Built build();

private:
    QWidget *createControl(const ControlSpec &entry, QWidget *parent);
    QWidget *createButton(const ControlSpec &entry, QWidget *parent);
    QWidget *createLabel(const ControlSpec &entry, QWidget *parent);
    QWidget *createFrame(const ControlSpec &entry, QWidget *parent);
    QWidget *createOption(const ControlSpec &entry, QWidget *parent);
    QWidget *createTextBox(const ControlSpec &entry, QWidget *parent);
    QWidget *createScrollBar(const ControlSpec &entry, QWidget *parent);
    QWidget *createPicture(const ControlSpec &entry, QWidget *parent);

    QWidget &window_;
    Demonstrator &program_;
    WindowZoom &zoom_;
    std::function<void(Action)> perform_;
    std::function<void()> changed_;
    Built built_;
};

} // namespace ondel
