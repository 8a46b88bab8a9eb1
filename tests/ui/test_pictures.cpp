#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

#include "ui/Controls.h"

namespace trimerka {
namespace {

// The pictures as the program shows them on a screen of ratio 1, read from the renderings made at build time,
// against the same drawings rendered by Qt's SVG icon engine, as a screen of any other ratio gets them.

QStringList drawings() {
    QStringList found;
    for (const char* folder : {":/icons", ":/pictures"}) {
        QDirIterator files(QString::fromLatin1(folder), {QStringLiteral("*.svg")}, QDir::Files);
        while (files.hasNext()) {
            found << files.next();
        }
    }
    return found;
}

QImage drawn(const QString& drawing, QSize size) {
    return QIcon(drawing).pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage shown(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(PictureRenderings, GiveThePixelsOfTheDrawingAtItsOwnSize) {
    const QStringList all = drawings();
    for (const char* known :
         {":/icons/vz.svg", ":/icons/close.svg", ":/pictures/emblem.svg", ":/pictures/isaef.svg"}) {
        EXPECT_TRUE(all.contains(QString::fromLatin1(known))) << known;
    }
    for (const QString& drawing : all) {
        if (drawing.endsWith(QLatin1String("/trimerka.svg"))) {
            continue;
        }
        SCOPED_TRACE(drawing.toStdString());
        const QSize natural = pictureSize(drawing);
        ASSERT_TRUE(natural.isValid());
        const QImage expected = drawn(drawing, natural);
        ASSERT_EQ(expected.size(), natural) << "the drawing's own size";
        EXPECT_EQ(shown(picture(drawing, natural)), expected) << "picture";
        EXPECT_EQ(shown(pictureIcon(drawing).pixmap(natural)), expected) << "icon";
        EXPECT_EQ(shown(pictureIcon(drawing).pixmap(natural, QIcon::Disabled)),
                  shown(QIcon(drawing).pixmap(natural, QIcon::Disabled)))
            << "disabled icon";
    }
}

TEST(PictureRenderings, AnAbsentDrawingGivesATransparentPictureOfTheAskedSize) {
    const QString absent = QStringLiteral(":/pictures/absent.svg");
    EXPECT_FALSE(pictureSize(absent).isValid());
    const QImage image = shown(picture(absent, QSize(46, 50)));
    ASSERT_EQ(image.size(), QSize(46, 50));
    EXPECT_EQ(image.pixel(0, 0), 0u);
    EXPECT_EQ(image.pixel(45, 49), 0u);
}

TEST(PictureRenderings, ProgramIconHasTheScalableIconsSizesAndPixels) {
    const QString drawing = QStringLiteral(":/icons/trimerka.svg");
    const QIcon icon = programIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}, {128, 128}}));
    for (const QSize& size : icon.availableSizes()) {
        SCOPED_TRACE(size.width());
        EXPECT_EQ(shown(icon.pixmap(size)), drawn(drawing, size));
    }
}

TEST(PictureRenderings, NaturalPictureArrivesWithTheFirstShowing) {
    const QString drawing = QStringLiteral(":/pictures/emblem.svg");
    QWidget window;
    auto* label = new QLabel(&window);
    setNaturalPictureOnFirstShow(label, drawing);
    window.show();
    ASSERT_FALSE(label->pixmap().isNull());
    EXPECT_EQ(shown(label->pixmap()), drawn(drawing, label->pixmap().size()));
    EXPECT_EQ(label->pixmap().size(), QSize(130, 130));
}

} // namespace
} // namespace trimerka
