#include "ui/Controls.h"

#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QToolButton>

#include "platform/Fonts.h"

namespace trimerka {

QColor toQColor(Color c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

Color fromQColor(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::WindowFlags dialogFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

void setBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

QPixmap picture(const QString& path, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    if (QFile::exists(path)) {
        QSvgRenderer renderer(path);
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    return pixmap;
}

QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, int x, int y, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(tahoma(11, bold));
    label->move(x, y);
    label->adjustSize();
    label->resize(label->width(), 13);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QRect geometry, bool bold) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(tahoma(11, bold));
    button->setGeometry(geometry);
    return button;
}

QToolButton* makeFlatButton(QWidget* parent, const char* name, const QString& text, const QString& icon,
                            QRect geometry, const QFont& font) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(16, 16));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setFont(font);
    button->setGeometry(geometry);
    return button;
}

void setUpStatementMemo(QPlainTextEdit* memo) {
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setWordWrapMode(QTextOption::WordWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFrameStyle(QFrame::Box | QFrame::Plain);
    memo->setLineWidth(1);
    memo->setFocusPolicy(Qt::ClickFocus);
    memo->setTabChangesFocus(true);
    QPalette p = memo->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    // The selection keeps its colour while the memo has no focus.
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
    }
    memo->setPalette(p);
}

void drawBevel(QPainter& painter, const QRect& r, const QColor& top, const QColor& bottom) {
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), top);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), top);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottom);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottom);
}

int stepStatementPoints(int points, int step) {
    const int next = points + step;
    return next >= kMinStatementPoints && next <= kMaxStatementPoints ? next : points;
}

} // namespace trimerka
