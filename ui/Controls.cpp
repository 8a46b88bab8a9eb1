#include "ui/Controls.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
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

namespace {

// The PNG rendering of a drawing: ":/pictures/isaef.svg" is rendered as ":/pictures/isaef.png".
QString renderingOf(const QString& drawing) {
    QString path = drawing;
    if (path.endsWith(QLatin1String(".svg"))) {
        path.replace(path.size() - 4, 4, QStringLiteral(".png"));
    }
    return path;
}

// The renderings give the very pixels the drawing gives on a screen of ratio 1. Any other ratio, where the
// drawing is rendered at the size the screen asks for, takes the drawing itself.
bool renderingsFitTheScreen() {
    return qFuzzyCompare(qApp->devicePixelRatio(), 1.0);
}

// Sets a label's picture when the label is first shown, then leaves.
class PictureOnFirstShow : public QObject {
public:
    PictureOnFirstShow(QLabel* label, const QString& drawing) : QObject(label), drawing_(drawing) {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            const QString rendering = renderingOf(drawing_);
            static_cast<QLabel*>(watched)->setPixmap(
                renderingsFitTheScreen() ? QPixmap(rendering)
                                         : QIcon(drawing_).pixmap(QImageReader(rendering).size()));
            deleteLater();
        }
        return false;
    }

private:
    QString drawing_;
};

} // namespace

QPixmap picture(const QString& drawing, QSize size) {
    // Read through the pixmap cache: the windows that show the same picture share one decoded copy.
    QPixmap pixmap(renderingOf(drawing));
    if (pixmap.isNull()) {
        pixmap = QPixmap(size);
        pixmap.fill(Qt::transparent);
    } else if (pixmap.size() != size) {
        pixmap = pixmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return pixmap;
}

void setNaturalPictureOnFirstShow(QLabel* label, const QString& drawing) {
    new PictureOnFirstShow(label, drawing);
}

QIcon pictureIcon(const QString& drawing) {
    if (!renderingsFitTheScreen()) {
        return QIcon(drawing);
    }
    // Through the pixmap cache, so that the toolbar and the menu share one decoded copy of an icon.
    QIcon icon;
    icon.addPixmap(QPixmap(renderingOf(drawing)));
    return icon;
}

QIcon programIcon() {
    const QString drawing = QStringLiteral(":/icons/trimerka.svg");
    if (!renderingsFitTheScreen()) {
        return QIcon(drawing);
    }
    // The sizes the window system is given for a scalable icon, each rendered by the build as the icon would
    // render it (resources/CMakeLists.txt).
    QIcon icon;
    for (int size : {16, 32, 64, 128}) {
        icon.addFile(QStringLiteral(":/icons/trimerka-%1.png").arg(size));
    }
    return icon;
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
    button->setIcon(pictureIcon(icon));
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
