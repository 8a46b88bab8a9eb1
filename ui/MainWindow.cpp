#include "ui/MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "core/CommandBuilder.h"
#include "core/ExecutorTask.h"
#include "core/TaskFile.h"
#include "platform/ErrorReport.h"
#include "platform/Fonts.h"
#include "ui/CompletedWindow.h"
#include "ui/Controls.h"
#include "ui/Panels.h"
#include "ui/TargetStateWindow.h"
#include "ui/VesselView.h"
#include "widgets/CellGrid.h"

namespace trimerka {

namespace {

const QString kStatementPlaceholder = QStringLiteral("Формулировка задания .....");
const QString kNoCaption = QStringLiteral("-/-");
const QString kDefaultTitles[kVesselCount] = {
    QStringLiteral("Общее название столбиков|Название столбика 1"),
    QStringLiteral("Общее название столбиков|Название столбика 2"),
    QStringLiteral("Общее название столбиков|Название столбика 3"),
};

QIcon icon(const char* name) {
    return pictureIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

} // namespace

MainWindow::MainWindow(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Исполнитель \"Тримерка\""));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(tahoma(11));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setBackground(client, palette().color(QPalette::Button));
    setCentralWidget(client);

    createToolbar(client);
    createVessels(client);

    statement_ = new QPlainTextEdit(client);
    statement_->setObjectName(QStringLiteral("fz"));
    statement_->setGeometry(384, 64, 320, 185);
    setUpStatementMemo(statement_);
    setTextPoints(kMinTextPoints);

    enlargeButton_ = new QToolButton(client);
    enlargeButton_->setObjectName(QStringLiteral("SpeedButton2"));
    enlargeButton_->setText(QStringLiteral("+"));
    enlargeButton_->setGeometry(646, 40, 23, 22);
    shrinkButton_ = new QToolButton(client);
    shrinkButton_->setObjectName(QStringLiteral("SpeedButton1"));
    shrinkButton_->setText(QStringLiteral("-"));
    shrinkButton_->setGeometry(675, 40, 23, 22);
    for (auto* button : {shrinkButton_, enlargeButton_}) {
        button->setFont(tahoma(11));
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(enlargeButton_, &QToolButton::clicked, this, &MainWindow::enlargeText);
    connect(shrinkButton_, &QToolButton::clicked, this, &MainWindow::shrinkText);

    commandPanel_ = new SunkenLabel(client);
    commandPanel_->setObjectName(QStringLiteral("kmd"));
    commandPanel_->setGeometry(393, 255, 142, 43);
    commandPanel_->setAlignment(Qt::AlignCenter);
    commandPanel_->setFont(tahoma(32, true));
    setBackground(commandPanel_, toQColor(15973012));
    setPanel(QString::fromUtf8(kEmptyPanel));

    executeButton_ =
        makeButton(client, "vipolnit", QStringLiteral("Выполнить"), QRect(541, 255, 157, 43), true);
    connect(executeButton_, &QPushButton::clicked, this, &MainWindow::executeCommand);

    stepLog_ = new CellGrid(platform_, client);
    stepLog_->setObjectName(QStringLiteral("ng"));
    stepLog_->setGeometry(8, 306, 696, 133);
    configureStepLog();

    auto* Panel9 = new SunkenLabel(client);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setGeometry(0, 443, kClientWidth, 17);
    pathLabel_ = new QLabel(Panel9);
    pathLabel_->setObjectName(QStringLiteral("put_tmk"));
    pathLabel_->setFont(tahoma(11));
    // A path is shown as it stands, never read as markup.
    pathLabel_->setTextFormat(Qt::PlainText);
    pathLabel_->setGeometry(5, 2, kClientWidth - 10, 13);

    createMenu();
    setUpKeyboard();
    setUpAccessibleNames();
    // The window is exactly the client area plus the menu bar, and the user cannot resize it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    createControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::createToolbar(QWidget* client) {
    toolbar_ = new QWidget(client);
    toolbar_->setObjectName(QStringLiteral("Panel2"));
    toolbar_->setGeometry(0, 0, kClientWidth, 34);
    setBackground(toolbar_, toQColor(14342874));

    auto* Bevel1 = new EtchedLine(toolbar_);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(0, 0, kClientWidth, 2);
    auto* Bevel6 = new EtchedLine(toolbar_);
    Bevel6->setObjectName(QStringLiteral("Bevel6"));
    Bevel6->setGeometry(0, 32, kClientWidth, 2);

    struct ToolbarButton {
        QToolButton** button;
        const char* name;
        int left;
        int width;
        const char* caption;
        bool bold;
        void (MainWindow::*handler)();
    };
    const ToolbarButton toolbar[] = {
        {&openButton_, "vz", 1, 129, "Выбор задания", true, &MainWindow::openTask},
        {&targetStateButton_, "cnz", 130, 153, "Что нужно сделать", true, &MainWindow::showTargetState},
        {&restartButton_, "sz", 283, 128, "Начать заново", true, &MainWindow::restartTask},
        {&closeTaskButton_, "zz", 411, 142, "Закрыть задание", true, &MainWindow::closeTask},
        {&aboutButton_, "help", 612, 30, "", false, &MainWindow::showAbout},
        {&exitButton_, "CloseProg", 642, 71, "Выход", false, &MainWindow::exitProgram},
    };
    for (const auto& entry : toolbar) {
        auto* button = new QToolButton(toolbar_);
        button->setObjectName(QLatin1String(entry.name));
        button->setGeometry(entry.left, 2, entry.width, 30);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIcon(icon(entry.name));
        button->setIconSize(QSize(16, 16));
        button->setFont(tahoma(11, entry.bold));
        const QString caption = QString::fromUtf8(entry.caption);
        button->setText(caption);
        button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
        connect(button, &QToolButton::clicked, this, entry.handler);
        *entry.button = button;
    }
    toolbar_->installEventFilter(this);
}

void MainWindow::createVessels(QWidget* client) {
    static constexpr int kLeft[kVesselCount] = {24, 144, 264};
    using Click = void (MainWindow::*)(bool);
    static constexpr Click kClicks[kVesselCount] = {&MainWindow::vesselAToggled, &MainWindow::vesselBToggled,
                                                    &MainWindow::vesselVToggled};

    for (int v = 0; v < kVesselCount; ++v) {
        const VesselColumn column = makeVesselColumn(client, v, QPoint(kLeft[v], 45), kNoCaption);
        captions_[v] = column.caption;
        views_[v] = column.view;
        if (v == VesselA) {
            unlimitedArrow_ = column.arrows.unlimited;
            pourBackArrow_ = column.arrows.pourBack;
        }
        QPushButton* button = column.button;
        button->setCheckable(true);
        // Only the pupil's clicks compose a command; a release by the program emits no click.
        connect(button, &QPushButton::clicked, this, kClicks[v]);
        vesselButtons_[v] = button;
    }
    makeCaption(client, "Label13", QStringLiteral("Формулировка задания:"), 385, 45, true);
}

void MainWindow::createMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setFont(tahoma(11));

    auto addItem = [](QMenu* menu, const char* name, const QString& text, const QIcon& itemIcon) {
        QAction* action = menu->addAction(itemIcon, text);
        action->setObjectName(QLatin1String(name));
        action->setIconVisibleInMenu(true);
        return action;
    };
    auto asButton = [this](QAction* action, QAbstractButton* button) {
        connect(action, &QAction::triggered, this, [button] { pressButton(button); });
    };

    QMenu* fileMenu = bar->addMenu(QStringLiteral("Файл"));
    fileMenu->setObjectName(QStringLiteral("N1"));
    exitAction_ = addItem(fileMenu, "N2", QStringLiteral("Выход"), icon("CloseProg"));
    asButton(exitAction_, exitButton_);

    taskMenu_ = bar->addMenu(QStringLiteral("Задание"));
    taskMenu_->setObjectName(QStringLiteral("N3"));
    openAction_ = addItem(taskMenu_, "N6", QStringLiteral("Выбор задания"), icon("vz"));
    targetStateAction_ = addItem(taskMenu_, "N5", QStringLiteral("Что нужно сделать"), icon("cnz"));
    restartAction_ = addItem(taskMenu_, "N11", QStringLiteral("Начать задание заново"), icon("sz"));
    closeTaskAction_ = addItem(taskMenu_, "N10", QStringLiteral("Закрыть задание"), icon("zz"));
    programAction_ = addItem(taskMenu_, "programItem", QStringLiteral("Программа…"), QIcon());
    taskMenu_->addSeparator()->setObjectName(QStringLiteral("N8"));
    enlargeAction_ = addItem(taskMenu_, "N12", QStringLiteral("Увеличить размер текста"), QIcon());
    shrinkAction_ = addItem(taskMenu_, "N13", QStringLiteral("Уменьшить размер текста"), QIcon());
    taskMenu_->addSeparator()->setObjectName(QStringLiteral("N14"));
    constructorAction_ = addItem(taskMenu_, "N4", QStringLiteral("Конструктор заданий"), icon("constructor"));
    asButton(openAction_, openButton_);
    asButton(targetStateAction_, targetStateButton_);
    asButton(restartAction_, restartButton_);
    asButton(closeTaskAction_, closeTaskButton_);
    asButton(enlargeAction_, enlargeButton_);
    asButton(shrinkAction_, shrinkButton_);
    connect(constructorAction_, &QAction::triggered, this, &MainWindow::showConstructor);
    connect(programAction_, &QAction::triggered, this, &MainWindow::showProgramWindow);
    connect(taskMenu_, &QMenu::aboutToShow, this, &MainWindow::updateTaskMenu);

    QMenu* helpMenu = bar->addMenu(QStringLiteral("Справка"));
    helpMenu->setObjectName(QStringLiteral("N7"));
    aboutAction_ = addItem(helpMenu, "N9", QStringLiteral("О программе"), icon("help"));
    asButton(aboutAction_, aboutButton_);

    for (QMenu* menu : {fileMenu, taskMenu_, helpMenu}) {
        menu->setFont(tahoma(11));
    }
}

void MainWindow::setWindows(QDialog* constructor, QDialog* about, CompletedWindow* completed,
                            TargetStateWindow* targetState) {
    constructor_ = constructor;
    about_ = about;
    completed_ = completed;
    targetState_ = targetState;
    if (completed_) {
        completed_->setStepCounter([this] { return stepLog_->rowCount(); });
    }
}

void MainWindow::createControls() {
    resetToNoTask();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == toolbar_ && event->type() == QEvent::Resize) {
        placeRightToolbarButtons();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::placeRightToolbarButtons() {
    guarded(platform_, this, [&] {
        exitButton_->move(toolbar_->width() - exitButton_->width() - 1, exitButton_->y());
        aboutButton_->move(exitButton_->x() - aboutButton_->width(), aboutButton_->y());
    });
}

void MainWindow::pressButton(QAbstractButton* button) {
    const QPointF corner(0, 0);
    const QPointF global = button->mapToGlobal(corner);
    QMouseEvent press(QEvent::MouseButtonPress, corner, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(button, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, corner, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(button, &release);
}

void MainWindow::updateTaskMenu() {
    guarded(platform_, this, [&] {
        targetStateAction_->setEnabled(targetStateButton_->isVisibleTo(toolbar_));
        constructorAction_->setEnabled(!targetStateButton_->isVisibleTo(toolbar_));
        closeTaskAction_->setEnabled(closeTaskButton_->isVisibleTo(toolbar_));
        restartAction_->setEnabled(restartButton_->isVisibleTo(toolbar_));
        programAction_->setEnabled(taskOpen());
        enlargeAction_->setEnabled(enlargeButton_->isEnabled());
        shrinkAction_->setEnabled(shrinkButton_->isEnabled());
    });
}

void MainWindow::configureStepLog() {
    const QColor cellColor = toQColor(16771545);
    stepLog_->setColor(cellColor);
    stepLog_->setAlternateColor(toQColor(14019327));
    stepLog_->setGridColor(toQColor(64));
    stepLog_->setSelectionColor(toQColor(12451514));
    stepLog_->setFont(tahoma(11, true));
    stepLog_->setHeaderFont(tahoma(11));
    stepLog_->setGutterFont(tahoma(11));
    stepLog_->setFooterFont(tahoma(11));
    stepLog_->setColumnCount(4);
    for (int c = 0; c < stepLog_->columnCount(); ++c) {
        CellColumn& column = stepLog_->columns()[c];
        column.setWidth(160);
        column.setHorizontalAlignment(HorizontalAlignment::Center);
        column.setResizable(false);
        column.setReadOnly(true);
        column.setColor(cellColor);
    }
    stepLog_->columns()[0].setTitle(QStringLiteral("Команда"));
    stepLog_->setHeaderLines(2);
    stepLog_->setGutterContent(GutterContent::Numbers);
    stepLog_->setShowFooter(false);
    stepLog_->setReadOnly(true);
    // The Tab key skips the step log.
    stepLog_->setFocusPolicy(Qt::ClickFocus);
    stepLog_->setRowCount(0);
    connect(stepLog_, &CellGrid::clicked, this, &MainWindow::stepLogClicked);
    connect(stepLog_, &CellGrid::keyPressed, this, &MainWindow::stepLogKeyPressed);
}

void MainWindow::selectCurrentRow() {
    const int row = stepLog_->currentRow();
    stepLog_->setSelection(CellRange{0, row, stepLog_->columnCount() - 1, row});
}

void MainWindow::stepLogClicked() {
    guarded(platform_, this, [&] { selectCurrentRow(); });
}

void MainWindow::stepLogKeyPressed(int key, Qt::KeyboardModifiers) {
    guarded(platform_, this, [&] {
        switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            selectCurrentRow();
            break;
        default:
            break;
        }
    });
}

void MainWindow::showConstructor() {
    guarded(platform_, this, [&] {
        if (constructor_) {
            platform_.showModal(*constructor_);
        }
    });
}

void MainWindow::setTextPoints(int points) {
    textPoints_ = points;
    statement_->setFont(tahoma(pointsToPixels(points)));
}

void MainWindow::enlargeText() {
    guarded(platform_, this, [&] { setTextPoints(stepStatementPoints(textPoints_, +1)); });
}

void MainWindow::shrinkText() {
    guarded(platform_, this, [&] { setTextPoints(stepStatementPoints(textPoints_, -1)); });
}

void MainWindow::toggleVessel(int vessel, bool pressed) {
    guarded(platform_, this, [&] {
        CommandBuilderState state;
        for (int v = 0; v < kVesselCount; ++v) {
            state.pressed[v] = vesselButtons_[v]->isChecked();
        }
        state.pressed[vessel] = pressed;
        state.panel = commandPanel_->text().toStdString();
        state.executeEnabled = executeButton_->isEnabled();
        ToggleVessel(state, vessel, pressed);
        for (int v = 0; v < kVesselCount; ++v) {
            vesselButtons_[v]->setChecked(state.pressed[v]);
        }
        setPanel(fromStd(state.panel));
        executeButton_->setEnabled(state.executeEnabled);
    });
}

void MainWindow::vesselAToggled(bool pressed) {
    toggleVessel(VesselA, pressed);
}

void MainWindow::vesselBToggled(bool pressed) {
    toggleVessel(VesselB, pressed);
}

void MainWindow::vesselVToggled(bool pressed) {
    toggleVessel(VesselV, pressed);
}

void MainWindow::executeCommand() {
    // A step cannot fail: the panel holds a command or nothing, and a pour only moves amounts within limits.
    ExecuteStep(*this, targetText_, solutionControl_);
}

void MainWindow::showAbout() {
    guarded(platform_, this, [&] {
        if (about_) {
            platform_.showModal(*about_);
        }
    });
}

void MainWindow::exitProgram() {
    guarded(platform_, this, [&] { close(); });
}

// StepHost

std::string MainWindow::panelText() const {
    return commandPanel_->text().toStdString();
}

void MainWindow::setPanelText(const std::string& text) {
    setPanel(fromStd(text));
}

void MainWindow::disableExecute() {
    executeButton_->setEnabled(false);
}

int MainWindow::appendRow() {
    stepLog_->setRowCount(stepLog_->rowCount() + 1);
    const int row = stepLog_->rowCount() - 1;
    stepLog_->setCurrentRow(row);
    // The grid's setters never scroll; the pupil sees each new row whole, the winning one too.
    stepLog_->ensureVisible(stepLog_->currentColumn(), row);
    return row;
}

void MainWindow::setCell(int row, int column, const std::string& text) {
    stepLog_->setCellText(column, row, fromStd(text));
}

VesselState MainWindow::vesselState() const {
    VesselState state;
    for (int v = 0; v < kVesselCount; ++v) {
        state.amount[v] = views_[v]->amount();
        state.capacity[v] = views_[v]->capacity();
    }
    state.unlimitedSource = unlimitedSource_;
    state.pourBackAllowed = pourBackAllowed_;
    return state;
}

void MainWindow::setAmount(int vessel, int amount) {
    views_[vessel]->setAmount(amount);
}

void MainWindow::setCaption(int vessel, const std::string& caption) {
    setCaptionText(vessel, fromStd(caption));
}

void MainWindow::setCaptionText(int vessel, const QString& caption) {
    // The caption grows to the right from its left edge.
    QLabel* label = captions_[vessel];
    label->setText(caption);
    label->resize(label->sizeHint().width(), 13);
}

void MainWindow::releaseVesselButtons() {
    for (auto* button : vesselButtons_) {
        button->setChecked(false);
    }
}

int MainWindow::stepCount() const {
    return stepLog_->rowCount();
}

void MainWindow::showCompleted(int) {
    completedShown_ = true;
    if (completed_) {
        platform_.showModal(*completed_);
    }
}

// Program control

bool MainWindow::taskOpen() const {
    return !targetStateButton_->isHidden();
}

bool MainWindow::restartTaskForProgram() {
    restartTask();
    return taskOpen();
}

std::array<int, kVesselCount> MainWindow::vesselAmounts() const {
    return vesselState().amount;
}

bool MainWindow::executeAsPupil(const PourCommand& command) {
    completedShown_ = false;
    setPanel(fromStd(command.text()));
    executeCommand();
    return completedShown_;
}

void MainWindow::setProgramRunning(bool running) {
    for (auto* button : vesselButtons_) {
        button->setEnabled(taskOpen() && !running);
    }
    if (running) {
        executeButton_->setEnabled(false);
    }
}

void MainWindow::showProgramWindow() {
    guarded(platform_, this, [&] {
        if (taskOpen()) {
            emit programWindowRequested();
        }
    });
}

// Task lifecycle

void MainWindow::resetToNoTask() {
    emit taskReset();
    for (int v = 0; v < kVesselCount; ++v) {
        VesselView* view = views_[v];
        view->setCapacity(99);
        view->setAmount(99);
        view->setBarHeight(VesselView::kAreaHeight);
        view->setFillColor(toQColor(kDefaultFillColor));
        view->setEmptyColor(toQColor(kDefaultEmptyColor));
        setCaptionText(v, kNoCaption);
        vesselButtons_[v]->setEnabled(false);
        vesselButtons_[v]->setChecked(false);
    }
    setPanel(QString::fromUtf8(kEmptyPanel));
    targetText_ = {"-", "-", "-"};
    statement_->setPlainText(kStatementPlaceholder);
    stepLog_->setRowCount(0);
    for (int v = 0; v < kVesselCount; ++v) {
        stepLog_->columns()[v + 1].setTitle(kDefaultTitles[v]);
    }
    pourBackArrow_->hide();
    unlimitedArrow_->hide();
    executeButton_->setEnabled(false);
    targetStateButton_->hide();
    closeTaskButton_->hide();
    restartButton_->hide();
    enlargeButton_->setEnabled(false);
    shrinkButton_->setEnabled(false);
}

void MainWindow::applyTaskFile(const QString& path) {
    const ExecutorTask task = ReadExecutorTask(toFilePath(path));
    applyTask(task);
}

void MainWindow::applyTask(const ExecutorTask& task) {
    statement_->setPlainText(fromStd(task.statement));
    solutionControl_ = task.solutionControl;
    enlargeButton_->setEnabled(true);
    shrinkButton_->setEnabled(true);
    for (int v = 0; v < kVesselCount; ++v) {
        stepLog_->columns()[v + 1].setTitle(fromStd(task.columnTitles[v]));
    }
    pourBackAllowed_ = task.pourBackAllowed;
    unlimitedSource_ = task.unlimitedSource;
    for (int v = 0; v < kVesselCount; ++v) {
        const ExecutorVessel& vessel = task.vessels[v];
        VesselView* view = views_[v];
        if (vessel.fillColor) {
            view->setFillColor(toQColor(*vessel.fillColor));
        }
        if (vessel.emptyColor) {
            view->setEmptyColor(toQColor(*vessel.emptyColor));
        }
        // The capacity first, so the amount is limited by it; the caption shows the file's texts as they
        // stand.
        view->setCapacity(vessel.capacity);
        view->setAmount(vessel.amount);
        view->setBarHeight(vessel.height);
        targetText_[v] = vessel.targetText;
        setCaptionText(v, fromStd(vessel.caption));
        vesselButtons_[v]->setEnabled(true);
    }
    unlimitedArrow_->setVisible(task.unlimitedArrowShown());
    pourBackArrow_->setVisible(task.pourBackArrowShown());
    targetStateButton_->show();
    closeTaskButton_->show();
    restartButton_->show();
    focusStatement();
}

void MainWindow::loadTask(const QString& path) {
    try {
        applyTaskFile(path);
    } catch (const std::exception& e) {
        reportError(platform_, this, QString::fromUtf8(e.what()));
        resetToNoTask();
        pathLabel_->clear();
    }
}

void MainWindow::openTask() {
    guarded(platform_, this, [&] {
        FileDialogRequest request;
        request.title = QStringLiteral("Выбрать задание для исполнителя \"Тримерка\"");
        request.filter = QStringLiteral("Задание для исполнителя \"Тримерка\" (*.tmk)");
        request.defaultSuffix = QStringLiteral("tmk");
        request.directory = platform_.examplesFolder();
        const std::optional<QString> chosen = platform_.openFileName(this, request);
        if (chosen) {
            openTaskFile(*chosen);
        }
    });
}

void MainWindow::openTaskFile(const QString& chosen) {
    guarded(platform_, this, [&] {
        const QString path = fromStd(WithTaskExtension(chosen.toStdString()));
        pathLabel_->setText(path);
        resetToNoTask();
        loadTask(path);
    });
}

void MainWindow::restartTask() {
    guarded(platform_, this, [&] {
        const QString path = pathLabel_->text();
        resetToNoTask();
        loadTask(path);
    });
}

void MainWindow::closeTask() {
    guarded(platform_, this, [&] {
        resetToNoTask();
        pathLabel_->clear();
    });
}

void MainWindow::showTargetState() {
    guarded(platform_, this, [&] {
        if (targetState_) {
            TargetState state;
            state.statement = statement_->toPlainText();
            for (int v = 0; v < kVesselCount; ++v) {
                const VesselView* view = views_[v];
                state.vessels[v] = {view->fillColor(), view->emptyColor(), view->capacity(),
                                    view->barHeight(), fromStd(targetText_[v])};
            }
            state.unlimitedArrowShown = !unlimitedArrow_->isHidden();
            state.pourBackArrowShown = !pourBackArrow_->isHidden();
            targetState_->fill(state);
            platform_.showModal(*targetState_);
        }
    });
}

} // namespace trimerka
