#include "ui/Controls.h"

#include <algorithm>
#include <iterator>

#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResource>
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

std::filesystem::path toFilePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

Qt::WindowFlags dialogFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

bool isPlainEnter(const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
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

// The rendering of a drawing made by the build: ":/pictures/isaef.svg" is rendered as
// ":/pictures/isaef.pixels", its width and height as 32-bit little-endian numbers, then its premultiplied
// pixels as the bytes R, G, B, A, row by row (resources/render_pictures.cpp writes it).
QString renderingOf(const QString& drawing) {
    QString path = drawing;
    if (path.endsWith(QLatin1String(".svg"))) {
        path.replace(path.size() - 4, 4, QStringLiteral(".pixels"));
    }
    return path;
}

constexpr qsizetype kRenderingHeader = 8;

quint32 numberAt(const QByteArray& bytes, qsizetype at) {
    quint32 number = 0;
    for (int i = 3; i >= 0; --i) {
        number = (number << 8) | static_cast<quint8>(bytes[at + i]);
    }
    return number;
}

// The bytes of a rendering, unpacked, or none if the resource is absent or not a whole rendering.
QByteArray renderingBytes(const QString& rendering) {
    const QResource resource(rendering);
    const QByteArray bytes = resource.isValid() ? resource.uncompressedData() : QByteArray();
    if (bytes.size() < kRenderingHeader) {
        return {};
    }
    const qint64 pixels = qint64(numberAt(bytes, 0)) * numberAt(bytes, 4);
    return bytes.size() == kRenderingHeader + pixels * 4 ? bytes : QByteArray();
}

QSize renderingSize(const QString& rendering) {
    const QByteArray bytes = renderingBytes(rendering);
    return bytes.isEmpty() ? QSize() : QSize(int(numberAt(bytes, 0)), int(numberAt(bytes, 4)));
}

// A rendering's pixels as a new pixmap; a null pixmap if there is none.
QPixmap decodedRendering(const QString& path) {
    const QByteArray bytes = renderingBytes(path);
    if (bytes.isEmpty()) {
        return {};
    }
    const QImage pixels(reinterpret_cast<const uchar*>(bytes.constData()) + kRenderingHeader,
                        int(numberAt(bytes, 0)), int(numberAt(bytes, 4)),
                        QImage::Format_RGBA8888_Premultiplied);
    return QPixmap::fromImage(pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

// A rendering as a pixmap, read through the pixmap cache: the windows, the toolbar and the menu that show the
// same picture share one copy of its pixels.
QPixmap rendering(const QString& path) {
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap = decodedRendering(path);
        if (!pixmap.isNull()) {
            QPixmapCache::insert(path, pixmap);
        }
    }
    return pixmap;
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
            const QString path = renderingOf(drawing_);
            static_cast<QLabel*>(watched)->setPixmap(
                renderingsFitTheScreen() ? rendering(path) : QIcon(drawing_).pixmap(renderingSize(path)));
            deleteLater();
        }
        return false;
    }

private:
    QString drawing_;
};

// The program's icon at the sizes the build rendered. The pixels are read each time a window system asks
// for them, and not kept: a window hands its icon to the window system once, when it is first shown, one size
// at a time. A size or a mode the build did not render is made as Qt makes it from all the renderings.
class ProgramIconEngine : public QIconEngine {
public:
    static constexpr int kSizes[] = {16, 32, 64, 128};

    QIconEngine* clone() const override { return new ProgramIconEngine; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : kSizes) {
            sizes << QSize(side, side);
        }
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return isRendered(size) ? size : icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (mode == QIcon::Normal && isRendered(size)) {
            return decodedRendering(renderingPath(size.width()));
        }
        return icon().pixmap(size, 1.0, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QString key() const override { return QStringLiteral("trimerka-program-icon"); }

private:
    static QString renderingPath(int side) { return QStringLiteral(":/icons/trimerka-%1.pixels").arg(side); }
    static bool isRendered(const QSize& size) {
        return size.width() == size.height() &&
               std::find(std::begin(kSizes), std::end(kSizes), size.width()) != std::end(kSizes);
    }
    // The icon as it would be with every rendering added to it, for this one request.
    static QIcon icon() {
        QIcon icon;
        for (int side : kSizes) {
            const QPixmap pixmap = decodedRendering(renderingPath(side));
            if (!pixmap.isNull()) {
                icon.addPixmap(pixmap);
            }
        }
        return icon;
    }
};

} // namespace

QPixmap picture(const QString& drawing, QSize size) {
    QPixmap pixmap = rendering(renderingOf(drawing));
    if (pixmap.isNull()) {
        pixmap = QPixmap(size);
        pixmap.fill(Qt::transparent);
    } else if (pixmap.size() != size) {
        pixmap = pixmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return pixmap;
}

QSize pictureSize(const QString& drawing) {
    return renderingSize(renderingOf(drawing));
}

void setNaturalPictureOnFirstShow(QLabel* label, const QString& drawing) {
    new PictureOnFirstShow(label, drawing);
}

QIcon pictureIcon(const QString& drawing) {
    if (!renderingsFitTheScreen()) {
        return QIcon(drawing);
    }
    QIcon icon;
    icon.addPixmap(rendering(renderingOf(drawing)));
    return icon;
}

QIcon programIcon() {
    if (!renderingsFitTheScreen()) {
        return QIcon(QStringLiteral(":/icons/trimerka.svg"));
    }
    return QIcon(new ProgramIconEngine);
}

namespace {

QLabel* makeArrow(QWidget* parent, const char* name, QRect geometry) {
    auto* arrow = new QLabel(parent);
    arrow->setObjectName(QLatin1String(name));
    arrow->setGeometry(geometry);
    arrow->setPixmap(picture(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name)), geometry.size()));
    arrow->hide();
    return arrow;
}

} // namespace

VesselArrows makeVesselArrows(QWidget* parent) {
    QLabel* unlimited = makeArrow(parent, "isaef", QRect(12, 130, 46, 50));
    QLabel* pourBack = makeArrow(parent, "isasl", QRect(40, 120, 46, 50));
    // The arrows are pictures: a screen reader says what they mean.
    unlimited->setAccessibleName(QStringLiteral("Сосуд А — бесконечный источник"));
    pourBack->setAccessibleName(QStringLiteral("В сосуд А можно сливать жидкость"));
    return {unlimited, pourBack};
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

int stepStatementPoints(int points, int step) {
    const int next = points + step;
    return next >= kMinStatementPoints && next <= kMaxStatementPoints ? next : points;
}

} // namespace trimerka
