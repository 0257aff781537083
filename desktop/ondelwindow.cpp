// SPDX-License-Identifier: GPL-3.0-or-later
#include "ondelwindow.h"

#include "fonts.h"
#include "formbuilder.h"
#include "framecanvas.h"
#include "keydispatcher.h"
#include "lessonmenu.h"
#include "picturearea.h"
#include "savers.h"
#include "windowcommands.h"
#include "windowdialogs.h"
#include "windowzoom.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

namespace ondel {

OndelWindow::OndelWindow(std::unique_ptr<Demonstrator> program, QWidget *parent)
    : QWidget(parent), program_(std::move(program))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(windowCaption));
    setFont(controlFont(std::nullopt));
    const WindowLayout &layout = program_->layout();
    canvas_ = new FrameCanvas(this);
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvas_->setPointerHandler([this](FrameCanvas::PointerPhase phase, Point at, bool free) {
        bool taken = true;
        if (phase == FrameCanvas::PointerPhase::Down)
            taken = program_->pointerDown(at);
        else if (phase == FrameCanvas::PointerPhase::Move)
            program_->pointerMove(at, free);
        else
            program_->pointerUp();
        showFrame();
        return taken;
    });
    zoom_ = std::make_unique<WindowZoom>(*this, QSize(layout.clientWidth, layout.clientHeight), *canvas_);
    const FormBuilder::Built built =
        FormBuilder(
            *this, *program_, *zoom_, [this](Action action) { perform(action); }, [this] { syncFromProgram(); })
            .build();
    picture_ = built.picture;
    speedBar_ = built.speedBar;
    pulseFileBox_ = built.pulseFileBox;
    savers_ = new Savers(*this, *program_, picture_);
    dialogs_ = new WindowDialogs(*this, program_->description(), [this](const KeyBinding &key) { obey(key); });
    if (pulseFileBox_)
        connect(pulseFileBox_, &QLineEdit::textChanged, this, &OndelWindow::showOpenedPath);
    const WindowCommands::Now now{[this](WindowCommand c) { return canDo(c); },
                                  [this](WindowCommand c) {
                                      return (c == WindowCommand::FullScreen && isFullScreen()) ||
                                             (c == WindowCommand::Measure && program_->measure().shown);
                                  }};
    commands_ = new WindowCommands(*this, layout, now, [this](WindowCommand c) { command(c); });
    auto *keys = new KeyDispatcher(*this, layout, [this](const KeyBinding &key) { obey(key); });
    keys->watchControls();
    buildMenu();

    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(program_->state().timerInterval);
    connect(&timer_, &QTimer::timeout, this, &OndelWindow::tick);
    timer_.start();
}

OndelWindow::~OndelWindow() = default;

void OndelWindow::clickControl(const QString &name)
{
    if (const ControlSpec *control = program_->layout().find(name.toStdString()))
        perform(control->action);
}

void OndelWindow::perform(Action action)
{
    program_->perform(action);
    showFrame(); // the stopwatch's keys change the drawing at once
    syncFromProgram();
}

void OndelWindow::obey(const KeyBinding &key)
{
    if (const auto *action = std::get_if<Action>(&key.target))
        perform(*action);
    else
        commands_->trigger(std::get<WindowCommand>(key.target));
}

void OndelWindow::command(WindowCommand command)
{
    switch (command) {
    case WindowCommand::Faster:
        stepSpeed(-1); // faster is a shorter interval
        break;
    case WindowCommand::Slower:
        stepSpeed(1);
        break;
    case WindowCommand::OpenFile:
        dialogs_->choosePulseFile([this](const QString &path) { openPulseFile(path); });
        break;
    case WindowCommand::SavePulse:
        savers_->savePulse();
        break;
    case WindowCommand::SaveImage:
        savers_->saveImage();
        break;
    case WindowCommand::SaveMovie:
        savers_->saveMovie();
        break;
    case WindowCommand::SaveData:
        savers_->saveReadings();
        break;
    case WindowCommand::Help:
        dialogs_->toggleHelp();
        break;
    case WindowCommand::About:
        dialogs_->showAbout();
        break;
    case WindowCommand::FullScreen:
        toggleFullScreen();
        break;
    case WindowCommand::ZoomIn:
        zoom_->zoomIn();
        break;
    case WindowCommand::ZoomOut:
        zoom_->zoomOut();
        break;
    case WindowCommand::ZoomReset:
        zoom_->reset();
        break;
    case WindowCommand::Measure:
        program_->toggleMeasure();
        showFrame();
        break;
    }
}

bool OndelWindow::canDo(WindowCommand command) const
{
    switch (command) {
    case WindowCommand::ZoomIn:
        return zoom_->canZoomIn();
    case WindowCommand::ZoomOut:
    case WindowCommand::ZoomReset:
        return zoom_->canZoomOut();
    default:
        return true;
    }
}

void OndelWindow::stepSpeed(int pages)
{
    if (speedBar_)
        speedBar_->setValue(speedBar_->value() + pages * speedBar_->pageStep());
}

void OndelWindow::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void OndelWindow::buildMenu()
{
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("contextMenu"));
    commands_->addToMenu(*menu_);
    connect(menu_, &QMenu::aboutToShow, commands_, &WindowCommands::refresh);
    new LessonMenu(*program_, *menu_);
}

void OndelWindow::contextMenuEvent(QContextMenuEvent *event) { menu_->popup(event->globalPos()); }

void OndelWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && isFullScreen())
        showNormal();
    else
        QWidget::keyPressEvent(event);
}

void OndelWindow::openPulseFile(const QString &path)
{
    program_->openPulseFile(path.toStdString());
    if (pulseFileBox_) {
        // The box shows what the core now holds; its own edit handler would only echo it back.
        const QSignalBlocker quiet(pulseFileBox_);
        pulseFileBox_->setText(QString::fromStdString(program_->inputs().pulseFileName));
    }
    showOpenedPath();
    syncFromProgram();
}

// Which file "実行/再実行" reads, while the box names an opened one.
void OndelWindow::showOpenedPath()
{
    if (pulseFileBox_)
        pulseFileBox_->setToolTip(QFile::decodeName(program_->openedPulsePath().value_or(std::string()).c_str()));
}

void OndelWindow::tick()
{
    program_->nextFrame();
    showFrame();
    syncFromProgram();
}

void OndelWindow::showFrame() { canvas_->setFrame(program_->frame().ops()); }

void OndelWindow::syncFromProgram()
{
    const WindowState &state = program_->state();
    if (picture_) {
        picture_->draw(program_->takePictureOps());
        picture_->setVisible(state.pictureVisible);
    }
    if (timer_.interval() != state.timerInterval)
        timer_.setInterval(state.timerInterval);
    if (auto message = program_->takeMessage())
        dialogs_->warn(QString::fromStdString(*message));
}

void OndelWindow::resizeEvent(QResizeEvent *) { zoom_->windowResized(); }

void OndelWindow::paintEvent(QPaintEvent *)
{
    // Seen only around a client area scaled to fill the screen.
    QPainter(this).fillRect(rect(), toQColor(colour::background));
}

} // namespace ondel
