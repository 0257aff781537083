// SPDX-License-Identifier: GPL-3.0-or-later
#include "formbuilder.h"

#include "fonts.h"
#include "picturearea.h"
#include "windowzoom.h"

#include "shell/window/help_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <map>

namespace ondel {

namespace {

QString text(const std::string &s) { return QString::fromStdString(s); }

} // namespace

FormBuilder::FormBuilder(QWidget &window, Demonstrator &program, WindowZoom &zoom, std::function<void(Action)> perform,
                         std::function<void()> changed)
    : window_(window), program_(program), zoom_(zoom), perform_(std::move(perform)), changed_(std::move(changed))
{
}

FormBuilder::Built FormBuilder::build()
{
    std::vector<const ControlSpec *> entries;
    for (const ControlSpec &entry : program_.layout().controls)
        entries.push_back(&entry);
    // Frames first, so that the controls inside them find their parent.
    std::stable_sort(entries.begin(), entries.end(), [](const ControlSpec *a, const ControlSpec *b) {
        return (a->kind == ControlKind::Frame) > (b->kind == ControlKind::Frame);
    });

    std::map<std::string, QWidget *> frames;
    std::vector<std::pair<int, QWidget *>> tabOrder;
    for (const ControlSpec *entry : entries) {
        QWidget *parent = entry->frame.empty() ? &window_ : frames.at(entry->frame);
        QWidget *widget = createControl(*entry, parent);
        if (entry->kind == ControlKind::Frame)
            frames[entry->name] = widget;
        widget->setObjectName(text(entry->name));
        zoom_.add(widget, *entry);
        if (entry->kind == ControlKind::Picture || entry->kind == ControlKind::Frame ||
            entry->kind == ControlKind::Label)
            widget->setFocusPolicy(Qt::NoFocus);
        if (widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(entry->tabIndex, widget);
    }
    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    return built_;
}

// One widget for one entry of the layout table, wired to its handler.
QWidget *FormBuilder::createControl(const ControlSpec &entry, QWidget *parent)
{
    using Creator = QWidget *(FormBuilder::*)(const ControlSpec &, QWidget *);
    static const std::map<ControlKind, Creator> creators{
        {ControlKind::Button, &FormBuilder::createButton},
        {ControlKind::Label, &FormBuilder::createLabel},
        {ControlKind::Frame, &FormBuilder::createFrame},
        {ControlKind::Option, &FormBuilder::createOption},
        {ControlKind::TextBox, &FormBuilder::createTextBox},
        {ControlKind::HScrollBar, &FormBuilder::createScrollBar},
        {ControlKind::VScrollBar, &FormBuilder::createScrollBar},
        {ControlKind::Picture, &FormBuilder::createPicture},
    };
    return (this->*creators.at(entry.kind))(entry, parent);
}

QWidget *FormBuilder::createButton(const ControlSpec &entry, QWidget *parent)
{
    auto *button = new QPushButton(parent); // its caption is set as the zoom wraps it
    button->setToolTip(text(controlHint(entry)));
    QObject::connect(button, &QPushButton::clicked, &window_,
                     [perform = perform_, action = entry.action] { perform(action); });
    return button;
}

QWidget *FormBuilder::createLabel(const ControlSpec &entry, QWidget *parent)
{
    return new QLabel(text(entry.caption), parent);
}

QWidget *FormBuilder::createFrame(const ControlSpec &entry, QWidget *parent)
{
    return new QGroupBox(text(entry.caption), parent);
}

QWidget *FormBuilder::createOption(const ControlSpec &entry, QWidget *parent)
{
    auto *option = new QRadioButton(text(entry.caption), parent);
    option->setChecked(entry.checked);
    QObject::connect(option, &QRadioButton::clicked, &window_,
                     [perform = perform_, action = entry.action] { perform(action); });
    return option;
}

QWidget *FormBuilder::createTextBox(const ControlSpec &entry, QWidget *parent)
{
    auto *edit = new QLineEdit(text(entry.caption), parent);
    if (entry.action == Action::PulseFileName)
        built_.pulseFileBox = edit;
    QObject::connect(
        edit, &QLineEdit::textChanged, &window_,
        [&program = program_, action = entry.action](const QString &t) { program.setText(action, t.toStdString()); });
    return edit;
}

QWidget *FormBuilder::createScrollBar(const ControlSpec &entry, QWidget *parent)
{
    const bool horizontal = entry.kind == ControlKind::HScrollBar;
    auto *bar = new QScrollBar(horizontal ? Qt::Horizontal : Qt::Vertical, parent);
    bar->setRange(entry.range.minimum, entry.range.maximum);
    bar->setValue(entry.range.value);
    // A tab stop like the buttons, so the speed can be set from the keyboard.
    bar->setFocusPolicy(Qt::StrongFocus);
    if (entry.action == Action::Speed)
        built_.speedBar = bar;
    QObject::connect(bar, &QScrollBar::valueChanged, &window_,
                     [&program = program_, changed = changed_, action = entry.action](int value) {
                         program.setValue(action, value);
                         changed();
                     });
    return bar;
}

QWidget *FormBuilder::createPicture(const ControlSpec &entry, QWidget *parent)
{
    built_.picture = new PictureArea(controlFont(entry.font), parent);
    built_.picture->hide();
    return built_.picture;
}

} // namespace ondel
