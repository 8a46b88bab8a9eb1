#include "ui/glavnoe.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "core/CommandBuilder.h"
#include "core/ExecutorTask.h"
#include "platform/ErrorReport.h"
#include "platform/Fonts.h"
#include "ui/Controls.h"
#include "ui/VesselView.h"
#include "ui/cnz_form.h"
#include "ui/logo.h"
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
const QString kVesselButtonCaptions[kVesselCount] = {
    QStringLiteral("Сосуд \"А\""),
    QStringLiteral("Сосуд \"Б\""),
    QStringLiteral("Сосуд \"В\""),
};

// A 2-pixel etched line: a shadow row above a highlight row.
class EtchedLine : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(0, 1, width() - 1, 1);
    }
};

// A panel with a sunken one-pixel bevel: shadow on the top and left edges, highlight on the bottom and right.
class SunkenPanel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        QPainter painter(this);
        drawBevel(painter, rect(), palette().color(QPalette::Mid), palette().color(QPalette::Light));
    }
};

QIcon icon(const char* name) {
    return pictureIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

} // namespace

TForm1::TForm1(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform) {
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

    fz_ = new QPlainTextEdit(client);
    fz_->setObjectName(QStringLiteral("fz"));
    fz_->setGeometry(384, 64, 320, 185);
    setUpStatementMemo(fz_);
    setTextPoints(kMinTextPoints);

    SpeedButton2_ = new QToolButton(client);
    SpeedButton2_->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2_->setText(QStringLiteral("+"));
    SpeedButton2_->setGeometry(646, 40, 23, 22);
    SpeedButton1_ = new QToolButton(client);
    SpeedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1_->setText(QStringLiteral("-"));
    SpeedButton1_->setGeometry(675, 40, 23, 22);
    for (auto* button : {SpeedButton1_, SpeedButton2_}) {
        button->setFont(tahoma(11));
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(SpeedButton2_, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(SpeedButton1_, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);

    kmd_ = new SunkenPanel(client);
    kmd_->setObjectName(QStringLiteral("kmd"));
    kmd_->setGeometry(393, 255, 142, 43);
    kmd_->setAlignment(Qt::AlignCenter);
    kmd_->setFont(tahoma(32, true));
    setBackground(kmd_, toQColor(15973012));
    setPanel(QString::fromUtf8(kEmptyPanel));

    vipolnit_ = makeButton(client, "vipolnit", QStringLiteral("Выполнить"), QRect(541, 255, 157, 43), true);
    connect(vipolnit_, &QPushButton::clicked, this, &TForm1::vipolnitClick);

    ng_ = new TCellGrid(platform_, client);
    ng_->setObjectName(QStringLiteral("ng"));
    ng_->setGeometry(8, 306, 696, 133);
    configureStepLog();

    auto* Panel9 = new SunkenPanel(client);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setGeometry(0, 443, kClientWidth, 17);
    put_tmk_ = new QLabel(Panel9);
    put_tmk_->setObjectName(QStringLiteral("put_tmk"));
    put_tmk_->setFont(tahoma(11));
    // A path is shown as it stands, never read as markup.
    put_tmk_->setTextFormat(Qt::PlainText);
    put_tmk_->setGeometry(5, 2, kClientWidth - 10, 13);

    createMenu();
    setUpKeyboard();
    setUpAccessibleNames();
    // The window is exactly the client area plus the menu bar, and the user cannot resize it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::createToolbar(QWidget* client) {
    Panel2_ = new QWidget(client);
    Panel2_->setObjectName(QStringLiteral("Panel2"));
    Panel2_->setGeometry(0, 0, kClientWidth, 34);
    setBackground(Panel2_, toQColor(14342874));

    auto* Bevel1 = new EtchedLine(Panel2_);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(0, 0, kClientWidth, 2);
    auto* Bevel6 = new EtchedLine(Panel2_);
    Bevel6->setObjectName(QStringLiteral("Bevel6"));
    Bevel6->setGeometry(0, 32, kClientWidth, 2);

    struct ToolbarButton {
        QToolButton** button;
        const char* name;
        int left;
        int width;
        const char* caption;
        bool bold;
        void (TForm1::*handler)();
    };
    const ToolbarButton toolbar[] = {
        {&vz_, "vz", 1, 129, "Выбор задания", true, &TForm1::vzClick},
        {&cnz_, "cnz", 130, 153, "Что нужно сделать", true, &TForm1::cnzClick},
        {&sz_, "sz", 283, 128, "Начать заново", true, &TForm1::szClick},
        {&zz_, "zz", 411, 142, "Закрыть задание", true, &TForm1::zzClick},
        {&help_, "help", 612, 30, "", false, &TForm1::helpClick},
        {&CloseProg_, "CloseProg", 642, 71, "Выход", false, &TForm1::CloseProgClick},
    };
    for (const auto& entry : toolbar) {
        auto* button = new QToolButton(Panel2_);
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
    Panel2_->installEventFilter(this);
}

void TForm1::createVessels(QWidget* client) {
    static constexpr int kLeft[kVesselCount] = {24, 144, 264};
    static const char* const kPanelNames[kVesselCount] = {"Panel4", "Panel5", "Panel10"};
    static const char* const kBarNames[kVesselCount] = {"sa", "sb", "sv"};
    static const char* const kCaptionNames[kVesselCount] = {"esa", "esb", "esv"};
    static const char* const kButtonNames[kVesselCount] = {"vsa", "vsb", "vsv"};
    static const char* const kCaptionLabelNames[kVesselCount] = {"Label1", "Label2", "Label3"};
    using Click = void (TForm1::*)(bool);
    static constexpr Click kClicks[kVesselCount] = {&TForm1::vsaClick, &TForm1::vsbClick, &TForm1::vsvClick};

    for (int v = 0; v < kVesselCount; ++v) {
        makeCaption(client, kCaptionLabelNames[v], QStringLiteral("Ёмкость:"), kLeft[v], 45, true);
        captions_[v] = makeCaption(client, kCaptionNames[v], kNoCaption, kLeft[v] + 57, 45, true);
        setTextColor(captions_[v], toQColor(16711680));

        auto* area = new QWidget(client);
        area->setObjectName(QLatin1String(kPanelNames[v]));
        area->setGeometry(kLeft[v], 64, VesselView::kAreaWidth, VesselView::kAreaHeight);
        views_[v] = new VesselView(area);
        views_[v]->setObjectName(QLatin1String(kBarNames[v]));
        views_[v]->move(0, 0);
        if (v == VesselA) {
            // Drawn over the bar in this order, so the pour-back arrow lies on top where they overlap.
            isaef_ = new QLabel(area);
            isaef_->setObjectName(QStringLiteral("isaef"));
            isaef_->setGeometry(12, 130, 46, 50);
            isaef_->setPixmap(picture(QStringLiteral(":/pictures/isaef.svg"), QSize(46, 50)));
            isasl_ = new QLabel(area);
            isasl_->setObjectName(QStringLiteral("isasl"));
            isasl_->setGeometry(40, 120, 46, 50);
            isasl_->setPixmap(picture(QStringLiteral(":/pictures/isasl.svg"), QSize(46, 50)));
        }

        auto* button =
            makeButton(client, kButtonNames[v], kVesselButtonCaptions[v], QRect(kLeft[v], 255, 97, 43), true);
        button->setCheckable(true);
        // Only the pupil's clicks compose a command; a release by the program emits no click.
        connect(button, &QPushButton::clicked, this, kClicks[v]);
        vesselButtons_[v] = button;
    }
    makeCaption(client, "Label13", QStringLiteral("Формулировка задания:"), 385, 45, true);
}

void TForm1::createMenu() {
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

    QMenu* N1 = bar->addMenu(QStringLiteral("Файл"));
    N1->setObjectName(QStringLiteral("N1"));
    N2_ = addItem(N1, "N2", QStringLiteral("Выход"), icon("CloseProg"));
    asButton(N2_, CloseProg_);

    N3_ = bar->addMenu(QStringLiteral("Задание"));
    N3_->setObjectName(QStringLiteral("N3"));
    N6_ = addItem(N3_, "N6", QStringLiteral("Выбор задания"), icon("vz"));
    N5_ = addItem(N3_, "N5", QStringLiteral("Что нужно сделать"), icon("cnz"));
    N11_ = addItem(N3_, "N11", QStringLiteral("Начать задание заново"), icon("sz"));
    N10_ = addItem(N3_, "N10", QStringLiteral("Закрыть задание"), icon("zz"));
    N3_->addSeparator()->setObjectName(QStringLiteral("N8"));
    N12_ = addItem(N3_, "N12", QStringLiteral("Увеличить размер текста"), QIcon());
    N13_ = addItem(N3_, "N13", QStringLiteral("Уменьшить размер текста"), QIcon());
    N3_->addSeparator()->setObjectName(QStringLiteral("N14"));
    N4_ = addItem(N3_, "N4", QStringLiteral("Конструктор заданий"), icon("constructor"));
    asButton(N6_, vz_);
    asButton(N5_, cnz_);
    asButton(N11_, sz_);
    asButton(N10_, zz_);
    asButton(N12_, SpeedButton2_);
    asButton(N13_, SpeedButton1_);
    connect(N4_, &QAction::triggered, this, &TForm1::N4Click);
    connect(N3_, &QMenu::aboutToShow, this, &TForm1::N3Click);

    QMenu* N7 = bar->addMenu(QStringLiteral("Справка"));
    N7->setObjectName(QStringLiteral("N7"));
    N9_ = addItem(N7, "N9", QStringLiteral("О программе"), icon("help"));
    asButton(N9_, help_);

    for (QMenu* menu : {N1, N3_, N7}) {
        menu->setFont(tahoma(11));
    }
}

void TForm1::setWindows(QDialog* constructor, QDialog* about, TForm11* completed, TForm3* targetState) {
    constructor_ = constructor;
    about_ = about;
    completed_ = completed;
    targetState_ = targetState;
    if (completed_) {
        completed_->setStepCounter([this] { return ng_->RowCount(); });
    }
}

void TForm1::FormCreate() {
    DefBut();
}

void TForm1::showEvent(QShowEvent* event) {
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

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel2_ && event->type() == QEvent::Resize) {
        Panel2Resize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::Panel2Resize() {
    guarded(platform_, this, [&] {
        CloseProg_->move(Panel2_->width() - CloseProg_->width() - 1, CloseProg_->y());
        help_->move(CloseProg_->x() - help_->width(), help_->y());
    });
}

void TForm1::pressButton(QAbstractButton* button) {
    const QPointF corner(0, 0);
    const QPointF global = button->mapToGlobal(corner);
    QMouseEvent press(QEvent::MouseButtonPress, corner, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(button, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, corner, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(button, &release);
}

void TForm1::N3Click() {
    guarded(platform_, this, [&] {
        N5_->setEnabled(cnz_->isVisibleTo(Panel2_));
        N4_->setEnabled(!cnz_->isVisibleTo(Panel2_));
        N10_->setEnabled(zz_->isVisibleTo(Panel2_));
        N11_->setEnabled(sz_->isVisibleTo(Panel2_));
        N12_->setEnabled(SpeedButton2_->isEnabled());
        N13_->setEnabled(SpeedButton1_->isEnabled());
    });
}

void TForm1::configureStepLog() {
    const QColor cellColor = toQColor(16771545);
    ng_->SetColor(cellColor);
    ng_->SetAlternateColor(toQColor(14019327));
    ng_->SetGridColor(toQColor(64));
    ng_->SetSelectionColor(toQColor(12451514));
    ng_->SetFont(tahoma(11, true));
    ng_->SetHeaderFont(tahoma(11));
    ng_->SetGutterFont(tahoma(11));
    ng_->SetFooterFont(tahoma(11));
    ng_->SetColCount(4);
    for (int c = 0; c < ng_->ColCount(); ++c) {
        TCellColumn& column = ng_->Columns()[c];
        column.SetWidth(160);
        column.SetHorzAlign(haCenter);
        column.SetCanResize(false);
        column.SetReadOnly(true);
        column.SetColor(cellColor);
    }
    ng_->Columns()[0].SetTitle(QStringLiteral("Команда"));
    ng_->SetHeaderLine(2);
    ng_->SetGutterKind(gkNumber);
    ng_->SetShowFooter(false);
    ng_->SetReadOnly(true);
    // The Tab key skips the step log.
    ng_->setFocusPolicy(Qt::ClickFocus);
    ng_->SetRowCount(0);
    ng_->OnClick = [this](TCellGrid*) { ngClick(); };
    ng_->OnKeyDown = [this](TCellGrid*, int& key, Qt::KeyboardModifiers shift) { ngKeyDown(key, shift); };
}

void TForm1::selectCurrentRow() {
    const int row = ng_->Row();
    ng_->SetSelectArea(TRect{0, row, ng_->ColCount() - 1, row});
}

void TForm1::ngClick() {
    guarded(platform_, this, [&] { selectCurrentRow(); });
}

void TForm1::ngKeyDown(int key, Qt::KeyboardModifiers) {
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

void TForm1::N4Click() {
    guarded(platform_, this, [&] {
        if (constructor_) {
            platform_.showModal(*constructor_);
        }
    });
}

void TForm1::setTextPoints(int points) {
    textPoints_ = points;
    fz_->setFont(tahoma(pointsToPixels(points)));
}

void TForm1::SpeedButton2Click() {
    guarded(platform_, this, [&] { setTextPoints(stepStatementPoints(textPoints_, +1)); });
}

void TForm1::SpeedButton1Click() {
    guarded(platform_, this, [&] { setTextPoints(stepStatementPoints(textPoints_, -1)); });
}

void TForm1::toggleVessel(int vessel, bool pressed) {
    guarded(platform_, this, [&] {
        CommandBuilderState state;
        for (int v = 0; v < kVesselCount; ++v) {
            state.pressed[v] = vesselButtons_[v]->isChecked();
        }
        state.pressed[vessel] = pressed;
        state.panel = kmd_->text().toStdString();
        state.executeEnabled = vipolnit_->isEnabled();
        ToggleVessel(state, vessel, pressed);
        for (int v = 0; v < kVesselCount; ++v) {
            vesselButtons_[v]->setChecked(state.pressed[v]);
        }
        setPanel(fromStd(state.panel));
        vipolnit_->setEnabled(state.executeEnabled);
    });
}

void TForm1::vsaClick(bool pressed) {
    toggleVessel(VesselA, pressed);
}

void TForm1::vsbClick(bool pressed) {
    toggleVessel(VesselB, pressed);
}

void TForm1::vsvClick(bool pressed) {
    toggleVessel(VesselV, pressed);
}

void TForm1::vipolnitClick() {
    guarded(platform_, this, [&] { ExecuteStep(*this, targetText_, solutionControl_); });
}

void TForm1::helpClick() {
    guarded(platform_, this, [&] {
        if (about_) {
            platform_.showModal(*about_);
        }
    });
}

void TForm1::CloseProgClick() {
    guarded(platform_, this, [&] { close(); });
}

// StepHost

std::string TForm1::panelText() const {
    return kmd_->text().toStdString();
}

void TForm1::setPanelText(const std::string& text) {
    setPanel(fromStd(text));
}

void TForm1::disableExecute() {
    vipolnit_->setEnabled(false);
}

int TForm1::appendRow() {
    ng_->SetRowCount(ng_->RowCount() + 1);
    const int row = ng_->RowCount() - 1;
    ng_->SetRow(row);
    // The grid's setters never scroll; the pupil sees each new row whole, the winning one too.
    ng_->EnsureVisible(ng_->Col(), row);
    return row;
}

void TForm1::setCell(int row, int column, const std::string& text) {
    ng_->SetCellText(column, row, fromStd(text));
}

VesselState TForm1::vesselState() const {
    VesselState state;
    for (int v = 0; v < kVesselCount; ++v) {
        state.amount[v] = views_[v]->amount();
        state.capacity[v] = views_[v]->capacity();
    }
    state.unlimitedSource = unlimitedSource_;
    state.pourBackAllowed = pourBackAllowed_;
    return state;
}

void TForm1::setAmount(int vessel, int amount) {
    views_[vessel]->setAmount(amount);
}

void TForm1::setCaption(int vessel, const std::string& caption) {
    setCaptionText(vessel, fromStd(caption));
}

void TForm1::setCaptionText(int vessel, const QString& caption) {
    // The caption grows to the right from its left edge.
    QLabel* label = captions_[vessel];
    label->setText(caption);
    label->resize(label->sizeHint().width(), 13);
}

void TForm1::releaseVesselButtons() {
    for (auto* button : vesselButtons_) {
        button->setChecked(false);
    }
}

int TForm1::stepCount() const {
    return ng_->RowCount();
}

void TForm1::showCompleted(int) {
    if (completed_) {
        platform_.showModal(*completed_);
    }
}

// Task lifecycle

void TForm1::DefBut() {
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
    fz_->setPlainText(kStatementPlaceholder);
    ng_->SetRowCount(0);
    for (int v = 0; v < kVesselCount; ++v) {
        ng_->Columns()[v + 1].SetTitle(kDefaultTitles[v]);
    }
    isasl_->hide();
    isaef_->hide();
    vipolnit_->setEnabled(false);
    cnz_->hide();
    zz_->hide();
    sz_->hide();
    SpeedButton2_->setEnabled(false);
    SpeedButton1_->setEnabled(false);
}

void TForm1::ApplyTaskFile(const QString& path) {
    const ExecutorTask task = ReadExecutorTask(std::filesystem::path(QFile::encodeName(path).toStdString()));
    applyTask(task);
}

void TForm1::applyTask(const ExecutorTask& task) {
    fz_->setPlainText(fromStd(task.statement));
    solutionControl_ = task.solutionControl;
    SpeedButton2_->setEnabled(true);
    SpeedButton1_->setEnabled(true);
    for (int v = 0; v < kVesselCount; ++v) {
        ng_->Columns()[v + 1].SetTitle(fromStd(task.columnTitles[v]));
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
    isaef_->setVisible(task.unlimitedArrowShown());
    isasl_->setVisible(task.pourBackArrowShown());
    cnz_->show();
    zz_->show();
    sz_->show();
}

void TForm1::loadTask(const QString& path) {
    try {
        ApplyTaskFile(path);
    } catch (const std::exception& e) {
        reportError(platform_, this, QString::fromUtf8(e.what()));
        DefBut();
        put_tmk_->clear();
    }
}

void TForm1::vzClick() {
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

void TForm1::openTaskFile(const QString& chosen) {
    guarded(platform_, this, [&] {
        QString path = chosen;
        if (!path.endsWith(QStringLiteral(".tmk"), Qt::CaseSensitive)) {
            path += QStringLiteral(".tmk");
        }
        put_tmk_->setText(path);
        DefBut();
        loadTask(path);
    });
}

void TForm1::szClick() {
    guarded(platform_, this, [&] {
        const QString path = put_tmk_->text();
        DefBut();
        loadTask(path);
    });
}

void TForm1::zzClick() {
    guarded(platform_, this, [&] {
        DefBut();
        put_tmk_->clear();
    });
}

void TForm1::cnzClick() {
    guarded(platform_, this, [&] {
        if (targetState_) {
            TargetState state;
            state.statement = fz_->toPlainText();
            for (int v = 0; v < kVesselCount; ++v) {
                const VesselView* view = views_[v];
                state.vessels[v] = {view->fillColor(), view->emptyColor(), view->capacity(),
                                    view->barHeight(), fromStd(targetText_[v])};
            }
            state.unlimitedArrowShown = !isaef_->isHidden();
            state.pourBackArrowShown = !isasl_->isHidden();
            targetState_->fill(state);
            platform_.showModal(*targetState_);
        }
    });
}

} // namespace trimerka
