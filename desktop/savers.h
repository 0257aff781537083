// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/commands.h"
#include "shell/window/demonstrator.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace ondel {

class PictureArea;

// "PNG 画像 (*.png)": the file dialog's filter for what a command saves.
QString fileFilter(WindowCommand command);

// What the teacher keeps of a lesson for worksheets: the drawn pulse, a
// picture of the window and the readings, each named and titled by its
// command in the core's table. The core makes the bytes; this asks where to write them,
// without blocking the lesson, and writes them whole or not at all.
class Savers : public QObject {
    Q_OBJECT
public:
    Savers(QWidget &window, Demonstrator &program, const PictureArea *picture);

    void savePulse();
    void saveImage();
    // 動画を保存: recorded from the moment it is asked for, made once the
    // file is chosen.
    void saveMovie();
    void saveReadings();

    // The window's drawing and the y-t picture when shown, controls left
    // out, at twice the window's size.
    QImage windowImage() const;

private:
    // Asks for a file name (suggesting the command's) and writes `bytes` there.
    void save(WindowCommand command, QByteArray bytes, const QString &afterwards);
    // Asks for a file name for what `command` saves; `chosen` gets it. The
    // dialog owns `keep` until then and deletes it if nothing is chosen.
    void ask(WindowCommand command, QObject *keep, std::function<void(const QString &)> chosen);
    void write(const QString &path, const QByteArray &bytes, const QString &afterwards);
    void tell(bool failed, const QString &text);

    QWidget &window_;
    Demonstrator &program_;
    QPointer<const PictureArea> picture_;
};

} // namespace ondel
