// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonmenu.h"

#include "shell/window/demonstrator.h"
#include "shell/state/keys.h"

#include <QActionGroup>
#include <QMenu>

namespace ondel {

namespace {

QString text(const std::string &s) { return QString::fromStdString(s); }

// A checkable entry with the key that does the same, shown on its right.
QAction *toolEntry(QMenu &menu, const char *title, Action action, const char *objectName)
{
    const KeyBinding *key = keyFor(action);
    auto *entry = menu.addAction(QString::fromUtf8(title) + QLatin1Char('\t') +
                                 QString::fromUtf8(key->name.data(), static_cast<qsizetype>(key->name.size())));
    entry->setObjectName(QString::fromLatin1(objectName));
    entry->setCheckable(true);
    return entry;
}

// A submenu of exclusive choices, each carrying its value.
QActionGroup *choices(QMenu &menu, const char *title, const char *objectName, const std::vector<int> &values,
                      std::string (*caption)(int))
{
    QMenu *sub = menu.addMenu(QString::fromUtf8(title));
    sub->setObjectName(QString::fromLatin1(objectName));
    auto *group = new QActionGroup(sub);
    for (const int value : values) {
        QAction *entry = sub->addAction(text(caption(value)));
        entry->setCheckable(true);
        entry->setData(value);
        group->addAction(entry);
    }
    return group;
}

void check(QActionGroup &group, int value)
{
    for (QAction *entry : group.actions())
        entry->setChecked(entry->data().toInt() == value);
}

} // namespace

LessonMenu::LessonMenu(Demonstrator &program, QMenu &menu) : QObject(&menu), program_(program)
{
    menu.addSeparator();
    strobe_ = toolEntry(menu, strobeTitle, Action::ToggleStrobe, "strobeEntry");
    connect(strobe_, &QAction::triggered, this, [this] { program_.perform(Action::ToggleStrobe); });
    counts_ = choices(menu, strobeCountTitle, "strobeCountMenu", strobeCountChoices(), &strobeCountCaption);
    connect(counts_, &QActionGroup::triggered, this,
            [this](QAction *entry) { program_.setValue(Action::StrobeCount, entry->data().toInt()); });
    spacings_ = choices(menu, strobeSpacingTitle, "strobeSpacingMenu",
                        strobeSpacingChoices(program.description().lessons), &strobeSpacingCaption);
    connect(spacings_, &QActionGroup::triggered, this,
            [this](QAction *entry) { program_.setValue(Action::StrobeSpacing, entry->data().toInt()); });
    annotations_ = toolEntry(menu, annotationsTitle, Action::ToggleAnnotations, "annotationsEntry");
    connect(annotations_, &QAction::triggered, this, [this] { program_.perform(Action::ToggleAnnotations); });
    connect(&menu, &QMenu::aboutToShow, this, &LessonMenu::sync);
    sync();
}

void LessonMenu::sync()
{
    const LessonTools &tools = program_.lessonTools();
    strobe_->setChecked(tools.strobe);
    annotations_->setChecked(tools.annotations);
    check(*counts_, tools.strobeCount);
    check(*spacings_, tools.strobeSpacing);
}

} // namespace ondel
