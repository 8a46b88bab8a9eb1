#include "ui/Application.h"

#include <cstring>
#include <mutex>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QSettings>
#include <QStyleFactory>
#include <QTranslator>

#include "platform/Fonts.h"
#include "ui/AboutWindow.h"
#include "ui/CompletedWindow.h"
#include "ui/ConstructorWindow.h"
#include "ui/Controls.h"
#include "ui/MainWindow.h"
#include "ui/ProgramWindow.h"
#include "ui/TargetStateWindow.h"

namespace trimerka {

namespace {

// A picture of the style's own, taken from the style when it is first drawn or measured.
class StandardIconOnDemand : public QIconEngine {
public:
    StandardIconOnDemand(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    QIconEngine* clone() const override { return new StandardIconOnDemand(style_, which_); }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    const QIcon& icon() {
        if (!loaded_) {
            loaded_ = true;
            if (style_) {
                icon_ = style_->standardIcon(which_);
            }
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    bool loaded_ = false;
    QIcon icon_;
};

// The application's style, which draws everything as the desktop's style does. Only the arrows of the
// overflow buttons are read when first drawn: every menu bar makes such a button, though it shows only when
// the menu does not fit, and the style reads its arrow from an image file, and reading any image file loads
// every image format plug-in that Qt has, a few hundred kilobytes.
class ProgramStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton) {
            return QIcon(new StandardIconOnDemand(baseStyle(), which));
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

// Qt's translation of its own texts, read from its file when Qt first asks for a text: Qt's texts are in
// its dialogs and menus, and a start-up that opens none of them never reads the file. A file that does not
// load translates nothing.
class TranslationOnDemand : public QTranslator {
public:
    TranslationOnDemand(const QString& file, QObject* parent) : QTranslator(parent), file_(file) {}

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        // Qt asks for the language's writing direction as soon as a translation is installed: Russian reads
        // from left to right, which needs no file.
        if (context != nullptr && sourceText != nullptr && std::strcmp(context, "QGuiApplication") == 0 &&
            std::strcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0) {
            return QStringLiteral("LTR");
        }
        const std::lock_guard lock(loading_);
        if (!loaded_) {
            loaded_ = true;
            (void)translation_.load(file_);
        }
        return translation_.translate(context, sourceText, disambiguation, n);
    }
    bool isEmpty() const override { return false; }

private:
    QString file_;
    mutable std::mutex loading_;
    mutable bool loaded_ = false;
    mutable QTranslator translation_;
};

} // namespace

void prepareApplication() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

bool installQtTranslation(QCoreApplication& app, const QString& folder) {
    const QString file = QDir(folder).filePath(QStringLiteral("qtbase_ru.qm"));
    if (!QFileInfo(file).isFile()) {
        return false;
    }
    return QCoreApplication::installTranslator(new TranslationOnDemand(file, &app));
}

void setUpApplication(QApplication& app) {
    static bool translated = false;
    if (!translated) {
        translated = true;
        // The program speaks Russian whatever the desktop's language, so Qt's dialogs do too.
        installQtTranslation(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    if (!dynamic_cast<ProgramStyle*>(QApplication::style())) {
        QApplication::setStyle(new ProgramStyle(QStyleFactory::create(QApplication::style()->name())));
    }
    registerFonts();
    // The window class on X11, which the menu entry's StartupWMClass names, whatever the program file is
    // called.
    QCoreApplication::setApplicationName(QStringLiteral("trimerka"));
    QApplication::setWindowIcon(programIcon());
#ifdef TRIMERKA_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(TRIMERKA_APP_ID));
#endif
}

ProgramWindows assembleWindows(Platform& platform) {
    ProgramWindows windows;
    windows.main = std::make_unique<MainWindow>(platform);
    MainWindow* owner = windows.main.get();
    windows.constructor = new ConstructorWindow(platform, owner);
    windows.about = new AboutWindow(platform, owner);
    windows.completed = new CompletedWindow(platform, owner);
    windows.targetState = new TargetStateWindow(platform, owner);
    owner->setWindows(windows.constructor, windows.about, windows.completed, windows.targetState);
    windows.program = new ProgramWindow(platform, *owner, owner);
    QObject::connect(owner, &MainWindow::programWindowRequested, windows.program,
                     &ProgramWindow::showBesideOwner);
    QObject::connect(owner, &MainWindow::taskReset, windows.program, &ProgramWindow::stopOnTaskReset);
    return windows;
}

} // namespace trimerka
