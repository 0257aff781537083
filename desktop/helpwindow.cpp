// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include "shell/window/help_text.h"

#include <QKeyEvent>

namespace ondel {

namespace {

// Room for the help's lines without wrapping most of them.
constexpr QSize helpSize(560, 480);

} // namespace

HelpWindow::HelpWindow(const ProgramDescription &description, QWidget *parent) : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QString::fromStdString(description.identity.name) + QStringLiteral(" — ヘルプ"));
    setPlainText(QString::fromStdString(helpText(description, Edition::Desktop)));
    resize(helpSize);
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QTextBrowser::keyPressEvent(event);
}

void HelpWindow::hideEvent(QHideEvent *event)
{
    QTextBrowser::hideEvent(event);
    if (parentWidget())
        parentWidget()->activateWindow();
}

} // namespace ondel
