// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gifencoder.h"
#include "movieframes.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QWidget>

namespace ondel {

// 動画を保存 at work: the recording's frames painted and encoded a few at a
// time between the lesson's ticks, so the animation on screen keeps
// running; a progress dialog with 中止 appears when it takes longer than
// half a second. Deletes itself when it is done or cancelled.
class MovieMaker : public QObject {
    Q_OBJECT
public:
    // The recording starts at once, from what `program` shows now.
    MovieMaker(QWidget &window, const Demonstrator &program, const QImage *picture);

    void start();

signals:
    void finished(const QByteArray &gif);
    void failed();

private:
    void step();

    QWidget &window_;
    MovieFrames frames_;
    GifEncoder encoder_;
    QPointer<QProgressDialog> progress_;
};

} // namespace ondel
