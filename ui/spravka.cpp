#include "ui/spravka.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolButton>

#include "platform/ErrorReport.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "ui/AuthorInfo.h"
#include "ui/Controls.h"
#include "ui/FocusMarks.h"

namespace trimerka {

const QString TForm10::kMailSubject = QStringLiteral("?Subject=Trimerka 13.3.19 build 29 (19.03.2013)");

namespace {

const QColor kBlack(0, 0, 0);
const QColor kLinkHover(0, 0, 255);
const QColor kLinkPressed(255, 0, 0);

// Labels draw their text in WindowText, tool buttons in ButtonText: both roles take the colour.
void setTextColors(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

QFont withUnderline(QFont font, bool underline) {
    font.setUnderline(underline);
    return font;
}

// The two links share their looks: blue and underlined under the pointer, black once it leaves, red while
// pressed (colour only) until the pointer moves again.
void setLinkLook(QLabel* link, const QColor& color, bool underline) {
    setTextColors(link, color);
    link->setFont(withUnderline(link->font(), underline));
}

// A label drawn from its top-left corner. A label given no width takes the width of its text; one given a
// width still grows to its text, so a longer configured name or address is never cut off.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    const QSize hint = label->sizeHint();
    label->setGeometry(geometry.left(), geometry.top(), std::max(geometry.width(), hint.width()),
                       geometry.height() > 0 ? geometry.height() : hint.height());
    return label;
}

// A picture at its own size, centred in its frame, sharp on a high-density screen.
QLabel* makePicture(QWidget* parent, const char* name, const QString& path, QRect geometry) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(geometry);
    picture->setAlignment(Qt::AlignCenter);
    setNaturalPictureOnFirstShow(picture, path);
    return picture;
}

} // namespace

TForm10::TForm10(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      platform_(platform) {
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(488, 406);
    setFont(tahoma(11));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    Label1 = makeLabel(this, "Label1", QStringLiteral("Исполнитель \"Тримерка\""), {32, 24, 289, 23},
                       tahoma(19, true));
    setTextColors(Label1, QColor(0, 0, 255));
    Label2 = makeLabel(this, "Label2", QStringLiteral("Версия: 13.3.19 (Build 29)"), {44, 53, 144, 13},
                       tahoma(11, true));
    setTextColors(Label2, QColor(0, 0, 210));
    Image1 = makePicture(this, "Image1", QStringLiteral(":/pictures/emblem.svg"), {299, 8, 169, 173});
    // The title may reach under the emblem's transparent margin; the emblem stays on top.
    Image1->raise();

    const QFont pageFont = withUnderline(tahoma(11, true), true);
    sb1 = makeFlatButton(this, "sb1", QStringLiteral("О программе"), QStringLiteral(":/icons/help.svg"),
                         {8, 165, 113, 22}, pageFont);
    sb2 = makeFlatButton(this, "sb2", QStringLiteral("Об авторе"), QStringLiteral(":/icons/author.svg"),
                         {121, 165, 96, 22}, pageFont);
    auto* pages = new QButtonGroup(this);
    for (QToolButton* button : {sb1, sb2}) {
        button->setCheckable(true);
        setTextColors(button, kBlack);
        pages->addButton(button);
    }
    pages->setExclusive(true);
    sb1->setChecked(true);
    connect(sb1, &QToolButton::clicked, this, &TForm10::sb1Click);
    connect(sb2, &QToolButton::clicked, this, &TForm10::sb2Click);

    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setGeometry(7, 193, 473, 177);
    Memo->setReadOnly(true);
    Memo->setFrameShape(QFrame::NoFrame);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setFocusPolicy(Qt::ClickFocus);
    Memo->setFont(tahoma(11));
    QPalette memoPalette = Memo->palette();
    memoPalette.setColor(QPalette::Base, palette().color(QPalette::Button));
    memoPalette.setColor(QPalette::Text, kBlack);
    Memo->setPalette(memoPalette);
    Memo->setPlainText(descriptionLines().join(QLatin1Char('\n')));

    buildAuthorPage();

    CloseForm = makeFlatButton(this, "CloseForm", QStringLiteral("Закрыть"),
                               QStringLiteral(":/icons/close.svg"), {384, 376, 97, 25}, tahoma(11, true));
    connect(CloseForm, &QToolButton::clicked, this, &TForm10::CloseFormClick);
    enableFocusMarks(*this);
}

void TForm10::buildAuthorPage() {
    panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setGeometry(8, 192, 473, 177);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    panel->hide();

    Image3 = makePicture(panel, "Image3", QStringLiteral(":/pictures/author.svg"), {10, 10, 113, 155});
    makeLabel(panel, "Label10", QStringLiteral("Автор программы:"), {192, 24, 0, 0}, tahoma(11));
    Label3 =
        makeLabel(panel, "Label3", QString::fromUtf8(author::kName), {202, 48, 201, 16}, tahoma(13, true));
    setTextColors(Label3, kBlack);
    makeLabel(panel, "Label11", QStringLiteral("Как связаться с автором:"), {192, 80, 0, 0}, tahoma(11));
    setTextColors(makeLabel(panel, "Label4", QStringLiteral("Сайт:"), {241, 104, 0, 0}, tahoma(11)), kBlack);
    makeLabel(panel, "Label5", QStringLiteral("E-mail:"), {238, 128, 0, 0}, tahoma(11));

    Label110 =
        makeLabel(panel, "Label110", QString::fromUtf8(author::kSite), {282, 104, 70, 13}, tahoma(11, true));
    Label108 = makeLabel(panel, "Label108", QString::fromUtf8(author::kEmail), {282, 128, 114, 13},
                         tahoma(11, true));
    for (QLabel* link : {Label110, Label108}) {
        setTextColors(link, kBlack);
        link->setCursor(Qt::PointingHandCursor);
        link->setMouseTracking(true);
        link->installEventFilter(this);
    }
}

QStringList TForm10::descriptionLines() {
    return {
        QStringLiteral("    "),
        QStringLiteral("    Версия программы: 19.03.2013"),
        QString(),
        QStringLiteral("    Исполнитель \"Тримерка\" работает с тремя сосудами. В каждом из сосудов "),
        QStringLiteral("    может содержаться жидкость (вещество). Исполнитель \"Тримерка\" поможет "),
        QStringLiteral("    переливать (пересыпать) жидкость (вещество) между сосудами."),
        QString(),
        QStringLiteral(
            "    Команда исполнителя имеет вид \"А - Б\" (перелить жидкость из сосуда А в сосуд Б)."),
        QString(),
        QStringLiteral(
            "    Команда формируется с помощью нажатия кнопок \"Сосуд А\", \"Сосуд Б\" и \"Сосуд В\"."),
        QString(),
        QStringLiteral("    Дополнительные параметры:"),
        QStringLiteral("    - Объём \"Сосуда А\" может быть ограничен или бесконечен;"),
        QStringLiteral("    - При переливании МОЖНО сливать жидкость в \"Сосуд А\";"),
        QStringLiteral("    - При переливании НЕЛЬЗЯ сливать жидкость в \"Сосуд А\"."),
    };
}

void TForm10::sb1Click() {
    guarded(platform_, this, [&] {
        panel->hide();
        Memo->show();
    });
}

void TForm10::sb2Click() {
    guarded(platform_, this, [&] {
        panel->show();
        Memo->hide();
    });
}

void TForm10::Label110Click() {
    guarded(platform_, this, [&] { platform_.shellOpen(this, QString::fromUtf8(author::kSite)); });
}

void TForm10::Label108Click() {
    guarded(platform_, this, [&] {
        platform_.shellOpen(this,
                            QStringLiteral("mailto:") + QString::fromUtf8(author::kEmail) + kMailSubject);
    });
}

void TForm10::Label110MouseDown() {
    guarded(platform_, this, [&] { setTextColors(Label110, kLinkPressed); });
}

void TForm10::Label110MouseMove() {
    guarded(platform_, this, [&] { setLinkLook(Label110, kLinkHover, true); });
}

void TForm10::Label110MouseLeave() {
    guarded(platform_, this, [&] { setLinkLook(Label110, kBlack, false); });
}

void TForm10::Label108MouseDown() {
    guarded(platform_, this, [&] { setTextColors(Label108, kLinkPressed); });
}

void TForm10::Label108MouseMove() {
    guarded(platform_, this, [&] { setLinkLook(Label108, kLinkHover, true); });
}

void TForm10::Label108MouseLeave() {
    guarded(platform_, this, [&] { setLinkLook(Label108, kBlack, false); });
}

void TForm10::CloseFormClick() {
    guarded(platform_, this, [&] { close(); });
}

bool TForm10::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label110 || watched == Label108) {
        linkEvent(static_cast<QLabel*>(watched), event);
    }
    return QDialog::eventFilter(watched, event);
}

void TForm10::linkEvent(QLabel* link, QEvent* event) {
    const bool site = link == Label110;
    switch (event->type()) {
    case QEvent::MouseMove:
        site ? Label110MouseMove() : Label108MouseMove();
        break;
    case QEvent::Leave:
        site ? Label110MouseLeave() : Label108MouseLeave();
        break;
    case QEvent::MouseButtonPress: {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            pressedLink_ = link;
        }
        site ? Label110MouseDown() : Label108MouseDown();
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) {
            break;
        }
        const bool click = pressedLink_ == link && link->rect().contains(mouse->position().toPoint());
        pressedLink_ = nullptr;
        if (click) {
            site ? Label110Click() : Label108Click();
        }
        break;
    }
    default:
        break;
    }
}

} // namespace trimerka
