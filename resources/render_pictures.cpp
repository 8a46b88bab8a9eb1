// render_pictures: draws SVG drawings when the program is built. The program's own pictures become pixel
// files, so that on a screen of ratio 1 the program takes ready pixels and never parses or renders SVG, nor
// decodes an image format, while it starts; the icons the desktop shows become PNG files.
//   render_pictures SVG OUTPUT SIZE [SVG OUTPUT SIZE ...]
// SIZE is "1x" (the drawing's own size) or a number N (the drawing fitted into N x N, keeping its
// proportions, as Qt fits a scalable icon). An OUTPUT that ends in ".png" is a PNG file, any other a pixel
// file; its folder is made if need be.
//
// The drawing is rendered as Qt renders an SVG picture or icon at run time: onto a transparent premultiplied
// image with the renderer's own settings. A pixel file holds those very pixels: the width and the height as
// 32-bit little-endian numbers, then the rows top down, each pixel as the bytes R, G, B, A, premultiplied
// (ui/Controls.cpp reads it).

#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace {

void appendNumber(QByteArray& bytes, quint32 number) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.append(static_cast<char>((number >> shift) & 0xff));
    }
}

bool writePixels(const QImage& image, const QString& path) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    QByteArray bytes;
    appendNumber(bytes, static_cast<quint32>(pixels.width()));
    appendNumber(bytes, static_cast<quint32>(pixels.height()));
    for (int y = 0; y < pixels.height(); ++y) {
        bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

bool render(const char* svgFile, const char* outputFile, const QString& sizeText) {
    QSvgRenderer svg(QString::fromLocal8Bit(svgFile));
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_pictures: cannot read %s\n", svgFile);
        return false;
    }
    QSize size = svg.defaultSize();
    bool number = false;
    const int side = sizeText.toInt(&number);
    if (number && side > 0) {
        size.scale(side, side, Qt::KeepAspectRatio);
    } else if (sizeText != QLatin1String("1x")) {
        std::fprintf(stderr, "render_pictures: not a size: %s\n", qPrintable(sizeText));
        return false;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();

    const QString output = QString::fromLocal8Bit(outputFile);
    const bool written =
        QDir().mkpath(QFileInfo(output).path()) &&
        (output.endsWith(QLatin1String(".png")) ? image.save(output, "PNG") : writePixels(image, output));
    if (!written) {
        std::fprintf(stderr, "render_pictures: cannot write %s\n", outputFile);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4 || (argc - 1) % 3 != 0) {
        std::fputs("usage: render_pictures SVG OUTPUT SIZE [SVG OUTPUT SIZE ...]\n", stderr);
        return 2;
    }
    for (int i = 1; i < argc; i += 3) {
        if (!render(argv[i], argv[i + 1], QString::fromLatin1(argv[i + 2]))) {
            return 1;
        }
    }
    return 0;
}
