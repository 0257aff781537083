// SPDX-License-Identifier: GPL-3.0-or-later
#include "savers.h"

#include "fonts.h"
#include "picturearea.h"
#include "primitivepainter.h"
#include "twips.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

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
    const auto control = std::find_if(layout.controls.begin(), layout.controls.end(),
                                      [](const ControlSpec &c) { return c.kind == ControlKind::Picture; });
    if (picture_ && program_.state().pictureVisible && control != layout.controls.end()) {
        const Rect &r = control->rect;
        const QRect place(wholePixelsOf(r.left) * savedImageScale, wholePixelsOf(r.top) * savedImageScale,
                          wholePixelsOf(r.width) * savedImageScale, wholePixelsOf(r.height) * savedImageScale);
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        tell(true,
             QStringLiteral(
                 "ファイル「%1」に保存できませんでした（%2）。\n別の名前か別のフォルダでもう一度保存してください。")
                 .arg(path, file.errorString()));
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
