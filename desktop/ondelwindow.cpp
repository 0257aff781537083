// SPDX-License-Identifier: GPL-3.0-or-later
#include "ondelwindow.h"

#include "fonts.h"
#include "framecanvas.h"
#include "helpwindow.h"
#include "keydispatcher.h"
#include "lessonmenu.h"
#include "picturearea.h"
#include "savers.h"
#include "windowzoom.h"

#include "shell/window/help_text.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <map>

namespace ondel {

namespace {

QString text(const std::string &s) { return QString::fromStdString(s); }
QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A menu entry with the key that does the same, shown on its right.
QString withKey(const char *label, WindowCommand command)
{
    return QString::fromUtf8(label) + QLatin1Char('\t') + text(keyFor(command)->name);
}

} // namespace

OndelWindow::OndelWindow(std::unique_ptr<Demonstrator> program, QWidget *parent)
    : QWidget(parent), program_(std::move(program))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(windowCaption));
    setFont(controlFont(std::nullopt));
    const WindowLayout &layout = program_->layout();
    canvas_ = new FrameCanvas(this);
    canvas_->setObjectName(QStringLiteral("canvas"));
    zoom_ = std::make_unique<WindowZoom>(*this, QSize(layout.clientWidth, layout.clientHeight), *canvas_);
    buildControls();
    savers_ = new Savers(*this, *program_, picture_);
    auto *keys = new KeyDispatcher(*this, layout, [this](const KeyBinding &key) { obey(key); });
    keys->watchControls();
    buildMenu();

    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(program_->state().timerInterval);
    connect(&timer_, &QTimer::timeout, this, &OndelWindow::tick);
    timer_.start();
}

OndelWindow::~OndelWindow() = default;

void OndelWindow::buildControls()
{
    std::vector<const ControlSpec *> entries;
    for (const ControlSpec &entry : program_->layout().controls)
        entries.push_back(&entry);
    // Frames first, so that the controls inside them find their parent.
    std::stable_sort(entries.begin(), entries.end(), [](const ControlSpec *a, const ControlSpec *b) {
        return (a->kind == ControlKind::Frame) > (b->kind == ControlKind::Frame);
    });

    std::map<std::string, QWidget *> frames;
    std::vector<std::pair<int, QWidget *>> tabOrder;
    for (const ControlSpec *entry : entries) {
        QWidget *parent = entry->frame.empty() ? static_cast<QWidget *>(this) : frames.at(entry->frame);
        QWidget *widget = createControl(*entry, parent);
        if (entry->kind == ControlKind::Frame)
            frames[entry->name] = widget;
        widget->setObjectName(text(entry->name));
        zoom_->add(widget, *entry);
        if (entry->kind == ControlKind::Picture || entry->kind == ControlKind::Frame || entry->kind == ControlKind::Label)
            widget->setFocusPolicy(Qt::NoFocus);
        if (widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(entry->tabIndex, widget);
    }
    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

// One widget for one entry of the layout table, wired to its handler.
QWidget *OndelWindow::createControl(const ControlSpec &entry, QWidget *parent)
{
    using Creator = QWidget *(OndelWindow::*)(const ControlSpec &, QWidget *);
    static const std::map<ControlKind, Creator> creators{
        {ControlKind::Button, &OndelWindow::createButton},
        {ControlKind::Label, &OndelWindow::createLabel},
        {ControlKind::Frame, &OndelWindow::createFrame},
        {ControlKind::Option, &OndelWindow::createOption},
        {ControlKind::TextBox, &OndelWindow::createTextBox},
        {ControlKind::HScrollBar, &OndelWindow::createScrollBar},
        {ControlKind::VScrollBar, &OndelWindow::createScrollBar},
        {ControlKind::Picture, &OndelWindow::createPicture},
    };
    return (this->*creators.at(entry.kind))(entry, parent);
}

QWidget *OndelWindow::createButton(const ControlSpec &entry, QWidget *parent)
{
    auto *button = new QPushButton(parent); // its caption is set as the zoom wraps it
    button->setToolTip(text(controlHint(entry)));
    connect(button, &QPushButton::clicked, this, [this, action = entry.action] { perform(action); });
    return button;
}

QWidget *OndelWindow::createLabel(const ControlSpec &entry, QWidget *parent)
{
    return new QLabel(text(entry.caption), parent);
}

QWidget *OndelWindow::createFrame(const ControlSpec &entry, QWidget *parent)
{
    return new QGroupBox(text(entry.caption), parent);
}

QWidget *OndelWindow::createOption(const ControlSpec &entry, QWidget *parent)
{
    auto *option = new QRadioButton(text(entry.caption), parent);
    option->setChecked(entry.checked);
    connect(option, &QRadioButton::clicked, this, [this, action = entry.action] { perform(action); });
    return option;
}

QWidget *OndelWindow::createTextBox(const ControlSpec &entry, QWidget *parent)
{
    auto *edit = new QLineEdit(text(entry.caption), parent);
    if (entry.action == Action::PulseFileName)
        pulseFileBox_ = edit;
    connect(edit, &QLineEdit::textChanged, this, [this, action = entry.action](const QString &t) {
        program_->setText(action, t.toStdString());
        showOpenedPath();
    });
    return edit;
}

QWidget *OndelWindow::createScrollBar(const ControlSpec &entry, QWidget *parent)
{
    const bool horizontal = entry.kind == ControlKind::HScrollBar;
    auto *bar = new QScrollBar(horizontal ? Qt::Horizontal : Qt::Vertical, parent);
    bar->setRange(entry.range.minimum, entry.range.maximum);
    bar->setValue(entry.range.value);
    bar->setPageStep(scrollBarPageStep);
    // A tab stop like the buttons, so the speed can be set from the keyboard.
    bar->setFocusPolicy(Qt::StrongFocus);
    if (entry.action == Action::Speed)
        speedBar_ = bar;
    connect(bar, &QScrollBar::valueChanged, this, [this, action = entry.action](int value) {
        program_->setValue(action, value);
        syncFromProgram();
    });
    return bar;
}

QWidget *OndelWindow::createPicture(const ControlSpec &entry, QWidget *parent)
{
    picture_ = new PictureArea(controlFont(entry.font), parent);
    picture_->hide();
    return picture_;
}

void OndelWindow::clickControl(const QString &name)
{
    if (const ControlSpec *control = program_->layout().find(name.toStdString()))
        perform(control->action);
}

void OndelWindow::perform(Action action)
{
    program_->perform(action);
    syncFromProgram();
}

void OndelWindow::obey(const KeyBinding &key)
{
    if (const auto *action = std::get_if<Action>(&key.target))
        perform(*action);
    else
        command(std::get<WindowCommand>(key.target));
}

void OndelWindow::command(WindowCommand command)
{
    switch (command) {
    case WindowCommand::Help:
        toggleHelp();
        break;
    case WindowCommand::FullScreen:
        toggleFullScreen();
        break;
    case WindowCommand::OpenFile:
        choosePulseFile();
        break;
    case WindowCommand::Faster:
        stepSpeed(-1); // faster is a shorter interval
        break;
    case WindowCommand::Slower:
        stepSpeed(1);
        break;
    case WindowCommand::SavePulse:
        savers_->savePulse();
        break;
    case WindowCommand::SaveImage:
        savers_->saveImage();
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
    }
}

void OndelWindow::stepSpeed(int pages)
{
    if (speedBar_)
        speedBar_->setValue(speedBar_->value() + pages * speedBar_->pageStep());
}

void OndelWindow::buildMenu()
{
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("contextMenu"));
    menu_->addAction(withKey("全画面表示", WindowCommand::FullScreen), this, &OndelWindow::toggleFullScreen);
    const auto zoomEntry = [this](const char *label, WindowCommand zoom) {
        return menu_->addAction(withKey(label, zoom), this, [this, zoom] { command(zoom); });
    };
    QAction *larger = zoomEntry("拡大", WindowCommand::ZoomIn);
    QAction *smaller = zoomEntry("縮小", WindowCommand::ZoomOut);
    QAction *actualSize = zoomEntry("等倍 (100%)", WindowCommand::ZoomReset);
    connect(menu_, &QMenu::aboutToShow, this, [this, larger, smaller, actualSize] {
        larger->setEnabled(zoom_->canZoomIn());
        smaller->setEnabled(zoom_->canZoomOut());
        actualSize->setEnabled(zoom_->canZoomOut());
    });
    if (program_->loadsPulseFiles())
        menu_->addAction(withKey("ファイルを開く…", WindowCommand::OpenFile), this, &OndelWindow::choosePulseFile);
    if (program_->drawsPulse())
        menu_->addAction(withKey("パルスを保存…", WindowCommand::SavePulse), savers_, &Savers::savePulse);
    menu_->addAction(withKey("画像を保存…", WindowCommand::SaveImage), savers_, &Savers::saveImage);
    menu_->addAction(QStringLiteral("データを保存…"), savers_, &Savers::saveReadings);
    menu_->addAction(withKey("ヘルプ", WindowCommand::Help), this, &OndelWindow::showHelp);
    menu_->addAction(QStringLiteral("このプログラムについて"), this, &OndelWindow::showAbout);
    new LessonMenu(*program_, *menu_);
}

void OndelWindow::contextMenuEvent(QContextMenuEvent *event)
{
    menu_->popup(event->globalPos());
}

void OndelWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && isFullScreen())
        showNormal();
    else
        QWidget::keyPressEvent(event);
}

void OndelWindow::showHelp()
{
    if (!help_) {
        help_ = new HelpWindow(program_->description(), this);
        // The presenter's keys work the lesson while the help has the keyboard.
        auto *keys = new KeyDispatcher(*help_, program_->layout(), [this](const KeyBinding &key) { obey(key); });
        keys->watchControls();
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void OndelWindow::toggleHelp()
{
    if (help_ && help_->isVisible())
        help_->close();
    else
        showHelp();
}

void OndelWindow::showAbout()
{
    auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("このプログラムについて"),
                                text(aboutText(program_->description(), ONDEL_VERSION)), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("aboutBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void OndelWindow::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void OndelWindow::choosePulseFile()
{
    if (!program_->loadsPulseFiles())
        return;
    auto *dialog = new QFileDialog(this, QStringLiteral("パルスファイルを開く"), QString(),
                                   QStringLiteral("パルスデータ (*.csv);;すべてのファイル (*)"));
    dialog->setObjectName(QStringLiteral("openPulseDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this, &OndelWindow::openPulseFile);
    dialog->open(); // window-modal, does not block the event loop
}

void OndelWindow::openPulseFile(const QString &path)
{
    program_->openPulseFile(path.toStdString());
    if (pulseFileBox_) {
        // The box shows what the core now holds; its own edit handler would only echo it back.
        const QSignalBlocker quiet(pulseFileBox_);
        pulseFileBox_->setText(text(program_->inputs().pulseFileName));
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
    canvas_->setFrame(program_->frame().ops());
    syncFromProgram();
}

void OndelWindow::syncFromProgram()
{
    const WindowState &state = program_->state();
    if (picture_) {
        picture_->draw(program_->takePictureOps());
        picture_->setVisible(state.pictureVisible);
    }
    if (timer_.interval() != state.timerInterval)
        timer_.setInterval(state.timerInterval);
    if (auto message = program_->takeMessage()) {
        auto *box = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(windowCaption), text(*message),
                                    QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("messageBox"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open(); // window-modal, does not block the event loop
    }
}

void OndelWindow::resizeEvent(QResizeEvent *)
{
    zoom_->windowResized();
}

void OndelWindow::paintEvent(QPaintEvent *)
{
    // Seen only around a client area scaled to fill the screen.
    QPainter(this).fillRect(rect(), toQColor(colour::background));
}

} // namespace ondel
