// render_pictures: draws the program's SVG pictures as PNG files when the program is built, so that on a
// screen of ratio 1 the program reads small PNGs and never parses or renders SVG while it starts.
//   render_pictures SVG PNG SIZE [SVG PNG SIZE ...]
// SIZE is "1x" (the drawing's own size) or a number N (the drawing fitted into N x N, keeping its
// proportions, as Qt fits a scalable icon).
//
// The drawing is rendered as Qt renders an SVG picture or icon at run time: onto a transparent premultiplied
// image with the renderer's own settings. Each PNG is read back and must give the same premultiplied pixels,
// so that what a window shows does not depend on where the picture was drawn.

#include <cstdio>

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace {

bool render(const char* svgFile, const char* pngFile, const QString& sizeText) {
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

    const QString png = QString::fromLocal8Bit(pngFile);
    if (!image.save(png, "PNG")) {
        std::fprintf(stderr, "render_pictures: cannot write %s\n", pngFile);
        return false;
    }
    if (QImage(png).convertToFormat(QImage::Format_ARGB32_Premultiplied) != image) {
        std::fprintf(stderr, "render_pictures: %s does not read back as it was drawn\n", pngFile);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4 || (argc - 1) % 3 != 0) {
        std::fputs("usage: render_pictures SVG PNG SIZE [SVG PNG SIZE ...]\n", stderr);
        return 2;
    }
    for (int i = 1; i < argc; i += 3) {
        if (!render(argv[i], argv[i + 1], QString::fromLatin1(argv[i + 2]))) {
            return 1;
        }
    }
    return 0;
}
