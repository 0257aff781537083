// SPDX-License-Identifier: GPL-3.0-or-later
#include "savers.h"

#include "fonts.h"
#include "picturearea.h"
#include "primitivepainter.h"
#include "twips.h"

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

QRect scaledRect(const Rect &r)
{
    return {wholePixelsOf(r.left) * savedImageScale, wholePixelsOf(r.top) * savedImageScale,
            wholePixelsOf(r.width) * savedImageScale, wholePixelsOf(r.height) * savedImageScale};
}

// The axis letters ("y", "X") are labels on the window but part of the
// drawing; the other labels name controls that the picture leaves out.
bool isAxisLetter(const ControlSpec &control)
{
    return control.kind == ControlKind::Label && control.caption.size() == 1;
}

void drawAxisLetters(QPainter &painter, const WindowLayout &layout)
{
    painter.setPen(Qt::black);
    for (const ControlSpec &control : layout.controls) {
        if (!isAxisLetter(control))
            continue;
        painter.setFont(controlFont(control.font, savedImageScale));
        painter.drawText(scaledRect(control.rect), Qt::AlignLeft | Qt::AlignVCenter,
                         text(control.caption)); // as a label sets it
    }
}

} // namespace

Savers::Savers(QWidget &window, Demonstrator &program, const PictureArea *picture)
    : QObject(&window), window_(window), program_(program), picture_(picture)
{
}

QImage Savers::windowImage() const
{
    const WindowLayout &layout = program_.layout();
    const QSize size(wholePixelsOf(layout.clientWidth) * savedImageScale,
                     wholePixelsOf(layout.clientHeight) * savedImageScale);
    QImage image(size, QImage::Format_RGB32);
    image.fill(toQColor(colour::background));
    QPainter painter(&image);
    // Drawn afresh at twice the size, as the zoom draws, so nothing is stretched.
    PrimitivePainter frame(controlFont(frameTextFont));
    frame.setScale(savedImageScale);
    frame.replay(painter, size, program_.frame().ops());
    drawAxisLetters(painter, layout);
    const auto control = std::find_if(layout.controls.begin(), layout.controls.end(),
                                      [](const ControlSpec &c) { return c.kind == ControlKind::Picture; });
    if (picture_ && program_.state().pictureVisible && control != layout.controls.end()) {
        const QRect place = scaledRect(control->rect);
        painter.drawImage(place, picture_->image());
        // The picture's frame, its outermost pixels as on screen.
        const QRect inside = place.adjusted(savedImageScale, savedImageScale, -savedImageScale, -savedImageScale);
        for (const QRect &edge : QRegion(place).subtracted(inside))
            painter.fillRect(edge, Qt::black);
    }
    return image;
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

void Savers::save(WindowCommand command, QByteArray bytes, const QString &afterwards)
{
    const QString name = text(suggestedFileName(command, program_.description().identity.name));
    // What the window showed when the teacher asked, however long the dialog stays open.
    auto *dialog = new QFileDialog(&window_, text(commandSpec(command).caption), QString(), fileFilter(command));
    dialog->setObjectName(QStringLiteral("saveDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QFileInfo(name).suffix());
    dialog->selectFile(name);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this, bytes = std::move(bytes), afterwards](const QString &path) { write(path, bytes, afterwards); });
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
