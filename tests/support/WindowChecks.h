#pragma once

#include <cstddef>

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <gtest/gtest.h>

#include "ui/LazyDialog.h"

namespace trimerka::testing {

// The control of that name inside the window; a missing one fails the test that asked for it.
template <class T> T* namedChild(QWidget& window, const char* name) {
    if (auto* lazy = dynamic_cast<LazyDialog*>(&window)) {
        lazy->ensureBuilt();
    }
    auto* widget = window.findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

struct Place {
    const char* name;
    QRect geometry; // a zero size: only the position is fixed
};

// Each control stands at its place in the window's coordinates, whatever panel holds it.
template <std::size_t N> void expectPlaces(QWidget& window, const Place (&places)[N]) {
    for (const Place& p : places) {
        auto* widget = namedChild<QWidget>(window, p.name);
        if (widget == nullptr) {
            continue;
        }
        EXPECT_EQ(widget->mapTo(&window, QPoint(0, 0)), p.geometry.topLeft()) << p.name;
        if (!p.geometry.size().isNull()) {
            EXPECT_EQ(widget->size(), p.geometry.size()) << p.name;
        }
    }
}

struct Pixel {
    const char* name;
    int x;
    int y;
    QColor colour;
};

inline void expectPixel(const QImage& image, const Pixel& p) {
    EXPECT_EQ(QColor(image.pixel(p.x, p.y)).name().toStdString(), p.colour.name().toStdString())
        << p.name << " at (" << p.x << ", " << p.y << ")";
}

// Takes a named array or a braced list of pixels.
template <std::size_t N> void expectPixels(const QImage& image, const Pixel (&pixels)[N]) {
    for (const Pixel& p : pixels) {
        expectPixel(image, p);
    }
}

// The window as drawn; also saved under the given file name when TRIMERKA_GRAB_DIR names a folder.
inline QImage grabWindow(QWidget& window, const char* fileName) {
    const QImage image = window.grab().toImage();
    if (const QByteArray path = qgetenv("TRIMERKA_GRAB_DIR"); !path.isEmpty()) {
        image.save(QString::fromLocal8Bit(path) + QLatin1Char('/') + QLatin1String(fileName));
    }
    return image;
}

} // namespace trimerka::testing
