// Draws the labelled scheme of the mechanism for the built-in manual: resources/manual/scheme.png.
// Frame axes, the fixed pivots O and C, the crank OA with its angle φ and sense of rotation ω1,
// the coupler AB with its midpoint D, the rocker BC, the link DE and the slider E on its vertical
// guide half-way between O and C, with the length names the input fields use.
//
// Build and run by hand from the source root (the picture is committed; the build does not run this):
//   g++ -std=c++17 -fPIC tools/make_scheme.cpp -o /tmp/make_scheme $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/make_scheme resources/manual

#include "DefaultLinkage.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <cmath>
#include <cstdio>

namespace {

using namespace tools;

// The crank drawn at 60°.
constexpr double kPhi = kPi / 3;

constexpr int kWidth = 720;
constexpr int kHeight = 480;

// Metres to pixels, y up in the mechanism and down on the picture. The crank is short, so the
// scheme is not to scale near O: OA is drawn longer for legibility.
struct View {
    QPointF origin;
    double scale;
    QPointF operator()(QPointF m) const { return {origin.x() + m.x() * scale, origin.y() - m.y() * scale}; }
};

void Ground(QPainter& p, QPointF at)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::NoBrush);
    QPolygonF tri;
    tri << at << at + QPointF(-11, 20) << at + QPointF(11, 20);
    p.drawPolygon(tri);
    p.drawLine(at + QPointF(-20, 20), at + QPointF(20, 20));
    for (double x = -20; x < 20; x += 6)
        p.drawLine(at + QPointF(x, 28), at + QPointF(x + 6, 20));
}

void Link(QPainter& p, QPointF a, QPointF b, const QColor& colour)
{
    p.setPen(QPen(colour, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

void Joint(QPainter& p, QPointF at)
{
    p.setPen(QPen(Qt::black, 1.6));
    p.setBrush(Qt::white);
    p.drawEllipse(at, 5.5, 5.5);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
    p.setPen(QPen(colour, 1.5));
    p.drawLine(from, to);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    QPolygonF head;
    head << to << to - QPointF(10 * std::cos(angle - 0.35), 10 * std::sin(angle - 0.35))
         << to - QPointF(10 * std::cos(angle + 0.35), 10 * std::sin(angle + 0.35));
    p.setBrush(colour);
    p.drawPolygon(head);
}

void Text(QPainter& p, QPointF at, const QString& text, int pixels, bool italic, const QColor& colour)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(pixels);
    f.setItalic(italic);
    f.setBold(true);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(at, text);
}

QImage Scheme()
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const View v{{560, 300}, 420};
    Pose q = *Assemble(kPhi);
    // The crank drawn 1.8 times its length so A, φ and ω1 can be read; the rest keeps the geometry.
    const QPointF aDrawn = v(q.O) + (v(q.A) - v(q.O)) * 1.8;

    const QColor ink(20, 20, 20);
    const QColor grey(120, 120, 120);

    // Axes x, y from O.
    Arrow(p, v(q.O), v(q.O) + QPointF(130, 0), ink);
    Arrow(p, v(q.O), v(q.O) + QPointF(0, -190), ink);
    Text(p, v(q.O) + QPointF(122, 22), QStringLiteral("x"), 20, true, ink);
    Text(p, v(q.O) + QPointF(10, -180), QStringLiteral("y"), 20, true, ink);

    // The frame line OC and the slider's guide x = -Loc/2.
    p.setPen(QPen(grey, 1.2, Qt::DashLine));
    p.drawLine(v(q.C), v(q.O));
    const double guideX = v(QPointF(-kLoc / 2, 0)).x();
    p.setPen(QPen(grey, 1.2, Qt::DashDotLine));
    p.drawLine(QPointF(guideX, 40), QPointF(guideX, kHeight - 20));
    // Guide rails either side of the slider.
    p.setPen(QPen(ink, 1.5));
    const QPointF e = v(q.E);
    for (double side : {-15.0, 15.0}) {
        p.drawLine(QPointF(guideX + side, e.y() - 45), QPointF(guideX + side, e.y() + 45));
        for (double y = e.y() - 45; y < e.y() + 45; y += 8)
            p.drawLine(QPointF(guideX + side, y), QPointF(guideX + side + (side > 0 ? 7 : -7), y + 7));
    }

    Ground(p, v(q.O));
    Ground(p, v(q.C));

    // Angle φ from the x axis to OA, and the sense of rotation ω1 (counter-clockwise).
    p.setPen(QPen(QColor(170, 0, 0), 1.4));
    p.setBrush(Qt::NoBrush);
    const QRectF arc(v(q.O) - QPointF(34, 34), QSizeF(68, 68));
    p.drawArc(arc, 0, static_cast<int>(kPhi / kPi * 180 * 16));
    Text(p, v(q.O) + QPointF(38, -4), QStringLiteral("φ"), 20, true, QColor(170, 0, 0));
    QPainterPath omega;
    const QRectF big(v(q.O) - QPointF(62, 62), QSizeF(124, 124));
    omega.arcMoveTo(big, 75);
    omega.arcTo(big, 75, 60);
    p.setPen(QPen(QColor(170, 0, 0), 1.6));
    p.drawPath(omega);
    const QPointF tip = omega.pointAtPercent(1.0);
    const QPointF before = omega.pointAtPercent(0.9);
    Arrow(p, before, tip, QColor(170, 0, 0));
    Text(p, v(q.O) + QPointF(-78, -58), QStringLiteral("ω1"), 20, true, QColor(170, 0, 0));

    Link(p, v(q.O), aDrawn, QColor(200, 30, 30));
    Link(p, aDrawn, v(q.B), QColor(30, 60, 170));
    Link(p, v(q.C), v(q.B), QColor(20, 130, 60));
    const QPointF dDrawn = (aDrawn + v(q.B)) / 2;
    Link(p, dDrawn, e, QColor(180, 110, 0));

    // The slider block.
    p.setPen(QPen(ink, 1.6));
    p.setBrush(QColor(230, 200, 90));
    p.drawRect(QRectF(e.x() - 13, e.y() - 20, 26, 40));

    for (QPointF j : {v(q.O), aDrawn, v(q.B), v(q.C), dDrawn, e})
        Joint(p, j);

    // Joint letters.
    Text(p, v(q.O) + QPointF(14, 26), QStringLiteral("O"), 24, true, ink);
    Text(p, aDrawn + QPointF(10, -8), QStringLiteral("A"), 24, true, ink);
    Text(p, v(q.B) + QPointF(-8, -14), QStringLiteral("B"), 24, true, ink);
    Text(p, v(q.C) + QPointF(-34, 26), QStringLiteral("C"), 24, true, ink);
    Text(p, dDrawn + QPointF(4, -14), QStringLiteral("D"), 24, true, ink);
    Text(p, e + QPointF(20, 30), QStringLiteral("E"), 24, true, ink);

    // Length names beside their links.
    const auto mid = [](QPointF a, QPointF b) { return (a + b) / 2; };
    Text(p, aDrawn + QPointF(10, 24), QStringLiteral("Loa"), 17, false, QColor(200, 30, 30));
    Text(p, mid(aDrawn, dDrawn) + QPointF(-6, -12), QStringLiteral("Lab"), 17, false, QColor(30, 60, 170));
    Text(p, mid(v(q.C), v(q.B)) + QPointF(-48, -4), QStringLiteral("Lbc"), 17, false, QColor(20, 130, 60));
    Text(p, dDrawn + (e - dDrawn) * 0.3 + QPointF(10, 0), QStringLiteral("Lde"), 17, false, QColor(180, 110, 0));

    // Loc: the distance between the pivots, dimensioned under the frame; Loc/2 to the guide.
    const double dimY = v(q.O).y() + 150;
    p.setPen(QPen(grey, 1));
    p.drawLine(v(q.C), QPointF(v(q.C).x(), dimY + 6));
    p.drawLine(v(q.O), QPointF(v(q.O).x(), dimY + 6));
    Arrow(p, QPointF(guideX, dimY), QPointF(v(q.C).x(), dimY), ink);
    Arrow(p, QPointF(guideX, dimY), QPointF(v(q.O).x(), dimY), ink);
    Text(p, QPointF(v(q.C).x() + 60, dimY - 6), QStringLiteral("Loc/2"), 16, false, ink);
    Text(p, QPointF(guideX + 60, dimY - 6), QStringLiteral("Loc/2"), 16, false, ink);
    Text(p, QPointF(guideX - 16, dimY + 24), QStringLiteral("Loc"), 17, false, ink);
    Text(p, QPointF(guideX + 6, 56), QStringLiteral("направляющая ползуна"), 14, false, grey);
    Text(p, QPointF(20, 30), QStringLiteral("AD = DB = Lab/2;  кривошип OA показан увеличенным"), 15, false, grey);
    return img;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources/manual");
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/scheme.png");
    if (!Scheme().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
