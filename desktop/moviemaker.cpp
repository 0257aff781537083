// SPDX-License-Identifier: GPL-3.0-or-later
#include "moviemaker.h"

#include <QTimer>

namespace ondel {

namespace {

// How long one turn may paint and encode before the lesson ticks again.
constexpr int turnMs = 30;
constexpr int progressAfterMs = 500;

} // namespace

MovieMaker::MovieMaker(QWidget &window, const Demonstrator &program, const QImage *picture)
    : QObject(&window), window_(window), frames_(program, picture), encoder_(frames_.size())
{
}

void MovieMaker::start()
{
    progress_ = new QProgressDialog(QStringLiteral("動画を作っています…"), QStringLiteral("中止"), 0,
                                    frames_.recording().ticksAtMost(), &window_);
    progress_->setObjectName(QStringLiteral("movieProgress"));
    progress_->setWindowTitle(QStringLiteral("動画を保存"));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(progressAfterMs);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    QTimer::singleShot(0, this, &MovieMaker::step);
}

void MovieMaker::step()
{
    if (progress_->wasCanceled()) {
        // Nothing was written: the folder stays as it was.
        progress_->deleteLater();
        deleteLater();
        return;
    }
    QElapsedTimer turn;
    turn.start();
    bool more = true;
    while (more && turn.elapsed() < turnMs) {
        auto frame = frames_.next();
        more = frame && encoder_.add(frame->image, frame->delay);
    }
    progress_->setValue(frames_.recording().ticksDone());
    if (more) {
        QTimer::singleShot(0, this, &MovieMaker::step);
        return;
    }
    progress_->deleteLater();
    if (auto gif = encoder_.finish())
        emit finished(QByteArray(gif->data(), static_cast<qsizetype>(gif->size())));
    else
        emit failed();
    deleteLater();
}

} // namespace ondel
