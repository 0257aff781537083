// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include "shell/window/help_text.h"

namespace ondel {

HelpWindow::HelpWindow(const ProgramDescription &description, QWidget *parent) : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QString::fromStdString(description.identity.name) + QStringLiteral(" — ヘルプ"));
    setPlainText(QString::fromStdString(helpText(description, Edition::Desktop)));
    resize(560, 480);
}

} // namespace ondel
