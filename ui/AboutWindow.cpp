#include "ui/AboutWindow.h"

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

const QString AboutWindow::kMailSubject = QStringLiteral("?Subject=Trimerka 13.3.19 build 29 (19.03.2013)");

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

AboutWindow::AboutWindow(Platform& platform, QWidget* parent)
    : LazyDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                             Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      platform_(platform) {
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(488, 406);
    setFont(tahoma(11));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
}

void AboutWindow::buildControls() {
    titleLabel_ = makeLabel(this, "Label1", QStringLiteral("Исполнитель \"Тримерка\""), {32, 24, 289, 23},
                            tahoma(19, true));
    setTextColors(titleLabel_, QColor(0, 0, 255));
    versionLabel_ = makeLabel(this, "Label2", QStringLiteral("Версия: 13.3.19 (Build 29)"), {44, 53, 144, 13},
                              tahoma(11, true));
    setTextColors(versionLabel_, QColor(0, 0, 210));
    emblemPicture_ = makePicture(this, "Image1", QStringLiteral(":/pictures/emblem.svg"), {299, 8, 169, 173});
    // The title may reach under the emblem's transparent margin; the emblem stays on top.
    emblemPicture_->raise();

    const QFont pageFont = withUnderline(tahoma(11, true), true);
    descriptionButton_ = makeFlatButton(this, "sb1", QStringLiteral("О программе"),
                                        QStringLiteral(":/icons/help.svg"), {8, 165, 113, 22}, pageFont);
    authorButton_ = makeFlatButton(this, "sb2", QStringLiteral("Об авторе"),
                                   QStringLiteral(":/icons/author.svg"), {121, 165, 96, 22}, pageFont);
    auto* pages = new QButtonGroup(this);
    for (QToolButton* button : {descriptionButton_, authorButton_}) {
        button->setCheckable(true);
        setTextColors(button, kBlack);
        pages->addButton(button);
    }
    pages->setExclusive(true);
    descriptionButton_->setChecked(true);
    connect(descriptionButton_, &QToolButton::clicked, this, &AboutWindow::showDescriptionPage);
    connect(authorButton_, &QToolButton::clicked, this, &AboutWindow::showAuthorPage);

    descriptionMemo_ = new QPlainTextEdit(this);
    descriptionMemo_->setObjectName(QStringLiteral("Memo"));
    descriptionMemo_->setGeometry(7, 193, 473, 177);
    descriptionMemo_->setReadOnly(true);
    descriptionMemo_->setFrameShape(QFrame::NoFrame);
    descriptionMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    descriptionMemo_->setFocusPolicy(Qt::ClickFocus);
    descriptionMemo_->setFont(tahoma(11));
    QPalette memoPalette = descriptionMemo_->palette();
    memoPalette.setColor(QPalette::Base, palette().color(QPalette::Button));
    memoPalette.setColor(QPalette::Text, kBlack);
    descriptionMemo_->setPalette(memoPalette);
    descriptionMemo_->setPlainText(descriptionLines().join(QLatin1Char('\n')));

    buildAuthorPage();

    closeButton_ = makeFlatButton(this, "CloseForm", QStringLiteral("Закрыть"),
                                  QStringLiteral(":/icons/close.svg"), {384, 376, 97, 25}, tahoma(11, true));
    connect(closeButton_, &QToolButton::clicked, this, &AboutWindow::closeWindow);
    enableFocusMarks(*this);
}

void AboutWindow::buildAuthorPage() {
    authorPanel_ = new QFrame(this);
    authorPanel_->setObjectName(QStringLiteral("panel"));
    authorPanel_->setGeometry(8, 192, 473, 177);
    authorPanel_->setFrameStyle(QFrame::Box | QFrame::Plain);
    authorPanel_->setLineWidth(1);
    authorPanel_->hide();

    authorPicture_ =
        makePicture(authorPanel_, "Image3", QStringLiteral(":/pictures/author.svg"), {10, 10, 113, 155});
    makeLabel(authorPanel_, "Label10", QStringLiteral("Автор программы:"), {192, 24, 0, 0}, tahoma(11));
    authorNameLabel_ = makeLabel(authorPanel_, "Label3", QString::fromUtf8(author::kName), {202, 48, 201, 16},
                                 tahoma(13, true));
    setTextColors(authorNameLabel_, kBlack);
    makeLabel(authorPanel_, "Label11", QStringLiteral("Как связаться с автором:"), {192, 80, 0, 0},
              tahoma(11));
    setTextColors(makeLabel(authorPanel_, "Label4", QStringLiteral("Сайт:"), {241, 104, 0, 0}, tahoma(11)),
                  kBlack);
    makeLabel(authorPanel_, "Label5", QStringLiteral("E-mail:"), {238, 128, 0, 0}, tahoma(11));

    siteLink_ = makeLabel(authorPanel_, "Label110", QString::fromUtf8(author::kSite), {282, 104, 70, 13},
                          tahoma(11, true));
    emailLink_ = makeLabel(authorPanel_, "Label108", QString::fromUtf8(author::kEmail), {282, 128, 114, 13},
                           tahoma(11, true));
    for (QLabel* link : {siteLink_, emailLink_}) {
        setTextColors(link, kBlack);
        link->setCursor(Qt::PointingHandCursor);
        link->setMouseTracking(true);
        link->installEventFilter(this);
    }
}

QStringList AboutWindow::descriptionLines() {
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

void AboutWindow::showDescriptionPage() {
    guarded(platform_, this, [&] {
        authorPanel_->hide();
        descriptionMemo_->show();
    });
}

void AboutWindow::showAuthorPage() {
    guarded(platform_, this, [&] {
        authorPanel_->show();
        descriptionMemo_->hide();
    });
}

// A browser or mail program that cannot be started is not reported: the shell's "open" raises nothing.
void AboutWindow::openSite() {
    platform_.shellOpen(this, QString::fromUtf8(author::kSite));
}

void AboutWindow::writeEmail() {
    platform_.shellOpen(this, QStringLiteral("mailto:") + QString::fromUtf8(author::kEmail) + kMailSubject);
}

void AboutWindow::siteLinkPressed() {
    guarded(platform_, this, [&] { setTextColors(siteLink_, kLinkPressed); });
}

void AboutWindow::siteLinkHovered() {
    guarded(platform_, this, [&] { setLinkLook(siteLink_, kLinkHover, true); });
}

void AboutWindow::siteLinkLeft() {
    guarded(platform_, this, [&] { setLinkLook(siteLink_, kBlack, false); });
}

void AboutWindow::emailLinkPressed() {
    guarded(platform_, this, [&] { setTextColors(emailLink_, kLinkPressed); });
}

void AboutWindow::emailLinkHovered() {
    guarded(platform_, this, [&] { setLinkLook(emailLink_, kLinkHover, true); });
}

void AboutWindow::emailLinkLeft() {
    guarded(platform_, this, [&] { setLinkLook(emailLink_, kBlack, false); });
}

void AboutWindow::closeWindow() {
    guarded(platform_, this, [&] { close(); });
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == siteLink_ || watched == emailLink_) {
        linkEvent(static_cast<QLabel*>(watched), event);
    }
    return LazyDialog::eventFilter(watched, event);
}

void AboutWindow::linkEvent(QLabel* link, QEvent* event) {
    const bool site = link == siteLink_;
    switch (event->type()) {
    case QEvent::MouseMove:
        site ? siteLinkHovered() : emailLinkHovered();
        break;
    case QEvent::Leave:
        site ? siteLinkLeft() : emailLinkLeft();
        break;
    case QEvent::MouseButtonPress: {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            pressedLink_ = link;
        }
        site ? siteLinkPressed() : emailLinkPressed();
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
            site ? openSite() : writeEmail();
        }
        break;
    }
    default:
        break;
    }
}

} // namespace trimerka
