// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/window/demonstrator.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace ondel {

class PictureArea;

// What the teacher keeps of a lesson for worksheets: the drawn pulse
// ("パルスを保存…"), a picture of the window ("画像を保存…") and the readings
// ("データを保存…"). The core makes the bytes; this asks where to write them,
// without blocking the lesson, and writes them whole or not at all.
class Savers : public QObject {
    Q_OBJECT
public:
    Savers(QWidget &window, Demonstrator &program, const PictureArea *picture);

    void savePulse();
    void saveImage();
    void saveReadings();

    // The window's drawing and the y-t picture when shown, controls left
    // out, at twice the window's size.
    QImage windowImage() const;

private:
    // Asks for a file name (suggesting `name`) and writes `bytes` there.
    void save(const QString &title, const QString &name, const QString &filter, QByteArray bytes,
              const QString &afterwards);
    void write(const QString &path, const QByteArray &bytes, const QString &afterwards);
    void tell(bool failed, const QString &text);

    QWidget &window_;
    Demonstrator &program_;
    QPointer<const PictureArea> picture_;
};

} // namespace ondel
