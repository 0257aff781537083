// SPDX-License-Identifier: GPL-3.0-or-later
#include "runprogram.h"

#include "fonts.h"
#include "installation.h"
#include "ondelwindow.h"
#include "qttranslations.h"

#include <QApplication>

namespace ondel {

int runProgram(int argc, char **argv, std::unique_ptr<Demonstrator> program)
{
    QApplication app(argc, argv);
    installQtTranslations();
    installFontSubstitution();
    connectToInstallation(*program);
    OndelWindow window(std::move(program));
    window.show();
    return QApplication::exec();
}

} // namespace ondel
