// Draws the program's pictures into resources/: the splash picture, the two pictures of the
// About box, and the application icon ICON1 (the desktop icons are drawn in resources/icons/).
//
// Build and run by hand from the source root (the pictures are committed; the build does not
// run this):
//   g++ -std=c++17 -fPIC tools/make_pictures.cpp -o /tmp/make_pictures $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/make_pictures resources
//
// Everything is drawn from the mechanism's own geometry with the default lengths, so the
// pictures contain nothing but our own drawing.

#include "DefaultLinkage.h"

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRadialGradient>
#include <QVector>

#include <cmath>
#include <cstdio>
#include <optional>

namespace {

using namespace tools;

// Maps metres to pixels: y up in the mechanism, down on the picture.
struct View {
    QPointF origin;
    double scale;
    QPointF operator()(QPointF m) const { return {origin.x() + m.x() * scale, origin.y() - m.y() * scale}; }
};

void DrawGround(QPainter& p, QPointF at, double size, const QColor& ink)
{
    p.setPen(QPen(ink, 1.2));
    p.setBrush(Qt::NoBrush);
    QPolygonF tri;
    tri << at << at + QPointF(-size * 0.6, size) << at + QPointF(size * 0.6, size);
    p.drawPolygon(tri);
    const double base = at.y() + size;
    p.drawLine(QPointF(at.x() - size, base), QPointF(at.x() + size, base));
    for (double x = at.x() - size; x < at.x() + size; x += size / 3)
        p.drawLine(QPointF(x, base + size / 2.5), QPointF(x + size / 3, base));
}

void DrawJoint(QPainter& p, QPointF at, double r, const QColor& ink)
{
    p.setPen(QPen(ink, 1.4));
    p.setBrush(Qt::white);
    p.drawEllipse(at, r, r);
}

void DrawLink(QPainter& p, QPointF a, QPointF b, const QColor& colour, double width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

// The six-link mechanism for the crank angle phi, with the dotted paths of D and E.
void DrawMechanism(QPainter& p, const View& v, double phi, double linkWidth, const QColor& ink, bool paths)
{
    p.setRenderHint(QPainter::Antialiasing);
    if (paths) {
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 180; ++k) {
            const auto pose = Assemble(2 * kPi * k / 180);
            if (!pose)
                continue;
            p.setBrush(QColor(40, 110, 40));
            p.drawEllipse(v(pose->D), 0.9, 0.9);
            p.setBrush(QColor(150, 40, 150));
            p.drawEllipse(v(pose->A), 0.8, 0.8);
        }
    }
    const auto pose = Assemble(phi);
    if (!pose)
        return;
    const Pose& q = *pose;

    // The slider's guide: the vertical line half-way between O and C.
    const double guideX = -kLoc / 2;
    p.setPen(QPen(QColor(90, 90, 90), 1.0, Qt::DashDotLine));
    p.drawLine(v(QPointF(guideX, q.E.y() - 0.16)), v(QPointF(guideX, 0.3)));
    p.setPen(QPen(QColor(90, 90, 90), 1.0, Qt::DashLine));
    p.drawLine(v(QPointF(-kLoc - 0.06, 0)), v(QPointF(0.14, 0)));

    DrawGround(p, v(q.O), linkWidth * 3.2, ink);
    DrawGround(p, v(q.C), linkWidth * 3.2, ink);

    DrawLink(p, v(q.O), v(q.A), QColor(200, 30, 30), linkWidth);
    DrawLink(p, v(q.A), v(q.B), QColor(30, 60, 170), linkWidth);
    DrawLink(p, v(q.C), v(q.B), QColor(20, 130, 60), linkWidth);
    DrawLink(p, v(q.D), v(q.E), QColor(180, 110, 0), linkWidth);

    // The slider block on its guide.
    const QPointF e = v(q.E);
    const double w = linkWidth * 2.6;
    p.setPen(QPen(ink, 1.4));
    p.setBrush(QColor(230, 200, 90));
    p.drawRect(QRectF(e.x() - w / 2, e.y() - w * 0.8, w, w * 1.6));

    const double r = linkWidth * 0.9;
    for (QPointF j : {q.O, q.A, q.B, q.C, q.D, q.E})
        DrawJoint(p, v(j), r, ink);
}

void DrawLetters(QPainter& p, const View& v, double phi, int pixelSize, const QColor& ink)
{
    const auto pose = Assemble(phi);
    if (!pose)
        return;
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(pixelSize);
    f.setItalic(true);
    f.setBold(true);
    p.setFont(f);
    p.setPen(ink);
    const auto put = [&](QPointF m, const char* letter, QPointF shift) {
        p.drawText(v(m) + shift, QString::fromLatin1(letter));
    };
    const double s = pixelSize;
    put(pose->O, "O", {s * 0.5, s * 1.1});
    put(pose->A, "A", {s * 0.4, -s * 0.3});
    put(pose->B, "B", {-s * 0.3, -s * 0.5});
    put(pose->C, "C", {-s * 1.2, s * 1.1});
    put(pose->D, "D", {s * 0.4, -s * 0.2});
    put(pose->E, "E", {s * 0.7, s * 0.4});
}

// A picture of w x h filled with a vertical gradient from top to bottom (and middle at 0.55 when
// given), with a faint drafting grid of the given step.
// Lines of `colour` every `step` pixels across and down a picture w x h.
void DrawGrid(QPainter& p, int w, int h, const QColor& colour, int step)
{
    p.setPen(QPen(colour, 1));
    for (int x = 0; x < w; x += step)
        p.drawLine(x, 0, x, h);
    for (int y = 0; y < h; y += step)
        p.drawLine(0, y, w, y);
}

QImage GridPaper(int w, int h, QColor top, std::optional<QColor> middle, QColor bottom, QColor grid, int step)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    if (middle)
        g.setColorAt(0.55, *middle);
    g.setColorAt(1, bottom);
    p.fillRect(img.rect(), g);
    DrawGrid(p, w, h, grid, step);
    return img;
}

// The mechanism at the crank angle phi with its letters, drawn over `img`.
QImage WithLetteredMechanism(QImage img, const View& v, double phi, double linkWidth, int letterPixels,
                             const QColor& ink, const QColor& letterInk)
{
    {
        QPainter p(&img);
        DrawMechanism(p, v, phi, linkWidth, ink, true);
        DrawLetters(p, v, phi, letterPixels, letterInk);
    }
    return img;
}

// 246 x 293: the mechanism on a warm vertical gradient; the form writes the two titles on top.
QImage SplashPicture()
{
    return WithLetteredMechanism(GridPaper(246, 293, QColor(255, 250, 205), QColor(250, 214, 120),
                                           QColor(214, 150, 60), QColor(160, 110, 40, 40), 12),
                                 View{{214, 200}, 196}, 1.1, 4.5, 13, QColor(40, 30, 20), QColor(60, 30, 10));
}

// 313 x 417: light paper with a soft glow, so the coloured labels of the box stay readable.
QImage AboutBackground()
{
    QImage img(313, 417, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 313, 417);
    g.setColorAt(0, QColor(252, 252, 240));
    g.setColorAt(1, QColor(222, 234, 214));
    p.fillRect(img.rect(), g);
    QRadialGradient glow(QPointF(250, 90), 220);
    glow.setColorAt(0, QColor(255, 255, 255, 170));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(img.rect(), glow);
    DrawGrid(p, 313, 417, QColor(120, 150, 110, 45), 16);
    // A pale drawing of the crank circle and the path of D in the lower right corner.
    p.setRenderHint(QPainter::Antialiasing);
    const View v{{300, 360}, 260};
    p.setPen(QPen(QColor(80, 130, 80, 70), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(v(QPointF(0, 0)), kLoa * v.scale, kLoa * v.scale);
    QPainterPath path;
    bool first = true;
    for (int k = 0; k <= 360; ++k) {
        const auto pose = Assemble(2 * kPi * k / 360);
        if (!pose)
            continue;
        if (first)
            path.moveTo(v(pose->D));
        else
            path.lineTo(v(pose->D));
        first = false;
    }
    p.drawPath(path);
    return img;
}

// The side picture of the About box, stretched by the form to 189 x 231.
QImage AboutSidePicture()
{
    return WithLetteredMechanism(GridPaper(252, 308, QColor(220, 235, 255), std::nullopt, QColor(250, 252, 255),
                                           QColor(120, 150, 200, 60), 14),
                                 View{{224, 178}, 215}, 2.2, 5, 15, QColor(20, 20, 40), QColor(20, 20, 90));
}

// 32 x 32 in the 16 colours of the classic palette: a crank and coupler on a yellow disc.
QImage Icon()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(0, 0, 128), 1));
    p.setBrush(QColor(255, 255, 0));
    p.drawEllipse(1, 1, 29, 29);
    p.setPen(QPen(QColor(255, 0, 0), 3));
    p.drawLine(22, 22, 26, 12);
    p.setPen(QPen(QColor(0, 0, 255), 3));
    p.drawLine(26, 12, 11, 8);
    p.setPen(QPen(QColor(0, 128, 0), 3));
    p.drawLine(6, 22, 11, 8);
    p.setPen(QPen(QColor(128, 0, 0), 2));
    p.drawLine(18, 10, 16, 24);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0));
    for (QPoint j : {QPoint(22, 22), QPoint(6, 22), QPoint(26, 12), QPoint(11, 8)})
        p.drawRect(j.x() - 1, j.y() - 1, 3, 3);
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(13, 23, 6, 4);
    p.end();

    // The 16 colours of the classic palette plus transparency.
    const QVector<QRgb> palette = {
        qRgba(0, 0, 0, 0),       qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),
        qRgb(128, 128, 0),       qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128),
        qRgb(192, 192, 192),     qRgb(128, 128, 128), qRgb(255, 0, 0),     qRgb(0, 255, 0),
        qRgb(255, 255, 0),       qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255),
        qRgb(255, 255, 255)};
    QImage indexed(32, 32, QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) < 128) {
                indexed.setPixel(x, y, 0);
                continue;
            }
            int best = 1;
            int bestDistance = 1 << 30;
            for (int i = 1; i < palette.size(); ++i) {
                const int dr = qRed(c) - qRed(palette[i]);
                const int dg = qGreen(c) - qGreen(palette[i]);
                const int db = qBlue(c) - qBlue(palette[i]);
                const int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = i;
                }
            }
            indexed.setPixel(x, y, static_cast<uint>(best));
        }
    }
    return indexed;
}

bool Save(const QImage& img, const QString& path, const char* format, int quality)
{
    if (!img.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources"));
    constexpr int kJpegQuality = 88;
    const QImage icon = Icon();
    const bool ok = Save(SplashPicture(), out.filePath("splash.png"), "PNG", -1) &&
                    Save(AboutBackground(), out.filePath("about_background.jpg"), "JPEG", kJpegQuality) &&
                    Save(AboutSidePicture(), out.filePath("about_mechanism.jpg"), "JPEG", kJpegQuality) &&
                    Save(icon, out.filePath("icon1.png"), "PNG", -1);
    return ok ? 0 : 1;
}
