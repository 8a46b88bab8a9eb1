#include "ui/parametri_zadaniya.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "core/Solver.h"
#include "core/TaskFile.h"
#include "platform/ErrorReport.h"
#include "platform/Fonts.h"
#include "ui/AccessibleViews.h"
#include "ui/Controls.h"
#include "ui/FocusMarks.h"
#include "ui/SpinEdit.h"
#include "ui/VesselView.h"

namespace trimerka {

namespace constructor {

BevelPanel::BevelPanel(Bevel bevel, const QColor& color, const QString& caption, QWidget* parent)
    : QWidget(parent), bevel_(bevel), color_(color), caption_(caption) {}

void BevelPanel::setColor(const QColor& color) {
    if (color != color_) {
        color_ = color;
        update();
        notifyNameChanged(*this);
    }
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect r = rect();
    painter.fillRect(r, color_);
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Mid);
    const QColor topLeft = bevel_ == Bevel::Raised ? light : shadow;
    const QColor bottomRight = bevel_ == Bevel::Raised ? shadow : light;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 1), bottomRight);
    if (!caption_.isEmpty()) {
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(r, Qt::AlignCenter, caption_);
    }
}

ColorSquare::ColorSquare(const QColor& color, QWidget* parent)
    : BevelPanel(Bevel::Raised, color, QString(), parent) {
    setCursor(Qt::PointingHandCursor);
    installAccessibleViews();
}

void ColorSquare::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void ColorSquare::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

} // namespace constructor

namespace {

using constructor::BevelPanel;
using constructor::ColorSquare;

constexpr Color kHeaderColor = 15973012; // R148 G186 B243
constexpr int kStatusHeight = 17;
const char* const kDefaultStatement = "Формулировка задания .....";
const char* const kDefaultCommonTitle = "Общее название столбиков";
const char* const kDefaultColumnTitles[kVesselCount] = {"Название столбика 1", "Название столбика 2",
                                                        "Название столбика 3"};

QString taskFilter() {
    return QStringLiteral("Задание для исполнителя \"Тримерка\" (*.tmk)");
}

// Letter case counts: a name ending in ".TMK" gets ".tmk" appended as well.
QString withTaskExtension(const QString& path) {
    return path.endsWith(QStringLiteral(".tmk"), Qt::CaseSensitive) ? path : path + QStringLiteral(".tmk");
}

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QLabel* makeLabel(const QString& text, int left, int top, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Tahoma's line here is 11 px with no room above the capitals: two pixels on top keep the dots of "Ё"
    // inside the label and put the baseline where a 13 px caption has it.
    label->setContentsMargins(0, 2, 0, 0);
    label->move(left, top);
    label->adjustSize();
    return label;
}

SpinEdit* makeSpin(const char* name, int minimum, int maximum, int value, const QRect& geometry,
                   QWidget* parent) {
    auto* spin = new SpinEdit(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setGeometry(geometry);
    return spin;
}

// A picture with transparency, drawn over whatever lies below it.
QLabel* makePicture(const QString& resource, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(picture(resource, QSize(46, 50)));
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

std::string key(int vessel, const char* field) {
    return VesselKey(vessel, field);
}

} // namespace

TForm2::TForm2(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Настройка параметров задания"));
    setWindowFlags(dialogFlags());
    setFixedSize(913, 484);
    setFont(tahoma(11));
    setBackground(this, palette().color(QPalette::Button));

    GroupBox1_ = new QGroupBox(QStringLiteral(" Исходные данные "), this);
    GroupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1_->setGeometry(8, 8, 681, 453);
    GroupBox1_->setFont(tahoma(11, true));

    const QString headers[kVesselCount] = {QStringLiteral("Сосуд \"А\""), QStringLiteral("Сосуд \"Б\""),
                                           QStringLiteral("Сосуд \"В\"")};
    const int columnLefts[kVesselCount] = {24, 240, 459};
    const char* headerNames[kVesselCount] = {"Panel1", "Panel2", "Panel3"};
    const char* areaNames[kVesselCount] = {"Panel4", "Panel5", "Panel10"};
    for (int v = 0; v < kVesselCount; ++v) {
        auto& c = vessels_[v];
        c.header = new BevelPanel(BevelPanel::Bevel::Raised, toQColor(kHeaderColor), headers[v], GroupBox1_);
        c.header->setObjectName(QString::fromLatin1(headerNames[v]));
        c.header->setGeometry(columnLefts[v], 25, 97, 25);
        c.area = new QWidget(GroupBox1_);
        c.area->setObjectName(QString::fromLatin1(areaNames[v]));
        c.area->setGeometry(columnLefts[v], 56, VesselView::kAreaWidth, VesselView::kAreaHeight);
        c.bar = new VesselView(c.area);
        c.bar->setObjectName(QStringLiteral("s") + QLatin1Char(kVesselKeyLetters[v]));
        c.bar->move(0, 0);
        buildVesselColumn(v, columnLefts[v] + 103);
    }

    // The arrows stand over vessel А's bar, the pour-back arrow over the other where they overlap.
    isaef_ = makePicture(QStringLiteral(":/pictures/isaef.svg"), vessels_[VesselA].bar);
    isaef_->setObjectName(QStringLiteral("isaef"));
    isaef_->setGeometry(12, 130, 46, 50);
    isaef_->hide();
    isasl_ = makePicture(QStringLiteral(":/pictures/isasl.svg"), vessels_[VesselA].bar);
    isasl_->setObjectName(QStringLiteral("isasl"));
    isasl_->setGeometry(40, 120, 46, 50);
    isasl_->hide();

    rb1_ =
        new QRadioButton(QStringLiteral("При переливании МОЖНО сливать жидкость в Сосуд \"А\""), GroupBox1_);
    rb1_->setObjectName(QStringLiteral("rb1"));
    rb1_->setGeometry(24, 244, 345, 17);
    rb1_->setChecked(true);
    rb1_->setEnabled(false);
    rb2_ =
        new QRadioButton(QStringLiteral("При переливании НЕЛЬЗЯ сливать жидкость в Сосуд \"А\""), GroupBox1_);
    rb2_->setObjectName(QStringLiteral("rb2"));
    rb2_->setGeometry(24, 263, 345, 17);
    rb2_->setEnabled(false);

    auto* bevel = new QFrame(GroupBox1_);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(10, 286, 660, 2);

    makeLabel(QStringLiteral("Формулировка задания:"), 24, 293, GroupBox1_)
        ->setObjectName(QStringLiteral("Label13"));
    fz_ = new QTextEdit(GroupBox1_);
    fz_->setObjectName(QStringLiteral("fz"));
    fz_->setGeometry(24, 313, 329, 122);
    fz_->setFont(tahoma(11));
    fz_->setAcceptRichText(false);
    fz_->setTabChangesFocus(true);
    fz_->setFrameStyle(QFrame::Box | QFrame::Plain);
    fz_->setLineWidth(1);
    fz_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fz_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fz_->document()->setDocumentMargin(2);
    {
        QPalette p = fz_->palette();
        p.setColor(QPalette::Base, Qt::white);
        p.setColor(QPalette::Text, Qt::black);
        p.setColor(QPalette::WindowText, Qt::black);
        // The selection stays highlighted when the editor loses the focus.
        for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
            p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
        }
        fz_->setPalette(p);
    }
    // The editor wraps at a fixed width, that of its text area beside the scroll bar, so its lines are the
    // same whether or not the window has been shown yet.
    const int scrollBar = fz_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, fz_);
    fz_->setLineWrapMode(QTextEdit::FixedPixelWidth);
    fz_->setLineWrapColumnOrWidth(fz_->width() - 2 * fz_->frameWidth() - scrollBar);

    makeLabel(QStringLiteral("Названия столбиков:"), 371, 293, GroupBox1_)
        ->setObjectName(QStringLiteral("Label14"));
    ns_ = new QLineEdit(GroupBox1_);
    ns_->setObjectName(QStringLiteral("ns"));
    ns_->setGeometry(371, 312, 284, 21);
    ns_->setFont(tahoma(11));
    for (int v = 0; v < kVesselCount; ++v) {
        auto* title = new QLineEdit(GroupBox1_);
        title->setObjectName(QStringLiteral("ns") + QString::number(v + 1));
        title->setGeometry(371, 339 + 27 * v, 284, 21);
        title->setFont(tahoma(11));
        columnTitles_[v] = title;
    }

    buildResultGroup();
    buildCommandButtons();
    buildStatusStrip();
    buildTabOrder();
    enableFocusMarks(*this);

    for (int v = 0; v < kVesselCount; ++v) {
        connect(vessels_[v].fill, &ColorSquare::clicked, this,
                v == VesselA   ? &TForm2::sac1Click
                : v == VesselB ? &TForm2::sbc1Click
                               : &TForm2::svc1Click);
        connect(vessels_[v].empty, &ColorSquare::clicked, this,
                v == VesselA   ? &TForm2::sac2Click
                : v == VesselB ? &TForm2::sbc2Click
                               : &TForm2::svc2Click);
    }
    connect(vessels_[VesselA].capacity, &QLineEdit::textChanged, this, &TForm2::saemChange);
    connect(vessels_[VesselB].capacity, &QLineEdit::textChanged, this, &TForm2::sbemChange);
    connect(vessels_[VesselV].capacity, &QLineEdit::textChanged, this, &TForm2::svemChange);
    connect(vessels_[VesselA].amount, &QLineEdit::textChanged, this, &TForm2::saetChange);
    connect(vessels_[VesselB].amount, &QLineEdit::textChanged, this, &TForm2::sbetChange);
    connect(vessels_[VesselV].amount, &QLineEdit::textChanged, this, &TForm2::svetChange);
    connect(vessels_[VesselA].target, &QLineEdit::textChanged, this, &TForm2::saerChange);
    connect(vessels_[VesselB].target, &QLineEdit::textChanged, this, &TForm2::sberChange);
    connect(vessels_[VesselV].target, &QLineEdit::textChanged, this, &TForm2::sverChange);
    connect(vessels_[VesselA].height, &QLineEdit::textChanged, this, &TForm2::sahChange);
    connect(vessels_[VesselB].height, &QLineEdit::textChanged, this, &TForm2::sbhChange);
    connect(vessels_[VesselV].height, &QLineEdit::textChanged, this, &TForm2::svhChange);
    connect(saef_, &QCheckBox::toggled, this, &TForm2::saefClick);
    // Of the radio pair only the button that becomes selected runs its rule.
    connect(rb1_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            rb1Click();
        }
    });
    connect(rb2_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            rb2Click();
        }
    });
    connect(krres_, &QCheckBox::toggled, this, &TForm2::krresClick);
    connect(fz_, &QTextEdit::textChanged, this, &TForm2::fzChange);
    connect(ns_, &QLineEdit::textChanged, this, &TForm2::nsChange);
    connect(columnTitles_[0], &QLineEdit::textChanged, this, &TForm2::ns1Change);
    connect(columnTitles_[1], &QLineEdit::textChanged, this, &TForm2::ns2Change);
    connect(columnTitles_[2], &QLineEdit::textChanged, this, &TForm2::ns3Change);
    connect(SpeedButton7_, &QPushButton::clicked, this, &TForm2::SpeedButton7Click);
    connect(SpeedButton8_, &QPushButton::clicked, this, &TForm2::SpeedButton8Click);
    connect(SpeedButton2_, &QPushButton::clicked, this, &TForm2::SpeedButton2Click);
    connect(SpeedButton6_, &QPushButton::clicked, this, &TForm2::SpeedButton6Click);
    connect(SpeedButton1_, &QPushButton::clicked, this, &TForm2::SpeedButton1Click);

    run([&] { defbat(); });
}

void TForm2::buildVesselColumn(int v, int left) {
    auto& c = vessels_[v];
    const QString letter(QLatin1Char(kVesselKeyLetters[v]));
    const int squareLefts[kVesselCount] = {167, 383, 599};
    makeLabel(QStringLiteral("Цвет:"), left, 62, GroupBox1_);
    c.fill = new ColorSquare(toQColor(kDefaultFillColor), GroupBox1_);
    c.fill->setObjectName(QStringLiteral("s%1c1").arg(letter));
    c.fill->setGeometry(squareLefts[v], 56, 25, 25);
    c.empty = new ColorSquare(toQColor(kDefaultEmptyColor), GroupBox1_);
    c.empty->setObjectName(QStringLiteral("s%1c2").arg(letter));
    c.empty->setGeometry(squareLefts[v] + 31, 56, 25, 25);
    if (v == VesselA) {
        saef_ = new QCheckBox(QStringLiteral("Бесконечный"), GroupBox1_);
        saef_->setObjectName(QStringLiteral("saef"));
        saef_->setGeometry(left, 84, 97, 17);
    }
    makeLabel(QStringLiteral("Высота:"), left, 105, GroupBox1_);
    c.height = makeSpin("", kMinHeight, kMaxHeight, kMaxHeight, QRect(left, 124, 90, 22), GroupBox1_);
    c.height->setObjectName(QStringLiteral("s%1h").arg(letter));
    makeLabel(QStringLiteral("Ёмкость (Max):"), left, 153, GroupBox1_);
    c.capacity = makeSpin("", kMinCapacity, kMaxCapacity, kMaxCapacity, QRect(left, 172, 90, 22), GroupBox1_);
    c.capacity->setObjectName(QStringLiteral("s%1em").arg(letter));
    makeLabel(QStringLiteral("Ёмкость (Тек):"), left, 200, GroupBox1_);
    c.amount = makeSpin("", 0, kMaxCapacity, kMaxCapacity, QRect(left, 219, 90, 22), GroupBox1_);
    c.amount->setObjectName(QStringLiteral("s%1et").arg(letter));
}

void TForm2::buildResultGroup() {
    GroupBox2_ = new QGroupBox(QStringLiteral(" Результат "), this);
    GroupBox2_->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2_->setGeometry(695, 8, 210, 118);
    GroupBox2_->setFont(tahoma(11, true));
    const int panelLefts[kVesselCount] = {12, 78, 143};
    const char* panelNames[kVesselCount] = {"Panel6", "Panel7", "Panel8"};
    const char* targetNames[kVesselCount] = {"saer", "sber", "sver"};
    for (int v = 0; v < kVesselCount; ++v) {
        auto* panel = new BevelPanel(BevelPanel::Bevel::Raised, toQColor(kHeaderColor),
                                     QString::fromStdString(kVesselLetters[v]), GroupBox2_);
        panel->setObjectName(QString::fromLatin1(panelNames[v]));
        panel->setGeometry(panelLefts[v], 25, 58, 25);
        vessels_[v].target = makeSpin(targetNames[v], 0, kMaxCapacity, kMaxCapacity,
                                      QRect(panelLefts[v] + 1, 60, 58, 22), GroupBox2_);
    }
    krres_ = new QCheckBox(QStringLiteral("Контролировать решение задачи"), GroupBox2_);
    krres_->setObjectName(QStringLiteral("krres"));
    krres_->setGeometry(13, 92, 190, 16);
    krres_->setFont(tahoma(11));
}

void TForm2::buildCommandButtons() {
    struct Command {
        QPushButton** button;
        const char* name;
        int top;
        int height;
        const char* caption;
    };
    const Command commands[] = {
        {&SpeedButton7_, "SpeedButton7", 134, 40, "Загрузить настройки"},
        {&SpeedButton8_, "SpeedButton8", 180, 41, "Сохранить настройки как ..."},
        {&SpeedButton2_, "SpeedButton2", 227, 41, "Сохранить настройки"},
        {&SpeedButton6_, "SpeedButton6", 274, 40, "Сбросить настройки"},
        {&SpeedButton1_, "SpeedButton1", 421, 40, "Закрыть"},
    };
    for (const Command& command : commands) {
        auto* button = new QPushButton(QString::fromUtf8(command.caption), this);
        button->setObjectName(QString::fromLatin1(command.name));
        button->setGeometry(707, command.top, 189, command.height);
        button->setFont(tahoma(11, true));
        // A click leaves the focus where it was, so an editor being typed in is not left (and not corrected).
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        *command.button = button;
    }
}

void TForm2::buildStatusStrip() {
    Panel9_ = new BevelPanel(BevelPanel::Bevel::Sunken, palette().color(QPalette::Button), QString(), this);
    Panel9_->setObjectName(QStringLiteral("Panel9"));
    Panel9_->setGeometry(0, height() - kStatusHeight, width(), kStatusHeight);
    put_tmk_ = new QLabel(Panel9_);
    put_tmk_->setObjectName(QStringLiteral("put_tmk"));
    put_tmk_->move(5, 2);
    put_tmk_->setFont(tahoma(11));
    // A path is shown as it stands, never read as markup.
    put_tmk_->setTextFormat(Qt::PlainText);
    reshenie_ = new QLabel(Panel9_);
    reshenie_->setObjectName(QStringLiteral("reshenie"));
    reshenie_->setFont(tahoma(11));
    reshenie_->setTextFormat(Qt::PlainText);
    reshenie_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    setCurrentFile(QString());
}

void TForm2::buildTabOrder() {
    const auto& a = vessels_[VesselA];
    const auto& b = vessels_[VesselB];
    const auto& v = vessels_[VesselV];
    QWidget* order[] = {saef_,
                        a.height,
                        a.capacity,
                        a.amount,
                        rb1_,
                        rb2_,
                        b.height,
                        b.capacity,
                        b.amount,
                        v.height,
                        v.capacity,
                        v.amount,
                        fz_,
                        ns_,
                        columnTitles_[0],
                        columnTitles_[1],
                        columnTitles_[2],
                        a.target,
                        b.target,
                        v.target,
                        krres_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

template <class Rule> void TForm2::run(Rule&& rule) {
    ++handlerDepth_;
    guarded(platform_, this, std::forward<Rule>(rule));
    --handlerDepth_;
    if (handlerDepth_ == 0) {
        updateSolution();
    }
}

std::array<QColor, 16> TForm2::presetCustomColors() {
    constexpr Color values[16] = {11711154, 15253497, 12708278, 13549486, 9787430,  14869735,
                                  3328013,  14927001, 15592954, 7770742,  12963554, 12175041,
                                  9301950,  13555896, 16113281, 10013620};
    std::array<QColor, 16> colors;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        colors[i] = toQColor(values[i]);
    }
    return colors;
}

TaskDefinition TForm2::task() const {
    TaskDefinition t;
    for (int v = 0; v < kVesselCount; ++v) {
        const auto& c = vessels_[v];
        Vessel& vessel = t.vessels[v];
        vessel.capacity = c.capacity->value();
        vessel.initialAmount = c.amount->value();
        vessel.targetAmount = c.target->value();
        vessel.height = c.height->value();
        vessel.fillColor = fromQColor(c.fill->color());
        vessel.emptyColor = fromQColor(c.empty->color());
        t.columnTitles[v] = columnTitles_[v]->text().toStdString();
    }
    t.unlimitedSource = saef_->isChecked();
    t.pourBackAllowed = rb1_->isChecked();
    t.solutionControl = krres_->isChecked();
    t.statementLines = statementLines();
    t.commonTitle = ns_->text().toStdString();
    return t;
}

std::vector<std::string> TForm2::statementLines() const {
    QTextDocument* document = fz_->document();
    // Asking for the size lays out the whole document at the editor's wrap width.
    document->documentLayout()->documentSize();
    std::vector<std::string> lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() == 0) {
            lines.push_back(text.toStdString());
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.push_back(text.mid(line.textStart(), line.textLength()).toStdString());
        }
    }
    // A text that ends with a line break has an empty last line on screen, which is not a line of the task.
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the window: only "Закрыть" and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm2::FormShow() {
    run([&] {
        defbat();
        saef_->setFocus(Qt::OtherFocusReason);
    });
}

void TForm2::saemChange() {
    run([&] { capacityRule(VesselA); });
}
void TForm2::sbemChange() {
    run([&] { capacityRule(VesselB); });
}
void TForm2::svemChange() {
    run([&] { capacityRule(VesselV); });
}
void TForm2::saetChange() {
    run([&] { amountRule(VesselA); });
}
void TForm2::sbetChange() {
    run([&] { amountRule(VesselB); });
}
void TForm2::svetChange() {
    run([&] { amountRule(VesselV); });
}
void TForm2::saerChange() {
    run([&] { saveEnablingRule(); });
}
void TForm2::sberChange() {
    run([&] { saveEnablingRule(); });
}
void TForm2::sverChange() {
    run([&] { saveEnablingRule(); });
}
void TForm2::sahChange() {
    run([&] { heightRule(VesselA); });
}
void TForm2::sbhChange() {
    run([&] { heightRule(VesselB); });
}
void TForm2::svhChange() {
    run([&] { heightRule(VesselV); });
}
void TForm2::sac1Click() {
    run([&] { colorRule(VesselA, true); });
}
void TForm2::sbc1Click() {
    run([&] { colorRule(VesselB, true); });
}
void TForm2::svc1Click() {
    run([&] { colorRule(VesselV, true); });
}
void TForm2::sac2Click() {
    run([&] { colorRule(VesselA, false); });
}
void TForm2::sbc2Click() {
    run([&] { colorRule(VesselB, false); });
}
void TForm2::svc2Click() {
    run([&] { colorRule(VesselV, false); });
}
void TForm2::saefClick() {
    run([&] { unlimitedRule(); });
}
void TForm2::rb1Click() {
    run([&] { pourBackRule(true); });
}
void TForm2::rb2Click() {
    run([&] { pourBackRule(false); });
}
void TForm2::krresClick() {
    run([&] { saveEnablingRule(); });
}
void TForm2::fzChange() {
    run([&] { saveEnablingRule(); });
}
void TForm2::nsChange() {
    run([&] { saveEnablingRule(); });
}
void TForm2::ns1Change() {
    run([&] { saveEnablingRule(); });
}
void TForm2::ns2Change() {
    run([&] { saveEnablingRule(); });
}
void TForm2::ns3Change() {
    run([&] { saveEnablingRule(); });
}

void TForm2::SpeedButton7Click() {
    run([&] { load(); });
}
void TForm2::SpeedButton8Click() {
    run([&] { saveAs(); });
}
void TForm2::SpeedButton2Click() {
    run([&] { save(); });
}
void TForm2::SpeedButton6Click() {
    run([&] { defbat(); });
}
void TForm2::SpeedButton1Click() {
    close();
}

void TForm2::saveEnablingRule() {
    if (!put_tmk_->text().isEmpty() && !SpeedButton2_->isEnabled()) {
        SpeedButton2_->setEnabled(true);
    }
}

void TForm2::capacityRule(int v) {
    auto& c = vessels_[v];
    const int capacity = c.capacity->value();
    // A negative capacity is refused here, and the rest of the rule does not run for it.
    c.bar->setCapacity(capacity);
    c.amount->setMaximum(capacity);
    c.target->setMaximum(capacity);
    if (capacity < c.amount->value()) {
        c.amount->setValue(capacity);
    }
    if (capacity < c.target->value()) {
        c.target->setValue(capacity);
    }
    saveEnablingRule();
}

void TForm2::amountRule(int v) {
    auto& c = vessels_[v];
    c.bar->setAmount(c.amount->value());
    saveEnablingRule();
}

void TForm2::heightRule(int v) {
    auto& c = vessels_[v];
    if (c.height->text().isEmpty()) {
        c.height->setText(QString::number(kMaxHeight));
    }
    c.bar->setBarHeight(c.height->value());
    saveEnablingRule();
}

void TForm2::colorRule(int v, bool fillColor) {
    auto& c = vessels_[v];
    ColorSquare* square = fillColor ? c.fill : c.empty;
    const std::optional<QColor> chosen = platform_.chooseColor(this, square->color(), presetCustomColors());
    if (!chosen) {
        return;
    }
    square->setColor(*chosen);
    if (fillColor) {
        c.bar->setFillColor(*chosen);
    } else {
        c.bar->setEmptyColor(*chosen);
    }
    saveEnablingRule();
}

void TForm2::unlimitedRule() {
    auto& a = vessels_[VesselA];
    const bool unlimited = saef_->isChecked();
    if (unlimited) {
        a.bar->setCapacity(kMaxCapacity);
        a.bar->setAmount(kMaxCapacity);
        a.bar->setBarHeight(kMaxHeight);
    }
    for (SpinEdit* editor : {a.capacity, a.amount, a.height, a.target}) {
        editor->setEnabled(!unlimited);
    }
    if (!unlimited) {
        a.bar->setCapacity(a.capacity->value());
        a.bar->setAmount(a.amount->value());
        a.bar->setBarHeight(a.height->value());
    }
    rb1_->setEnabled(unlimited);
    rb2_->setEnabled(unlimited);
    isaef_->setVisible(unlimited);
    isasl_->setVisible(unlimited && rb1_->isChecked());
    saveEnablingRule();
}

void TForm2::pourBackRule(bool allowed) {
    isasl_->setVisible(allowed);
    saveEnablingRule();
}

void TForm2::defbat() {
    for (auto& c : vessels_) {
        c.bar->setCapacity(kMaxCapacity);
        c.bar->setAmount(kMaxCapacity);
        c.bar->setBarHeight(kMaxHeight);
        c.bar->setFillColor(toQColor(kDefaultFillColor));
        c.bar->setEmptyColor(toQColor(kDefaultEmptyColor));
    }
    saef_->setChecked(false);
    rb1_->setChecked(true);
    rb1_->setEnabled(false);
    rb2_->setEnabled(false);
    for (auto& c : vessels_) {
        for (SpinEdit* editor : {c.height, c.capacity, c.amount, c.target}) {
            editor->setEnabled(true);
        }
        c.height->setValue(kMaxHeight);
        c.capacity->setValue(kMaxCapacity);
        c.amount->setMaximum(kMaxCapacity);
        c.target->setMaximum(kMaxCapacity);
        c.amount->setValue(kMaxCapacity);
        c.target->setValue(kMaxCapacity);
    }
    for (auto& c : vessels_) {
        c.fill->setColor(toQColor(kDefaultFillColor));
        c.empty->setColor(toQColor(kDefaultEmptyColor));
    }
    krres_->setChecked(false);
    fz_->setPlainText(QString::fromUtf8(kDefaultStatement));
    isasl_->hide();
    isaef_->hide();
    ns_->setText(QString::fromUtf8(kDefaultCommonTitle));
    for (int v = 0; v < kVesselCount; ++v) {
        columnTitles_[v]->setText(QString::fromUtf8(kDefaultColumnTitles[v]));
    }
    SpeedButton2_->setEnabled(false);
    setCurrentFile(QString());
}

void TForm2::load() {
    FileDialogRequest request;
    request.title = QStringLiteral("Выбрать задание для исполнителя \"Тримерка\"");
    request.filter = taskFilter();
    request.directory = platform_.examplesFolder();
    const std::optional<QString> chosen = platform_.openFileName(this, request);
    if (!chosen) {
        return;
    }
    const QString path = withTaskExtension(*chosen);
    defbat();
    setCurrentFile(path);
    SpeedButton2_->setEnabled(true);
    try {
        const TaskFileValues values(toPath(path));
        fz_->clear();
        fz_->setPlainText(fromStd(RebuildStatement([&](const std::string& k) {
            const std::string text = values.value(k);
            return text;
        })));
        const std::string control = values.value("krres");
        if (control == "1") {
            krres_->setChecked(true);
        } else if (control == "0") {
            krres_->setChecked(false);
        }
        ns_->setText(fromStd(values.value("ns")));
        for (int v = 0; v < kVesselCount; ++v) {
            columnTitles_[v]->setText(fromStd(values.value(ColumnTitleKey(v))));
        }

        loadVessel(values, VesselA);
        const std::string unlimited = values.value("saef");
        if (unlimited == "1") {
            saef_->setChecked(true);
            const std::string pourBack = values.value("sasl");
            if (pourBack == "0") {
                rb2_->setChecked(true);
            } else if (pourBack == "1") {
                rb1_->setChecked(true);
            }
        }
        rb1_->setEnabled(saef_->isChecked());
        rb2_->setEnabled(saef_->isChecked());
        loadVessel(values, VesselB);
        loadVessel(values, VesselV);
    } catch (...) {
        // What was read stays shown, but the broken file is no longer the current file: one click on
        // "Сохранить настройки" would otherwise replace it with the defaults of every key not read.
        setCurrentFile(QString());
        SpeedButton2_->setEnabled(false);
        throw;
    }
}

void TForm2::loadVessel(const TaskFileValues& values, int v) {
    auto& c = vessels_[v];
    if (const std::optional<Color> fill = TextToColor(values.value(key(v, "c1")))) {
        c.fill->setColor(toQColor(*fill));
    }
    if (const std::optional<Color> empty = TextToColor(values.value(key(v, "c2")))) {
        c.empty->setColor(toQColor(*empty));
    }
    c.bar->setFillColor(c.fill->color());
    c.bar->setEmptyColor(c.empty->color());

    c.height->setValue(TextToInt(values.value(key(v, "h"))));
    c.bar->setBarHeight(c.height->value());

    c.capacity->setValue(TextToInt(values.value(key(v, "em"))));
    const int capacity = c.capacity->value();
    c.bar->setCapacity(capacity);
    c.amount->setMaximum(capacity);
    c.target->setMaximum(capacity);

    c.amount->setValue(TextToInt(values.value(key(v, "et"))));
    c.bar->setAmount(c.amount->value());

    c.target->setValue(TextToInt(values.value(key(v, "er"))));
}

void TForm2::save() {
    if (put_tmk_->text().isEmpty()) {
        return;
    }
    SpeedButton2_->setEnabled(false);
    WriteTaskFile(toPath(put_tmk_->text()), task());
}

void TForm2::saveAs() {
    FileDialogRequest request;
    request.directory = platform_.saveFolder();
    request.filter = taskFilter();
    request.title = QStringLiteral("Сохранить задание для исполнителя \"Тримерка\" как ...");
    request.fileName =
        QStringLiteral("Trimerka ") + platform_.now().toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss"));
    const std::optional<QString> chosen = platform_.saveFileName(this, request);
    if (!chosen) {
        return;
    }
    const QString path = withTaskExtension(*chosen);
    WriteTaskFile(toPath(path), task());
    setCurrentFile(path);
    SpeedButton2_->setEnabled(false);
}

void TForm2::setCurrentFile(const QString& path) {
    put_tmk_->setText(path);
    put_tmk_->adjustSize();
    if (handlerDepth_ == 0) {
        updateSolution();
    }
}

void TForm2::updateSolution() {
    TaskDefinition t;
    std::string inputs;
    for (int v = 0; v < kVesselCount; ++v) {
        const auto& c = vessels_[v];
        t.vessels[v].capacity = c.capacity->value();
        t.vessels[v].initialAmount = c.amount->value();
        t.vessels[v].targetAmount = c.target->value();
        for (int number : {t.vessels[v].capacity, t.vessels[v].initialAmount, t.vessels[v].targetAmount}) {
            inputs += std::to_string(number) + ' ';
        }
    }
    t.unlimitedSource = saef_->isChecked();
    t.pourBackAllowed = rb1_->isChecked();
    inputs += t.unlimitedSource ? 'U' : 'L';
    inputs += t.pourBackAllowed ? 'B' : 'N';
    if (inputs != solvedInputs_) {
        solvedInputs_ = inputs;
        reshenie_->setText(fromStd(SolutionText(Solve(t))));
        reshenie_->adjustSize();
    }
    // Right-aligned in the strip, pushed further right by a long path rather than covering it.
    const int left = std::max(put_tmk_->x() + put_tmk_->width() + 16, width() - 5 - reshenie_->width());
    reshenie_->move(left, 2);
}

} // namespace trimerka
