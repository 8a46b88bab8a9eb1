#include "ui/Application.h"

#include <QApplication>
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

} // namespace

void prepareApplication() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

bool installQtTranslation(QCoreApplication& app, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ru"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
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
    return windows;
}

} // namespace trimerka
