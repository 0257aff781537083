// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>

// The packaging decides the names: ONDEL_DATA_FROM_BIN is the data folder
// relative to the executables' folder (the build tree mirrors it), ONDEL_APP_ID
// the reverse-DNS name of the icon and the prefix of the desktop entries.
namespace ondel {

void connectToInstallation(Demonstrator &program)
{
    const QString data = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" ONDEL_DATA_FROM_BIN));
    program.setDataFolders({QFile::encodeName(data).toStdString()});
    QGuiApplication::setDesktopFileName(QStringLiteral(ONDEL_APP_ID ".") + QCoreApplication::applicationName());
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(ONDEL_APP_ID)));
}

} // namespace ondel
