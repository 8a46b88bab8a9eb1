#include "ui/ConstructorWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QFileInfo>
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

PathLabel::PathLabel(QWidget* parent) : QLabel(parent) {
    // A path is shown as it stands, never read as markup.
    setTextFormat(Qt::PlainText);
}

void PathLabel::showPath(const QString& path, int maximumWidth) {
    setText(path);
    setToolTip(path);
    adjustSize();
    if (width() > maximumWidth) {
        resize(std::max(maximumWidth, 0), height());
    }
}

void PathLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

} // namespace constructor

namespace {

using constructor::ColorSquare;
using constructor::PathLabel;

constexpr Color kHeaderColor = 15973012; // R148 G186 B243
constexpr int kStatusHeight = 17;
const QString kHeaderCaptions[kVesselCount] = {QStringLiteral("Сосуд \"А\""), QStringLiteral("Сосуд \"Б\""),
                                               QStringLiteral("Сосуд \"В\"")};
const char* const kHeaderNames[kVesselCount] = {"Panel1", "Panel2", "Panel3"};
const char* const kAreaNames[kVesselCount] = {"Panel4", "Panel5", "Panel10"};
constexpr int kColumnLefts[kVesselCount] = {24, 240, 459};
constexpr int kSquareLefts[kVesselCount] = {167, 383, 599};

QString taskFilter() {
    return QStringLiteral("Задание для исполнителя \"Тримерка\" (*.tmk)");
}

QString saveAsTitle() {
    return QStringLiteral("Сохранить задание для исполнителя \"Тримерка\" как ...");
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

} // namespace

ConstructorWindow::ConstructorWindow(Platform& platform, QWidget* parent)
    : LazyDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Настройка параметров задания"));
    setWindowFlags(dialogFlags());
    setFixedSize(913, 484);
    setFont(tahoma(11));
    setBackground(this, palette().color(QPalette::Button));
}

void ConstructorWindow::buildControls() {
    sourceGroup_ = new QGroupBox(QStringLiteral(" Исходные данные "), this);
    sourceGroup_->setObjectName(QStringLiteral("GroupBox1"));
    sourceGroup_->setGeometry(8, 8, 681, 453);
    sourceGroup_->setFont(tahoma(11, true));
    for (int v = 0; v < kVesselCount; ++v) {
        buildVessel(v);
    }
    const VesselArrows arrows = makeVesselArrows(vessels_[VesselA].bar);
    unlimitedArrow_ = arrows.unlimited;
    pourBackArrow_ = arrows.pourBack;
    buildPourBackChoice();
    buildStatementEditor();
    buildTitleEditors();
    buildResultGroup();
    buildCommandButtons();
    buildStatusStrip();
    buildTabOrder();
    setUpAccessibleNames();
    enableFocusMarks(*this);
    connectControls();
    run([&] { resetToDefaultTask(); });
}

void ConstructorWindow::buildVessel(int v) {
    auto& c = vessels_[v];
    const int left = kColumnLefts[v];
    c.header = new BevelPanel(Bevel::Raised, toQColor(kHeaderColor), kHeaderCaptions[v], sourceGroup_);
    c.header->setObjectName(QString::fromLatin1(kHeaderNames[v]));
    c.header->setGeometry(left, 25, 97, 25);
    c.area = new QWidget(sourceGroup_);
    c.area->setObjectName(QString::fromLatin1(kAreaNames[v]));
    c.area->setGeometry(left, 56, VesselView::kAreaWidth, VesselView::kAreaHeight);
    c.bar = new VesselView(c.area);
    c.bar->setObjectName(QStringLiteral("s") + QLatin1Char(kVesselKeyLetters[v]));
    c.bar->move(0, 0);

    // Beside the preview: the colours and the numbers.
    const int right = left + 103;
    const QString letter{QLatin1Char(kVesselKeyLetters[v])};
    makeLabel(QStringLiteral("Цвет:"), right, 62, sourceGroup_);
    c.fill = new ColorSquare(toQColor(kDefaultFillColor), sourceGroup_);
    c.fill->setObjectName(QStringLiteral("s%1c1").arg(letter));
    c.fill->setGeometry(kSquareLefts[v], 56, 25, 25);
    c.empty = new ColorSquare(toQColor(kDefaultEmptyColor), sourceGroup_);
    c.empty->setObjectName(QStringLiteral("s%1c2").arg(letter));
    c.empty->setGeometry(kSquareLefts[v] + 31, 56, 25, 25);
    if (v == VesselA) {
        unlimitedSourceBox_ = new QCheckBox(QStringLiteral("Бесконечный"), sourceGroup_);
        unlimitedSourceBox_->setObjectName(QStringLiteral("saef"));
        unlimitedSourceBox_->setGeometry(right, 84, 97, 17);
    }
    makeLabel(QStringLiteral("Высота:"), right, 105, sourceGroup_);
    c.height = makeSpin("", kMinHeight, kMaxHeight, kMaxHeight, QRect(right, 124, 90, 22), sourceGroup_);
    c.height->setObjectName(QStringLiteral("s%1h").arg(letter));
    makeLabel(QStringLiteral("Ёмкость (Max):"), right, 153, sourceGroup_);
    c.capacity =
        makeSpin("", kMinCapacity, kMaxCapacity, kMaxCapacity, QRect(right, 172, 90, 22), sourceGroup_);
    c.capacity->setObjectName(QStringLiteral("s%1em").arg(letter));
    makeLabel(QStringLiteral("Ёмкость (Тек):"), right, 200, sourceGroup_);
    c.amount = makeSpin("", 0, kMaxCapacity, kMaxCapacity, QRect(right, 219, 90, 22), sourceGroup_);
    c.amount->setObjectName(QStringLiteral("s%1et").arg(letter));
}

void ConstructorWindow::buildPourBackChoice() {
    pourBackAllowedButton_ = new QRadioButton(
        QStringLiteral("При переливании МОЖНО сливать жидкость в Сосуд \"А\""), sourceGroup_);
    pourBackAllowedButton_->setObjectName(QStringLiteral("rb1"));
    pourBackAllowedButton_->setGeometry(24, 244, 345, 17);
    pourBackAllowedButton_->setChecked(true);
    pourBackAllowedButton_->setEnabled(false);
    pourBackForbiddenButton_ = new QRadioButton(
        QStringLiteral("При переливании НЕЛЬЗЯ сливать жидкость в Сосуд \"А\""), sourceGroup_);
    pourBackForbiddenButton_->setObjectName(QStringLiteral("rb2"));
    pourBackForbiddenButton_->setGeometry(24, 263, 345, 17);
    pourBackForbiddenButton_->setEnabled(false);

    auto* bevel = new QFrame(sourceGroup_);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(10, 286, 660, 2);
}

void ConstructorWindow::buildStatementEditor() {
    makeLabel(QStringLiteral("Формулировка задания:"), 24, 293, sourceGroup_)
        ->setObjectName(QStringLiteral("Label13"));
    statement_ = new QTextEdit(sourceGroup_);
    statement_->setObjectName(QStringLiteral("fz"));
    statement_->setGeometry(24, 313, 329, 122);
    statement_->setFont(tahoma(11));
    statement_->setAcceptRichText(false);
    statement_->setTabChangesFocus(true);
    statement_->setFrameStyle(QFrame::Box | QFrame::Plain);
    statement_->setLineWidth(1);
    statement_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    statement_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    statement_->document()->setDocumentMargin(2);
    {
        QPalette p = statement_->palette();
        p.setColor(QPalette::Base, Qt::white);
        p.setColor(QPalette::Text, Qt::black);
        p.setColor(QPalette::WindowText, Qt::black);
        // The selection stays highlighted when the editor loses the focus.
        for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
            p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
        }
        statement_->setPalette(p);
    }
    // The editor wraps at a fixed width, that of its text area beside the scroll bar, so its lines are the
    // same whether or not the window has been shown yet.
    const int scrollBar = statement_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, statement_);
    statement_->setLineWrapMode(QTextEdit::FixedPixelWidth);
    statement_->setLineWrapColumnOrWidth(statement_->width() - 2 * statement_->frameWidth() - scrollBar);
}

void ConstructorWindow::buildTitleEditors() {
    makeLabel(QStringLiteral("Названия столбиков:"), 371, 293, sourceGroup_)
        ->setObjectName(QStringLiteral("Label14"));
    commonTitle_ = new QLineEdit(sourceGroup_);
    commonTitle_->setObjectName(QStringLiteral("ns"));
    commonTitle_->setGeometry(371, 312, 284, 21);
    commonTitle_->setFont(tahoma(11));
    for (int v = 0; v < kVesselCount; ++v) {
        auto* title = new QLineEdit(sourceGroup_);
        title->setObjectName(QStringLiteral("ns") + QString::number(v + 1));
        title->setGeometry(371, 339 + 27 * v, 284, 21);
        title->setFont(tahoma(11));
        columnTitles_[v] = title;
    }
}

void ConstructorWindow::connectControls() {
    for (int v = 0; v < kVesselCount; ++v) {
        for (VesselNumber field : kVesselNumbers) {
            connect(numberEditor(v, field), &QLineEdit::textChanged, this,
                    [this, v, field] { numberChanged(v, field); });
        }
        connect(vessels_[v].fill, &ColorSquare::clicked, this, [this, v] { chooseColor(v, true); });
        connect(vessels_[v].empty, &ColorSquare::clicked, this, [this, v] { chooseColor(v, false); });
        connect(columnTitles_[v], &QLineEdit::textChanged, this, [this, v] { columnTitleChanged(v); });
    }
    connect(unlimitedSourceBox_, &QCheckBox::toggled, this, &ConstructorWindow::unlimitedSourceToggled);
    // Of the radio pair only the button that becomes selected runs its rule.
    connect(pourBackAllowedButton_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            pourBackAllowedChosen();
        }
    });
    connect(pourBackForbiddenButton_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            pourBackForbiddenChosen();
        }
    });
    connect(solutionControlBox_, &QCheckBox::toggled, this, &ConstructorWindow::solutionControlToggled);
    connect(statement_, &QTextEdit::textChanged, this, &ConstructorWindow::statementChanged);
    connect(commonTitle_, &QLineEdit::textChanged, this, &ConstructorWindow::commonTitleChanged);
    connect(loadButton_, &QPushButton::clicked, this, &ConstructorWindow::loadTask);
    connect(saveAsButton_, &QPushButton::clicked, this, &ConstructorWindow::saveTaskAs);
    connect(saveButton_, &QPushButton::clicked, this, &ConstructorWindow::saveTask);
    connect(resetButton_, &QPushButton::clicked, this, &ConstructorWindow::resetToDefaultTask);
    connect(closeButton_, &QPushButton::clicked, this, &ConstructorWindow::closeWindow);
}

void ConstructorWindow::buildResultGroup() {
    resultGroup_ = new QGroupBox(QStringLiteral(" Результат "), this);
    resultGroup_->setObjectName(QStringLiteral("GroupBox2"));
    resultGroup_->setGeometry(695, 8, 210, 118);
    resultGroup_->setFont(tahoma(11, true));
    const int panelLefts[kVesselCount] = {12, 78, 143};
    const char* panelNames[kVesselCount] = {"Panel6", "Panel7", "Panel8"};
    const char* targetNames[kVesselCount] = {"saer", "sber", "sver"};
    for (int v = 0; v < kVesselCount; ++v) {
        auto* panel = new BevelPanel(Bevel::Raised, toQColor(kHeaderColor),
                                     QString::fromStdString(kVesselLetters[v]), resultGroup_);
        panel->setObjectName(QString::fromLatin1(panelNames[v]));
        panel->setGeometry(panelLefts[v], 25, 58, 25);
        vessels_[v].target = makeSpin(targetNames[v], 0, kMaxCapacity, kMaxCapacity,
                                      QRect(panelLefts[v] + 1, 60, 58, 22), resultGroup_);
    }
    solutionControlBox_ = new QCheckBox(QStringLiteral("Контролировать решение задачи"), resultGroup_);
    solutionControlBox_->setObjectName(QStringLiteral("krres"));
    solutionControlBox_->setGeometry(13, 92, 190, 16);
    solutionControlBox_->setFont(tahoma(11));
}

void ConstructorWindow::buildCommandButtons() {
    struct Command {
        QPushButton** button;
        const char* name;
        int top;
        int height;
        const char* caption;
    };
    const Command commands[] = {
        {&loadButton_, "SpeedButton7", 134, 40, "Загрузить настройки"},
        {&saveAsButton_, "SpeedButton8", 180, 41, "Сохранить настройки как ..."},
        {&saveButton_, "SpeedButton2", 227, 41, "Сохранить настройки"},
        {&resetButton_, "SpeedButton6", 274, 40, "Сбросить настройки"},
        {&closeButton_, "SpeedButton1", 421, 40, "Закрыть"},
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

void ConstructorWindow::buildStatusStrip() {
    statusStrip_ = new BevelPanel(Bevel::Sunken, palette().color(QPalette::Button), QString(), this);
    statusStrip_->setObjectName(QStringLiteral("Panel9"));
    statusStrip_->setGeometry(0, height() - kStatusHeight, width(), kStatusHeight);
    pathLabel_ = new PathLabel(statusStrip_);
    pathLabel_->setObjectName(QStringLiteral("put_tmk"));
    pathLabel_->move(5, 2);
    pathLabel_->setFont(tahoma(11));
    solutionLabel_ = new QLabel(statusStrip_);
    solutionLabel_->setObjectName(QStringLiteral("reshenie"));
    solutionLabel_->setFont(tahoma(11));
    solutionLabel_->setTextFormat(Qt::PlainText);
    solutionLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
}

void ConstructorWindow::buildTabOrder() {
    const auto& a = vessels_[VesselA];
    const auto& b = vessels_[VesselB];
    const auto& v = vessels_[VesselV];
    QWidget* order[] = {unlimitedSourceBox_,
                        a.height,
                        a.capacity,
                        a.amount,
                        pourBackAllowedButton_,
                        pourBackForbiddenButton_,
                        b.height,
                        b.capacity,
                        b.amount,
                        v.height,
                        v.capacity,
                        v.amount,
                        statement_,
                        commonTitle_,
                        columnTitles_[0],
                        columnTitles_[1],
                        columnTitles_[2],
                        a.target,
                        b.target,
                        v.target,
                        solutionControlBox_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

template <class Rule> void ConstructorWindow::run(Rule&& rule) {
    ensureBuilt();
    if (showing_) {
        return;
    }
    ++handlerDepth_;
    guarded(platform_, this, [&] {
        try {
            rule();
        } catch (...) {
            // The error report shows over the controls as the rule left them.
            if (handlerDepth_ == 1) {
                showEditor();
            }
            throw;
        }
    });
    --handlerDepth_;
    if (handlerDepth_ == 0) {
        showEditor();
    }
}

std::array<QColor, 16> ConstructorWindow::presetCustomColors() {
    constexpr Color values[16] = {11711154, 15253497, 12708278, 13549486, 9787430,  14869735,
                                  3328013,  14927001, 15592954, 7770742,  12963554, 12175041,
                                  9301950,  13555896, 16113281, 10013620};
    std::array<QColor, 16> colors;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        colors[i] = toQColor(values[i]);
    }
    return colors;
}

TaskDefinition ConstructorWindow::task() const {
    return editor_.task(statementLines());
}

std::vector<std::string> ConstructorWindow::statementLines() const {
    std::vector<std::string> lines;
    for (const ScreenLine& line : screenLines()) {
        lines.push_back(line.text);
    }
    return lines;
}

std::vector<ScreenLine> ConstructorWindow::screenLines() const {
    // The lines are those of the editor as it is made; asking for them makes it.
    const_cast<ConstructorWindow*>(this)->ensureBuilt();
    QTextDocument* document = statement_->document();
    // Asking for the size lays out the whole document at the editor's wrap width.
    document->documentLayout()->documentSize();
    std::vector<ScreenLine> lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() == 0) {
            lines.push_back({text.toStdString(), false});
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.push_back(
                {text.mid(line.textStart(), line.textLength()).toStdString(), i + 1 < layout->lineCount()});
        }
    }
    // A text that ends with a line break has an empty last line on screen, which is not a line of the task.
    if (!lines.empty() && lines.back().text.empty()) {
        lines.pop_back();
    }
    return lines;
}

void ConstructorWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        prepareForShowing();
    }
}

void ConstructorWindow::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the window: only "Закрыть" and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ConstructorWindow::prepareForShowing() {
    run([&] {
        resetToDefaultTask();
        unlimitedSourceBox_->setFocus(Qt::OtherFocusReason);
    });
}

void ConstructorWindow::numberChanged(int vessel, VesselNumber field) {
    run([&] { editor_.editNumber(vessel, field, numberEditor(vessel, field)->text().toStdString()); });
}

void ConstructorWindow::chooseColor(int vessel, bool fill) {
    run([&] {
        const QColor current = toQColor(fill ? editor_.fillColor(vessel) : editor_.emptyColor(vessel));
        const std::optional<QColor> chosen = platform_.chooseColor(this, current, presetCustomColors());
        if (chosen) {
            editor_.chooseColor(vessel, fill, fromQColor(*chosen));
        }
    });
}

void ConstructorWindow::columnTitleChanged(int vessel) {
    run([&] { editor_.setColumnTitle(vessel, columnTitles_[vessel]->text().toStdString()); });
}

void ConstructorWindow::unlimitedSourceToggled() {
    run([&] { editor_.setUnlimited(unlimitedSourceBox_->isChecked()); });
}

void ConstructorWindow::pourBackAllowedChosen() {
    run([&] { editor_.selectPourBack(true); });
}

void ConstructorWindow::pourBackForbiddenChosen() {
    run([&] { editor_.selectPourBack(false); });
}

void ConstructorWindow::solutionControlToggled() {
    run([&] { editor_.setSolutionControl(solutionControlBox_->isChecked()); });
}

void ConstructorWindow::statementChanged() {
    run([&] { editor_.setStatement(statement_->toPlainText().toStdString()); });
}

void ConstructorWindow::commonTitleChanged() {
    run([&] { editor_.setCommonTitle(commonTitle_->text().toStdString()); });
}

void ConstructorWindow::closeWindow() {
    close();
}

void ConstructorWindow::resetToDefaultTask() {
    run([&] { editor_.reset(); });
}

void ConstructorWindow::loadTask() {
    run([&] {
        FileDialogRequest request;
        request.title = QStringLiteral("Выбрать задание для исполнителя \"Тримерка\"");
        request.filter = taskFilter();
        request.directory = platform_.examplesFolder();
        const std::optional<QString> chosen = platform_.openFileName(this, request);
        if (!chosen) {
            return;
        }
        const QString path = fromStd(WithTaskExtension(chosen->toStdString()));
        editor_.load(path.toStdString(), TaskFileValues(toFilePath(path)));
    });
}

void ConstructorWindow::saveTask() {
    run([&] {
        if (editor_.beginSave()) {
            writeTask(fromStd(editor_.currentFile()));
        }
    });
}

void ConstructorWindow::saveTaskAs() {
    run([&] {
        FileDialogRequest request;
        request.directory = platform_.saveFolder();
        request.filter = taskFilter();
        request.title = saveAsTitle();
        request.fileName =
            QStringLiteral("Trimerka ") + platform_.now().toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss"));
        const std::optional<QString> chosen = platform_.saveFileName(this, request);
        if (!chosen) {
            return;
        }
        // The dialog asked about the name chosen in it; the file written is the one with the extension.
        const QString path = fromStd(WithTaskExtension(chosen->toStdString()));
        if (path != *chosen && QFileInfo::exists(path) &&
            !platform_.confirmReplace(this, saveAsTitle(), path)) {
            return;
        }
        editor_.settle();
        writeTask(path);
        editor_.savedAs(path.toStdString());
    });
}

void ConstructorWindow::writeTask(const QString& path) const {
    WriteTaskFile(toFilePath(path), editor_.task(FileStatementLines(screenLines())));
}

SpinEdit* ConstructorWindow::numberEditor(int vessel, VesselNumber field) const {
    const VesselControls& c = vessels_[vessel];
    switch (field) {
    case VesselNumber::Height:
        return c.height;
    case VesselNumber::Capacity:
        return c.capacity;
    case VesselNumber::Amount:
        return c.amount;
    case VesselNumber::Target:
        break;
    }
    return c.target;
}

void ConstructorWindow::showEditor() {
    showing_ = true;
    for (int v = 0; v < kVesselCount; ++v) {
        VesselControls& c = vessels_[v];
        for (VesselNumber field : kVesselNumbers) {
            const NumberField& number = editor_.number(v, field);
            SpinEdit* spin = numberEditor(v, field);
            spin->setRange(number.minimum, number.maximum);
            const QString text = fromStd(number.text);
            if (spin->text() != text) {
                spin->setText(text);
            }
            spin->setEnabled(number.enabled);
        }
        const PreviewBar& bar = editor_.bar(v);
        // The capacity before the amount, which the bar limits by it.
        c.bar->setCapacity(bar.capacity);
        c.bar->setAmount(bar.amount);
        c.bar->setBarHeight(bar.height);
        c.bar->setFillColor(toQColor(editor_.fillColor(v)));
        c.bar->setEmptyColor(toQColor(editor_.emptyColor(v)));
        c.fill->setColor(toQColor(editor_.fillColor(v)));
        c.empty->setColor(toQColor(editor_.emptyColor(v)));
    }
    unlimitedSourceBox_->setChecked(editor_.unlimited());
    (editor_.pourBackAllowed() ? pourBackAllowedButton_ : pourBackForbiddenButton_)->setChecked(true);
    pourBackAllowedButton_->setEnabled(editor_.pourBackChoiceEnabled());
    pourBackForbiddenButton_->setEnabled(editor_.pourBackChoiceEnabled());
    unlimitedArrow_->setVisible(editor_.unlimitedArrowShown());
    pourBackArrow_->setVisible(editor_.pourBackArrowShown());
    solutionControlBox_->setChecked(editor_.solutionControl());
    if (shownTextRevision_ != editor_.textRevision()) {
        shownTextRevision_ = editor_.textRevision();
        statement_->setPlainText(fromStd(editor_.statement()));
        commonTitle_->setText(fromStd(editor_.commonTitle()));
        for (int v = 0; v < kVesselCount; ++v) {
            columnTitles_[v]->setText(fromStd(editor_.columnTitle(v)));
        }
    }
    saveButton_->setEnabled(editor_.saveEnabled());
    placeStatusStrip();
    showing_ = false;
}

void ConstructorWindow::placeStatusStrip() {
    solutionLabel_->setText(fromStd(editor_.solutionText()));
    solutionLabel_->adjustSize();
    // The label keeps its own part of the strip at the right; the path takes what is left.
    constexpr int kMargin = 5;
    constexpr int kGap = 16;
    solutionLabel_->move(width() - kMargin - solutionLabel_->width(), 2);
    pathLabel_->showPath(fromStd(editor_.currentFile()), solutionLabel_->x() - kGap - pathLabel_->x());
}

} // namespace trimerka
