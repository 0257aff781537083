// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ondel {

// Qt's own texts in Japanese, as everything else the teacher reads: the file
// dialogs, their overwrite question and "File not found". From the
// translations Qt is installed with; false, and English, where they are
// missing. Needs the application object.
bool installQtTranslations();

} // namespace ondel
