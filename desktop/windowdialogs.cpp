// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowdialogs.h"

#include "helpwindow.h"
#include "savers.h"

#include "shell/state/commands.h"
#include "shell/window/help_text.h"

#include <QFileDialog>
#include <QMessageBox>

namespace ondel {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

WindowDialogs::WindowDialogs(QWidget &window, const ProgramDescription &description, KeyDispatcher::Handler keys)
    : QObject(&window), window_(window), description_(description), keys_(std::move(keys))
{
}

void WindowDialogs::showHelp()
{
    if (!help_) {
        help_ = new HelpWindow(description_, &window_);
        auto *keys = new KeyDispatcher(*help_, description_.layout, keys_);
        keys->watchControls();
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void WindowDialogs::toggleHelp()
{
    if (help_ && help_->isVisible())
        help_->close();
    else
        showHelp();
}

void WindowDialogs::showAbout()
{
    auto *box = new QMessageBox(QMessageBox::Information, text(commandSpec(WindowCommand::About).caption),
                                text(aboutText(description_, ONDEL_VERSION)), QMessageBox::Ok, &window_);
    box->setObjectName(QStringLiteral("aboutBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void WindowDialogs::choosePulseFile(std::function<void(const QString &)> open)
{
    // The pulse files are the ones the drawn pulse is saved as.
    const QString filter = fileFilter(WindowCommand::SavePulse) + QStringLiteral(";;すべてのファイル (*)");
    auto *dialog = new QFileDialog(&window_, QStringLiteral("パルスファイルを開く"), QString(), filter);
    dialog->setObjectName(QStringLiteral("openPulseDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this, std::move(open));
    dialog->open(); // window-modal, does not block the event loop
}

void WindowDialogs::warn(const QString &message)
{
    auto *box =
        new QMessageBox(QMessageBox::Warning, QString::fromUtf8(windowCaption), message, QMessageBox::Ok, &window_);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open(); // window-modal, does not block the event loop
}

} // namespace ondel
