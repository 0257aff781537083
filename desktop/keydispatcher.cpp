// SPDX-License-Identifier: GPL-3.0-or-later
#include "keydispatcher.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace ondel {

KeyDispatcher::KeyDispatcher(QWidget &window, const WindowLayout &layout, Handler handler)
    : QObject(&window), window_(window), layout_(layout), handler_(std::move(handler))
{
}

void KeyDispatcher::watchControls()
{
    window_.installEventFilter(this);
    for (QWidget *child : window_.findChildren<QWidget *>())
        if (child->window() == &window_)
            child->installEventFilter(this);
}

QString KeyDispatcher::keyName(const QKeyEvent &event)
{
    const int key = event.key();
    QString base;
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        base = QChar(key);
    else if (key == Qt::Key_Plus)
        base = QStringLiteral("+");
    else if (key == Qt::Key_Equal && event.modifiers() & Qt::ControlModifier)
        base = QStringLiteral("+"); // Ctrl+= zooms in where "+" needs Shift, as in a browser
    else if (key == Qt::Key_Minus)
        base = QStringLiteral("-");
    else if (key == Qt::Key_PageDown)
        base = QStringLiteral("Page Down");
    else if (key == Qt::Key_PageUp)
        base = QStringLiteral("Page Up");
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        base = QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
    else
        return {};
    // "+" needs Shift on most keyboards, and the keypad's keys count as the same.
    const Qt::KeyboardModifiers held = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (held == Qt::NoModifier)
        return base;
    if (held == Qt::ControlModifier)
        return QStringLiteral("Ctrl+") + base;
    return {};
}

bool KeyDispatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const KeyBinding *binding = findKey(keyName(static_cast<const QKeyEvent &>(*event)).toStdString());
    if (!binding || !keyApplies(*binding, layout_, Edition::Desktop))
        return false;
    const bool typing = qobject_cast<QLineEdit *>(watched) || qobject_cast<QLineEdit *>(window_.focusWidget());
    if (typing && typesText(*binding))
        return false;
    handler_(*binding);
    return true;
}

} // namespace ondel
