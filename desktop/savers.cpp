// SPDX-License-Identifier: GPL-3.0-or-later
#include "savers.h"

#include "fonts.h"
#include "moviemaker.h"
#include "picturearea.h"
#include "primitivepainter.h"
#include "twips.h"
#include "windowpicture.h"

#include "shell/pulse/system_error.h"
#include "shell/pulse/whole_file.h"

#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <algorithm>

namespace ondel {

namespace {

QByteArray bytesOf(const std::string &s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

QString text(const std::string &s) { return QString::fromStdString(s); }
QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

Savers::Savers(QWidget &window, Demonstrator &program, const PictureArea *picture)
    : QObject(&window), window_(window), program_(program), picture_(picture)
{
}

QImage Savers::windowImage() const
{
    const bool shown = picture_ && program_.state().pictureVisible;
    return WindowPicture(program_.layout(), savedImageScale)
        .draw(program_.frame().ops(), shown ? &picture_->image() : nullptr);
}

void Savers::savePulse()
{
    const SavedFile file = program_.drawnPulseFile();
    if (!file.bytes) {
        tell(false, text(file.message));
        return;
    }
    save(WindowCommand::SavePulse, bytesOf(*file.bytes), text(file.message));
}

void Savers::saveImage()
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    windowImage().save(&buffer, "PNG");
    save(WindowCommand::SaveImage, png, QString());
}

void Savers::saveReadings()
{
    const SavedFile file = program_.readingsFile();
    save(WindowCommand::SaveData, bytesOf(file.bytes.value_or(std::string())), text(file.message));
}

QString fileFilter(WindowCommand command)
{
    const FileKind &file = commandSpec(command).file;
    return text(file.kind) + QStringLiteral(" (*") + text(file.extension) + QLatin1Char(')');
}

void Savers::saveMovie()
{
    const bool shown = picture_ && program_.state().pictureVisible;
    auto *maker = new MovieMaker(window_, program_, shown ? &picture_->image() : nullptr);
    connect(maker, &MovieMaker::failed, this,
            [this] { tell(true, QStringLiteral("動画を作れませんでした。フォルダの中は保存の前のままです。")); });
    ask(WindowCommand::SaveMovie, maker, [this, maker](const QString &path) {
        maker->setParent(this);
        connect(maker, &MovieMaker::finished, this,
                [this, path](const QByteArray &gif) { write(path, gif, QString()); });
        maker->start();
    });
}

void Savers::save(WindowCommand command, QByteArray bytes, const QString &afterwards)
{
    // What the window showed when the teacher asked, however long the dialog stays open.
    ask(command, nullptr,
        [this, bytes = std::move(bytes), afterwards](const QString &path) { write(path, bytes, afterwards); });
}

void Savers::ask(WindowCommand command, QObject *keep, std::function<void(const QString &)> chosen)
{
    const QString name = text(suggestedFileName(command, program_.description().identity.name));
    auto *dialog = new QFileDialog(&window_, text(commandSpec(command).caption), QString(), fileFilter(command));
    dialog->setObjectName(QStringLiteral("saveDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QFileInfo(name).suffix());
    dialog->selectFile(name);
    if (keep)
        keep->setParent(dialog);
    connect(dialog, &QFileDialog::fileSelected, this, std::move(chosen));
    dialog->open(); // window-modal, does not block the event loop
}

void Savers::write(const QString &path, const QByteArray &bytes, const QString &afterwards)
{
    // Whole or not at all: a full disk must not leave an empty or cut file behind.
    if (const auto error = writeWholeFile(QFile::encodeName(path).toStdString(), bytes.toStdString())) {
        tell(true,
             QStringLiteral("ファイル「%1」に保存できませんでした: %2\n"
                            "フォルダの中は保存の前のままです。別の名前か別のフォルダでもう一度保存してください。")
                 .arg(path, text(systemReason(*error))));
        return;
    }
    if (!afterwards.isEmpty())
        tell(false, afterwards);
}

void Savers::tell(bool failed, const QString &message)
{
    auto *box = new QMessageBox(failed ? QMessageBox::Warning : QMessageBox::Information,
                                QString::fromUtf8(windowCaption), message, QMessageBox::Ok, &window_);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace ondel
