#include "ui/ProgramWindow.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/Profile.h"
#include "core/ProgramFile.h"
#include "core/Solver.h"
#include "platform/ErrorReport.h"
#include "platform/Fonts.h"
#include "ui/Controls.h"
#include "ui/FocusMarks.h"
#include "ui/ProgramEditor.h"
#include "ui/ProgramHost.h"

namespace trimerka {

namespace {

// An instant run executes commands for this long, then lets the windows draw and take input.
constexpr qint64 kSliceMilliseconds = 30;
// The window's width beside the main window: as wide as it likes when the screen allows, never narrower
// than the least.
constexpr int kPreferredWidth = 380;
constexpr int kLeastWidth = 260;

QString paceText(int milliseconds) {
    if (milliseconds == 0) {
        return QStringLiteral("мгновенно");
    }
    if (milliseconds % 1000 == 0) {
        return QStringLiteral("%1 с на шаг").arg(milliseconds / 1000);
    }
    return QStringLiteral("0,%1 с на шаг").arg(milliseconds / 100);
}

QString programFilter() {
    return QStringLiteral("Программа для исполнителя \"Тримерка\" (*.txt)");
}

} // namespace

ProgramWindow::ProgramWindow(Platform& platform, ProgramHost& host, QWidget* parent)
    : LazyDialog(parent), platform_(platform), host_(host) {
    setObjectName(QStringLiteral("programWindow"));
    setWindowTitle(QStringLiteral("Программа"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setFont(tahoma(11));
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ProgramWindow::runSlice);
    if (parent) {
        parent->installEventFilter(this);
    }
}

ProgramWindow::~ProgramWindow() = default;

void ProgramWindow::buildControls() {
    auto button = [this](const char* name, const QString& text, const QString& keys) {
        auto* made = new QPushButton(text, this);
        made->setObjectName(QLatin1String(name));
        made->setAutoDefault(false);
        if (!keys.isEmpty()) {
            made->setToolTip(text + QStringLiteral(" (") + keys + QLatin1Char(')'));
            made->setAccessibleDescription(QStringLiteral("Клавиша ") + keys);
        }
        return made;
    };
    openButton_ = button("openButton", QStringLiteral("Открыть…"), QStringLiteral("Ctrl+O"));
    saveButton_ = button("saveButton", QStringLiteral("Сохранить…"), QStringLiteral("Ctrl+S"));
    runButton_ = button("runButton", QStringLiteral("Пуск"), QStringLiteral("F9"));
    stepButton_ = button("stepButton", QStringLiteral("Шаг"), QStringLiteral("F8"));
    stopButton_ = button("stopButton", QStringLiteral("Стоп"), QStringLiteral("Esc"));

    auto* paceLabel = new QLabel(QStringLiteral("&Скорость:"), this);
    paceLabel->setObjectName(QStringLiteral("paceLabel"));
    paceChooser_ = new QComboBox(this);
    paceChooser_->setObjectName(QStringLiteral("paceChooser"));
    for (const int pace : kPaces) {
        paceChooser_->addItem(paceText(pace), pace);
    }
    paceChooser_->setCurrentIndex(paceChooser_->findData(kDefaultPace));
    paceLabel->setBuddy(paceChooser_);
    // A reader says the chooser's name before the pace it shows.
    paceChooser_->setAccessibleName(QStringLiteral("Скорость"));

    editor_ = new ProgramEditor(this);
    editor_->setObjectName(QStringLiteral("programText"));
    editor_->setAccessibleName(QStringLiteral("Программа"));
    editor_->setAccessibleDescription(
        QStringLiteral("Команды вида А - Б, циклы нц … кц, ветвления если … то … все; F9 — пуск, F8 — шаг"));
    editor_->setPlaceholderText(QStringLiteral("| например:\nнц пока Б <> 4\n  А - Б\n  …\nкц"));

    statusLine_ = new QLabel(this);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusLine_->setTextFormat(Qt::PlainText);
    statusLine_->setWordWrap(true);
    statusLine_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusLine_->setMinimumHeight(2 * statusLine_->fontMetrics().height() + 6);
    statusLine_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    statusLine_->setAccessibleDescription(QStringLiteral("Строка состояния"));

    layOutControls(paceLabel);
    connectControls();
    setState(RunState::Idle);
    setStatus(QStringLiteral("Напишите программу и нажмите «Пуск» (F9) или «Шаг» (F8)."));
    enableFocusMarks(*this);
}

void ProgramWindow::layOutControls(QLabel* paceLabel) {
    auto* files = new QHBoxLayout;
    files->addWidget(openButton_);
    files->addWidget(saveButton_);
    files->addStretch();
    auto* run = new QHBoxLayout;
    run->addWidget(runButton_);
    run->addWidget(stepButton_);
    run->addWidget(stopButton_);
    run->addStretch();
    auto* pace = new QHBoxLayout;
    pace->addWidget(paceLabel);
    pace->addWidget(paceChooser_);
    pace->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(files);
    layout->addLayout(run);
    layout->addLayout(pace);
    layout->addWidget(editor_, 1);
    layout->addWidget(statusLine_);

    setTabOrder(editor_, runButton_);
    setTabOrder(runButton_, stepButton_);
    setTabOrder(stepButton_, stopButton_);
    setTabOrder(stopButton_, paceChooser_);
    setTabOrder(paceChooser_, openButton_);
    setTabOrder(openButton_, saveButton_);
}

void ProgramWindow::connectControls() {
    connect(runButton_, &QPushButton::clicked, this, &ProgramWindow::runProgram);
    connect(stepButton_, &QPushButton::clicked, this, &ProgramWindow::stepProgram);
    connect(stopButton_, &QPushButton::clicked, this, &ProgramWindow::stopProgram);
    connect(openButton_, &QPushButton::clicked, this, &ProgramWindow::openProgram);
    connect(saveButton_, &QPushButton::clicked, this,
            [this] { guarded(platform_, this, [&] { saveProgram(); }); });
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
        // A mark (a syntax error, or where the last run stopped) goes as soon as the pupil edits the text.
        if (editor_->markedLine() != 0) {
            editor_->clearMark();
        }
    });

    // The keys work wherever the focus is in the window; a key whose button is unavailable does nothing.
    auto key = [this](const QKeySequence& sequence, QPushButton* target) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, [this, target] {
            showFocusMarks(*this);
            if (target->isEnabled()) {
                target->click();
            }
        });
        return shortcut;
    };
    key(QKeySequence(Qt::Key_F9), runButton_);
    key(QKeySequence(Qt::Key_F8), stepButton_);
    key(QKeySequence(Qt::CTRL | Qt::Key_S), saveButton_);
    key(QKeySequence(Qt::CTRL | Qt::Key_O), openButton_);
    // Esc stops a run; with nothing running it closes the window, as in every other window.
    stopKey_ = key(QKeySequence(Qt::Key_Escape), stopButton_);
}

void ProgramWindow::showBesideOwner() {
    ensureBuilt();
    if (!placed_) {
        placed_ = true;
        placeBesideOwner();
    }
    show();
    raise();
    activateWindow();
    editor_->setFocus(Qt::OtherFocusReason);
}

void ProgramWindow::placeBesideOwner() {
    QWidget* owner = parentWidget();
    if (owner == nullptr || owner->screen() == nullptr) {
        resize(kPreferredWidth, 480);
        return;
    }
    const QRect ownerFrame = owner->frameGeometry();
    const QRect area = owner->screen()->availableGeometry();
    // Before its first showing the window's frame is unknown; it is taken to be the owner's.
    const QSize frame(ownerFrame.width() - owner->width(), ownerFrame.height() - owner->height());
    const int roomRight = area.right() - ownerFrame.right();
    const int roomLeft = ownerFrame.left() - area.left();
    const int room = qMax(roomRight, roomLeft) - frame.width();
    const int width = qBound(kLeastWidth, room, kPreferredWidth);
    resize(width, owner->height());
    const int frameWidth = width + frame.width();
    int x = 0;
    if (frameWidth <= roomRight) {
        x = ownerFrame.right() + 1;
    } else if (frameWidth <= roomLeft) {
        x = ownerFrame.left() - frameWidth;
    } else {
        // No room beside it: at the screen's right edge, over a part of the main window.
        x = area.right() + 1 - frameWidth;
    }
    const int y =
        qBound(area.top(), ownerFrame.top(), qMax(area.top(), area.bottom() + 1 - ownerFrame.height()));
    move(x, y);
}

int ProgramWindow::pace() const {
    return paceChooser_->currentData().toInt();
}

void ProgramWindow::setStatus(const QString& text) {
    statusLine_->setText(text);
    // A screen reader says every change of the status line, the line being executed among them: a new
    // accessible name is announced.
    statusLine_->setAccessibleName(text);
}

void ProgramWindow::setState(RunState state) {
    const bool wasIdle = state_ == RunState::Idle;
    state_ = state;
    const bool idle = state == RunState::Idle;
    runButton_->setEnabled(state != RunState::Running);
    stepButton_->setEnabled(state != RunState::Running);
    stopButton_->setEnabled(!idle);
    openButton_->setEnabled(idle);
    editor_->setReadOnly(!idle);
    stopKey_->setEnabled(!idle);
    if (wasIdle != idle) {
        host_.setProgramRunning(!idle);
    }
}

bool ProgramWindow::readyToGo() {
    // A paused run goes on; an idle window first starts the program, as «Начать заново» starts a task.
    return state_ != RunState::Running && (state_ != RunState::Idle || startRun());
}

void ProgramWindow::runProgram() {
    guarded(platform_, this, [&] {
        if (!readyToGo()) {
            return;
        }
        setState(RunState::Running);
        runSlice();
    });
}

void ProgramWindow::stepProgram() {
    guarded(platform_, this, [&] {
        if (!readyToGo()) {
            return;
        }
        setState(RunState::Paused);
        if (!advance(true)) {
            return;
        }
        int next = run_->nextLine();
        if (next == 0) {
            // The run may have nothing left: the next command is looked for now, and kept for the next step.
            pending_ = run_->next(host_.vesselAmounts());
            if (!pending_) {
                endRun(run_->state() == ProgramRunState::Finished ? Ending::Finished : Ending::Limit);
                return;
            }
            next = pending_->line;
        }
        editor_->markLine(next, ProgramEditor::Mark::Next);
        setStatus(QStringLiteral("Выполнена строка %1. Дальше — строка %2: «Шаг» (F8) или «Пуск» (F9).")
                      .arg(lastLine_)
                      .arg(next));
    });
}

void ProgramWindow::stopProgram() {
    guarded(platform_, this, [&] {
        if (state_ != RunState::Idle) {
            endRun(Ending::Stopped);
        }
    });
}

void ProgramWindow::stopOnTaskReset() {
    guarded(platform_, this, [&] {
        if (state_ != RunState::Idle) {
            endRun(Ending::TaskReset);
        }
    });
}

bool ProgramWindow::startRun() {
    Program program;
    try {
        program = ParseProgram(editor_->toPlainText().toStdString());
    } catch (const ProgramSyntaxError& error) {
        editor_->moveCaretToLine(error.line());
        editor_->markLine(error.line(), ProgramEditor::Mark::Error);
        editor_->setFocus(Qt::OtherFocusReason);
        setStatus(QString::fromUtf8(error.what()));
        return false;
    }
    editor_->clearMark();
    if (program.empty()) {
        setStatus(QStringLiteral("В программе нет ни одной команды. Команда пишется так: А - Б."));
        return false;
    }
    if (!host_.taskOpen()) {
        setStatus(QStringLiteral("Откройте задание: программа выполняется на его сосудах."));
        return false;
    }
    if (!host_.restartTaskForProgram()) {
        setStatus(QStringLiteral("Задание не удалось прочитать заново, программа не запущена."));
        return false;
    }
    run_ = std::make_unique<ProgramRun>(std::move(program));
    pending_.reset();
    lastLine_ = 0;
    return true;
}

bool ProgramWindow::advance(bool shown) {
    std::optional<ProgramCommand> command;
    command.swap(pending_);
    if (!command) {
        command = run_->next(host_.vesselAmounts());
    }
    if (!command) {
        endRun(run_->state() == ProgramRunState::Finished ? Ending::Finished : Ending::Limit);
        return false;
    }
    lastLine_ = command->line;
    if (shown) {
        showExecutingLine();
    }
    if (host_.executeAsPupil(command->command)) {
        endRun(Ending::TargetsReached);
        return false;
    }
    return state_ != RunState::Idle;
}

void ProgramWindow::showExecutingLine() {
    editor_->markLine(lastLine_, ProgramEditor::Mark::Executing);
    setStatus(QStringLiteral("Выполняется строка %1").arg(lastLine_));
}

void ProgramWindow::runSlice() {
    guarded(platform_, this, [&] {
        if (state_ != RunState::Running) {
            return;
        }
        if (pace() == 0) {
            QElapsedTimer clock;
            clock.start();
            // The lines of an instant run are shown once a slice: nobody could follow them one by one.
            while (advance(false)) {
                if (clock.elapsed() >= kSliceMilliseconds) {
                    showExecutingLine();
                    break;
                }
            }
        } else {
            advance(true);
        }
        if (state_ == RunState::Running) {
            timer_.start(pace());
        }
    });
    if (state_ == RunState::Running && !timer_.isActive()) {
        // An error ended the slice and was reported; the run does not go on by itself.
        endRun(Ending::Stopped);
    }
}

void ProgramWindow::endRun(Ending ending) {
    timer_.stop();
    pending_.reset();
    const int count = run_ ? run_->commandCount() : 0;
    const int stopLine = lastLine_ != 0 ? lastLine_ : (run_ ? run_->nextLine() : 0);
    QString text;
    switch (ending) {
    case Ending::Finished:
        editor_->clearMark();
        text =
            QStringLiteral("Программа выполнена до конца: ") + fromStd(StepsText(count)) + QLatin1Char('.');
        break;
    case Ending::Stopped:
        editor_->markLine(stopLine, ProgramEditor::Mark::Executing);
        text = QStringLiteral("Программа остановлена кнопкой «Стоп» на строке %1; сделано ").arg(stopLine) +
               fromStd(StepsText(count)) + QLatin1Char('.');
        break;
    case Ending::TargetsReached:
        editor_->markLine(lastLine_, ProgramEditor::Mark::Executing);
        text = QStringLiteral("Цель достигнута на шаге %1 — задание выполнено.").arg(count);
        break;
    case Ending::Limit: {
        const int line = run_->nextLine() != 0 ? run_->nextLine() : stopLine;
        editor_->markLine(line, ProgramEditor::Mark::Error);
        text = fromStd(ProgramLimitText(run_->state(), line));
        break;
    }
    case Ending::TaskReset:
        editor_->clearMark();
        text = QStringLiteral("Программа прервана: задание открыто, начато заново или закрыто.");
        break;
    case Ending::WindowClosed:
        editor_->clearMark();
        text = QStringLiteral("Программа прервана: окно «Программа» было закрыто.");
        break;
    }
    run_.reset();
    setState(RunState::Idle);
    setStatus(text);
}

void ProgramWindow::hideEvent(QHideEvent* event) {
    // Closing the window stops the program.
    guarded(platform_, this, [&] {
        if (state_ != RunState::Idle) {
            endRun(Ending::WindowClosed);
        }
    });
    LazyDialog::hideEvent(event);
}

QWidget* ProgramWindow::dialogParent() {
    return isVisible() || parentWidget() == nullptr ? static_cast<QWidget*>(this) : parentWidget();
}

bool ProgramWindow::saveProgram() {
    FileDialogRequest request;
    request.title = QStringLiteral("Сохранить программу");
    request.filter = programFilter();
    request.defaultSuffix = QStringLiteral("txt");
    request.directory = folder_.isEmpty() ? platform_.saveFolder() : folder_;
    request.fileName = fileName_.isEmpty() ? QStringLiteral("Программа.txt") : fileName_;
    const std::optional<QString> chosen = platform_.saveFileName(dialogParent(), request);
    if (!chosen) {
        return false;
    }
    std::string text = editor_->toPlainText().toStdString();
    if (!text.empty() && text.back() != '\n') {
        text += '\n';
    }
    const QFileInfo file(*chosen);
    try {
        ReplaceFileContent(toFilePath(*chosen), text);
    } catch (const Error&) {
        reportError(platform_, dialogParent(),
                    QStringLiteral("Программу не удалось записать в файл «%1»").arg(file.fileName()));
        return false;
    }
    editor_->document()->setModified(false);
    folder_ = file.absolutePath();
    fileName_ = file.fileName();
    setStatus(QStringLiteral("Программа сохранена в файл «%1».").arg(fileName_));
    return true;
}

void ProgramWindow::openProgram() {
    guarded(platform_, this, [&] {
        if (state_ != RunState::Idle || !unsavedTextMayGo()) {
            return;
        }
        FileDialogRequest request;
        request.title = QStringLiteral("Открыть программу");
        request.filter = programFilter();
        request.defaultSuffix = QStringLiteral("txt");
        request.directory = folder_.isEmpty() ? platform_.saveFolder() : folder_;
        const std::optional<QString> chosen = platform_.openFileName(this, request);
        if (!chosen) {
            return;
        }
        // A file that is refused leaves the text as it was.
        const std::string text = ReadProgramFile(toFilePath(*chosen));
        const QFileInfo file(*chosen);
        editor_->setPlainText(fromStd(text));
        editor_->document()->setModified(false);
        editor_->clearMark();
        folder_ = file.absolutePath();
        fileName_ = file.fileName();
        setStatus(QStringLiteral("Открыт файл «%1».").arg(fileName_));
    });
}

bool ProgramWindow::unsavedTextMayGo() {
    if (!isBuilt() || !editor_->document()->isModified() || editor_->toPlainText().trimmed().isEmpty()) {
        return true;
    }
    switch (platform_.askToSave(dialogParent(), QStringLiteral("Программа не сохранена"),
                                QStringLiteral("Сохранить программу в файл?"))) {
    case SaveAnswer::Save:
        return saveProgram();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool ProgramWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Close) {
        bool mayClose = true;
        guarded(platform_, dialogParent(), [&] { mayClose = unsavedTextMayGo(); });
        if (!mayClose) {
            event->ignore();
            return true;
        }
    }
    return LazyDialog::eventFilter(watched, event);
}

} // namespace trimerka
