// render_icon: draws the program's SVG icon as PNG files for the icon theme's fixed sizes.
//   render_icon ICON.svg FOLDER NAME SIZE...   writes FOLDER/SIZExSIZE/apps/NAME.png for every SIZE

#include <cstdio>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fputs("usage: render_icon ICON.svg FOLDER NAME SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        bool number = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&number);
        if (!number || size <= 0) {
            std::fprintf(stderr, "render_icon: not a size: %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(apps) || !image.save(QStringLiteral("%1/%2.png").arg(apps, name), "PNG")) {
            std::fprintf(stderr, "render_icon: cannot write the %dx%d picture into %s\n", size, size,
                         argv[2]);
            return 1;
        }
    }
    return 0;
}
