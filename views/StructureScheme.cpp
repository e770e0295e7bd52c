#include "views/StructureScheme.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPairRadius = 6;
constexpr double kHatchLength = 8;
constexpr double kSliderHalfWidth = 11;
constexpr double kSliderHalfHeight = 7;
constexpr double kGap = 28;            // between two parts of the scheme, room for the arrow
constexpr double kCaptionHeight = 40;  // below each part

QFont SchemeFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString Roman(int n)
{
    static const char* const kRoman[] = {"0", "I", "II", "III", "IV", "V", "VI"};
    return n >= 0 && n <= 6 ? QString::fromLatin1(kRoman[n]) : QString::number(n);
}

QString PairName(const StructuralAnalysis& s, int pair)
{
    if (pair < 0 || pair >= static_cast<int>(s.pairs.size()))
        return QString();
    return QString::fromStdString(s.pairs[static_cast<std::size_t>(pair)].name);
}

bool IsTranslational(const StructuralAnalysis& s, int pair)
{
    return pair >= 0 && pair < static_cast<int>(s.pairs.size())
           && s.pairs[static_cast<std::size_t>(pair)].kind == PairKind::Translational;
}

bool JoinsFrame(const StructuralAnalysis& s, int pair)
{
    if (pair < 0 || pair >= static_cast<int>(s.pairs.size()))
        return false;
    const KinematicPair& p = s.pairs[static_cast<std::size_t>(pair)];
    return p.first == 0 || p.second == 0;
}

// The frame's hatching under a point.
void DrawGround(QPainter& p, QPointF at)
{
    const double y = at.y() + kPairRadius + 4;
    p.drawLine(QPointF(at.x() - 16, y), QPointF(at.x() + 16, y));
    for (double x = at.x() - 14; x <= at.x() + 16; x += 6)
        p.drawLine(QPointF(x, y), QPointF(x - kHatchLength * 0.7, y + kHatchLength));
    p.drawLine(QPointF(at.x() - 5, at.y() + kPairRadius), QPointF(at.x() - 9, y));
    p.drawLine(QPointF(at.x() + 5, at.y() + kPairRadius), QPointF(at.x() + 9, y));
}

void DrawRotational(QPainter& p, QPointF at)
{
    p.save();
    p.setBrush(Qt::white);
    p.drawEllipse(at, kPairRadius, kPairRadius);
    p.restore();
}

// A slider at `at` on a vertical guide (the frame when `frame`).
void DrawSlider(QPainter& p, QPointF at, bool frame)
{
    const double top = at.y() - 3 * kSliderHalfHeight, bottom = at.y() + 3 * kSliderHalfHeight;
    p.drawLine(QPointF(at.x() + kSliderHalfWidth + 2, top), QPointF(at.x() + kSliderHalfWidth + 2, bottom));
    if (frame) {
        for (double y = top + 2; y <= bottom; y += 6)
            p.drawLine(QPointF(at.x() + kSliderHalfWidth + 2, y), QPointF(at.x() + kSliderHalfWidth + 9, y - 5));
    }
    p.save();
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(QRectF(at.x() - kSliderHalfWidth, at.y() - kSliderHalfHeight, 2 * kSliderHalfWidth, 2 * kSliderHalfHeight));
    p.restore();
}

// A pair at `at`: what it is drawn as, hatching when it is the frame's, and its letter.
void DrawPair(QPainter& p, const StructuralAnalysis& s, int pair, QPointF at, QPointF labelOffset)
{
    if (IsTranslational(s, pair)) {
        DrawSlider(p, at, JoinsFrame(s, pair));
    } else {
        if (JoinsFrame(s, pair))
            DrawGround(p, at);
        DrawRotational(p, at);
    }
    p.save();
    p.setFont(SchemeFont(14, true));
    p.drawText(QRectF(at + labelOffset - QPointF(20, 10), QSizeF(40, 20)), Qt::AlignCenter, PairName(s, pair));
    p.restore();
}

void DrawLinkNumber(QPainter& p, QPointF from, QPointF to, int number, double side)
{
    const QPointF middle = (from + to) / 2;
    const QPointF along = to - from;
    const double length = std::max(1.0, std::hypot(along.x(), along.y()));
    const QPointF normal(-along.y() / length, along.x() / length);
    const QPointF at = middle + normal * (14 * side);
    p.save();
    p.setFont(SchemeFont(14));
    p.setPen(QColor(0, 0, 170));
    p.drawText(QRectF(at - QPointF(12, 10), QSizeF(24, 20)), Qt::AlignCenter, QString::number(number));
    p.restore();
}

void DrawCaption(QPainter& p, const QRectF& part, const QString& first, const QString& second)
{
    p.save();
    p.setFont(SchemeFont(14, true));
    const QRectF box(part.left(), part.bottom() - kCaptionHeight, part.width(), kCaptionHeight / 2);
    p.drawText(box, Qt::AlignCenter, first);
    p.setFont(SchemeFont(12));
    p.drawText(box.translated(0, kCaptionHeight / 2), Qt::AlignCenter, second);
    p.restore();
}

// Which of a pair's two ends is not `link`: the name of the link it attaches to.
int OtherLink(const StructuralAnalysis& s, int pair, int link)
{
    if (pair < 0 || pair >= static_cast<int>(s.pairs.size()))
        return -1;
    const KinematicPair& kp = s.pairs[static_cast<std::size_t>(pair)];
    return kp.first == link ? kp.second : kp.first;
}

int DriverPair(const StructuralAnalysis& s)
{
    for (int i = 0; i < static_cast<int>(s.pairs.size()); ++i) {
        const KinematicPair& p = s.pairs[static_cast<std::size_t>(i)];
        if ((p.first == 0 && p.second == s.driver) || (p.first == s.driver && p.second == 0))
            return i;
    }
    return -1;
}

// The driver's other pair: the first pair of a group that joins the driver.
int DriverFreePair(const StructuralAnalysis& s)
{
    for (const AssurGroup& g : s.groups) {
        for (int pair : {g.firstOuterPair, g.secondOuterPair}) {
            if (OtherLink(s, pair, g.firstLink) == s.driver || OtherLink(s, pair, g.secondLink) == s.driver)
                return pair;
        }
    }
    return -1;
}

void DrawPrimary(QPainter& p, const StructuralAnalysis& s, const QRectF& part)
{
    const double drawingBottom = part.bottom() - kCaptionHeight;
    const QPointF o(part.left() + part.width() * 0.3, drawingBottom - 30);
    const QPointF a(part.left() + part.width() * 0.7, part.top() + 30);
    p.drawLine(o, a);
    DrawLinkNumber(p, o, a, s.driver, 1);
    DrawPair(p, s, DriverPair(s), o, QPointF(-18, -2));
    const int free = DriverFreePair(s);
    DrawRotational(p, a);
    if (free >= 0) {
        p.save();
        p.setFont(SchemeFont(14, true));
        p.drawText(QRectF(a + QPointF(-2, -26), QSizeF(40, 20)), Qt::AlignCenter, PairName(s, free));
        p.restore();
    }
    DrawCaption(p, part, QStringLiteral("I(0,%1)").arg(s.driver), QStringLiteral("начальный механизм"));
}

void DrawGroup(QPainter& p, const StructuralAnalysis& s, const AssurGroup& g, const QRectF& part)
{
    const double drawingBottom = part.bottom() - kCaptionHeight;
    const QPointF outer1(part.left() + 26, drawingBottom - 30);
    const QPointF inner(part.center().x(), part.top() + 26);
    const QPointF outer2(part.right() - 26, drawingBottom - 30);
    p.drawLine(outer1, inner);
    p.drawLine(inner, outer2);
    DrawLinkNumber(p, outer1, inner, g.firstLink, -1);
    DrawLinkNumber(p, inner, outer2, g.secondLink, -1);
    DrawPair(p, s, g.firstOuterPair, outer1, QPointF(0, -20));
    DrawPair(p, s, g.innerPair, inner, QPointF(24, -4));
    DrawPair(p, s, g.secondOuterPair, outer2, IsTranslational(s, g.secondOuterPair) ? QPointF(0, -30) : QPointF(0, -20));
    // What each outer pair is attached to, when it is not the frame.
    p.save();
    p.setFont(SchemeFont(11));
    p.setPen(Qt::darkGray);
    const int to1 = OtherLink(s, g.firstOuterPair, g.firstLink);
    const int to2 = OtherLink(s, g.secondOuterPair, g.secondLink);
    if (to1 > 0)
        p.drawText(QRectF(outer1 + QPointF(-26, 10), QSizeF(52, 16)), Qt::AlignCenter, QStringLiteral("к %1").arg(to1));
    if (to2 > 0)
        p.drawText(QRectF(outer2 + QPointF(-26, 10), QSizeF(52, 16)), Qt::AlignCenter, QStringLiteral("к %1").arg(to2));
    p.restore();
    DrawCaption(p, part, QStringLiteral("%1(%2,%3)").arg(Roman(g.groupClass)).arg(g.firstLink).arg(g.secondLink),
                QStringLiteral("класс %1, порядок %2, %3").arg(Roman(g.groupClass)).arg(g.order)
                    .arg(QString::fromStdString(g.pairLetters)));
}

void DrawArrow(QPainter& p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to + QPointF(-8, -4));
    head.lineTo(to + QPointF(-8, 4));
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

}  // namespace

void PaintStructureScheme(QPainter& painter, const QRectF& box, const StructuralAnalysis& s)
{
    if (box.width() <= 0 || box.height() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double scale = std::min(box.width() / kStructureSchemeWidth, box.height() / kStructureSchemeHeight);
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.translate(-kStructureSchemeWidth / 2, -kStructureSchemeHeight / 2);
    painter.setPen(QPen(Qt::black, 2));

    const int parts = 1 + static_cast<int>(s.groups.size());
    const double width = (kStructureSchemeWidth - kGap * (parts - 1)) / parts;
    const auto partAt = [&](int i) { return QRectF(i * (width + kGap), 0, width, kStructureSchemeHeight); };
    DrawPrimary(painter, s, partAt(0));
    for (int i = 0; i < static_cast<int>(s.groups.size()); ++i) {
        const QRectF part = partAt(i + 1);
        DrawGroup(painter, s, s.groups[static_cast<std::size_t>(i)], part);
        const double y = (kStructureSchemeHeight - kCaptionHeight) / 2;
        painter.save();
        painter.setPen(QPen(Qt::darkGray, 1.5));
        DrawArrow(painter, QPointF(part.left() - kGap + 4, y), QPointF(part.left() - 4, y));
        painter.restore();
    }
    painter.restore();
}

std::function<void(QPainter&, const QRectF&)> MechanismSchemePainter()
{
    return [s = AnalyseMechanismStructure()](QPainter& painter, const QRectF& box) { PaintStructureScheme(painter, box, s); };
}
