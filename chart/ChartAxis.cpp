#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "chart/AxisValueText.h"
#include "chart/ChartAxisError.h"
#include "chart/ChartCanvas.h"
#include "chart/ChartSeries.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kSmallestFixedRange = 1e-10;
constexpr int kLeftTitleAngle = 90;
constexpr int kRightTitleAngle = 270;
}  // namespace

TChartAxis::TChartAxis(TCustomAxisPanel* chart, Side side)
    : TChartPart(chart),
      chart_(chart),
      side_(side),
      labelsFont_(new TChartFont(this)),
      axisPen_(new TChartAxisPen(this)),
      ticks_(new TDarkGrayPen(this)),
      minorTicks_(new TDarkGrayPen(this)),
      ticksInner_(new TDarkGrayPen(this)),
      grid_(new TAxisGridPen(this)),
      minorGrid_(new TChartHiddenPen(this)),
      title_(new TChartAxisTitle(this, side == Side::Left    ? kLeftTitleAngle
                                       : side == Side::Right ? kRightTitleAngle
                                                             : 0))
{
    for (QObject* part : std::initializer_list<QObject*>{axisPen_, ticks_, minorTicks_, ticksInner_,
                                                         grid_, minorGrid_}) {
        connect(static_cast<TChartPen*>(part), &TChartPen::Changed, this, &TChartAxis::Changed);
    }
    connect(labelsFont_, &TChartFont::Changed, this, &TChartAxis::Changed);
    connect(title_, &TChartAxisTitle::Changed, this, &TChartAxis::Changed);
}

// ---- Properties ----

void TChartAxis::SetAutomatic(bool value)
{
    if (!loading_) {
        automaticMinimum_ = value;
        automaticMaximum_ = value;
    }
    if (automatic_ != value) {
        automatic_ = value;
        emit Changed();
    }
}

void TChartAxis::SetMinimum(double value)
{
    if (!loading_ && value > maximum_)
        throw TChartAxisError(kAxisMinimumError);
    Store(minimum_, value);
}

void TChartAxis::SetMaximum(double value)
{
    if (!loading_ && value < minimum_)
        throw TChartAxisError(kAxisMaximumError);
    Store(maximum_, value);
}

void TChartAxis::SetIncrement(double value)
{
    if (value < 0)
        throw TChartAxisError(kAxisIncrementError);
    Store(increment_, value);
}

void TChartAxis::SetLabelsSeparation(int value)
{
    if (value < 0)
        throw TChartAxisError(kLabelsSeparationError);
    Store(labelsSeparation_, value);
}

void TChartAxis::SetMinMax(double a, double b)
{
    // A drag over a collapsed or overflowed axis can give no number: the range stays.
    if (!std::isfinite(a) || !std::isfinite(b))
        return;
    automatic_ = false;
    automaticMinimum_ = false;
    automaticMaximum_ = false;
    minimum_ = std::min(a, b);
    maximum_ = std::max(a, b);
    if (!(maximum_ - minimum_ >= kSmallestFixedRange)) {
        // Far from zero 1e-10 is lost in the rounding: the next double above keeps a range.
        maximum_ = std::max(minimum_ + kSmallestFixedRange, std::nextafter(minimum_, HUGE_VAL));
        if (std::isinf(maximum_)) {
            maximum_ = minimum_;
            minimum_ = std::nextafter(maximum_, -HUGE_VAL);
        }
    }
    emit Changed();
}

// ---- Scale ----

void TChartAxis::RecalcDerived()
{
    scaleRange_ = scaleMaximum_ - scaleMinimum_;
    rangeIsZero_ = scaleRange_ == 0;
    // Ends on both sides of zero near the largest doubles have a range beyond them: the mapping
    // then works on half values, which are exact and give the same pixels.
    halved_ = std::isinf(scaleRange_) && std::isfinite(scaleMinimum_) &&
              std::isfinite(scaleMaximum_);
    const double span = halved_ ? scaleMaximum_ * 0.5 - scaleMinimum_ * 0.5 : scaleRange_;
    pixelsPerUnit_ = rangeIsZero_ ? 0 : AxisLength() / span;
}

void TChartAxis::CalcAutomaticRange()
{
    const bool takeMaximum = automatic_ || automaticMaximum_;
    const bool takeMinimum = automatic_ || automaticMinimum_;
    if (takeMaximum || takeMinimum) {
        bool any = false;
        double lowest = 0;
        double highest = 0;
        for (const TChartSeries* series : chart_->SeriesList()) {
            if (!series->Active() || series->Count() < 1 || !series->AssociatedToAxis(this))
                continue;
            const double lo = Horizontal() ? series->MinX() : series->MinY();
            const double hi = Horizontal() ? series->MaxX() : series->MaxY();
            if (!any || lo < lowest)
                lowest = lo;
            if (!any || hi > highest)
                highest = hi;
            any = true;
        }
        if (takeMaximum)
            maximum_ = highest;
        if (takeMinimum)
            minimum_ = lowest;
    }
    scaleMinimum_ = minimum_;
    scaleMaximum_ = maximum_;
    RecalcDerived();
    if (!rangeIsZero_ && (maximumRound_ || minimumRound_)) {
        const double step = LabelStep();
        if (step > 0) {
            if (maximumRound_ && takeMaximum)
                scaleMaximum_ = std::ceil(scaleMaximum_ / step) * step;
            if (minimumRound_ && takeMinimum)
                scaleMinimum_ = std::floor(scaleMinimum_ / step) * step;
            RecalcDerived();
        }
    }
}

void TChartAxis::CalcExtents(const ChartRect& plot)
{
    const int origin = Horizontal() ? plot.left : plot.top;
    const int size = Horizontal() ? plot.Width() : plot.Height();
    startPixel_ = origin + RoundHalfEven(size * startPosition_ / 100);
    endPixel_ = origin + RoundHalfEven(size * endPosition_ / 100);
    centerPixel_ = (startPixel_ + endPixel_) / 2;
    const int shiftAcross =
        RoundHalfEven((Horizontal() ? plot.Height() : plot.Width()) * positionPercent_ / 100);
    switch (side_) {
    case Side::Bottom: axisPosition_ = plot.bottom - shiftAcross; break;
    case Side::Top: axisPosition_ = plot.top + shiftAcross; break;
    case Side::Left: axisPosition_ = plot.left + shiftAcross; break;
    case Side::Right: axisPosition_ = plot.right - shiftAcross; break;
    case Side::Depth: axisPosition_ = plot.bottom; break;
    }
    RecalcDerived();
}

void TChartAxis::ApplySeriesMargins()
{
    int low = 0;
    int high = 0;
    for (const TChartSeries* series : chart_->SeriesList()) {
        if (!series->Active() || !series->AssociatedToAxis(this))
            continue;
        int a = 0;
        int b = 0;
        if (Horizontal()) {
            series->CalcHorizMargins(a, b);  // left, right
            if (automaticMinimum_)
                low = std::max(low, a);
            if (automaticMaximum_)
                high = std::max(high, b);
        } else {
            series->CalcVerticalMargins(a, b);  // top, bottom
            if (automaticMaximum_)
                high = std::max(high, a);
            if (automaticMinimum_)
                low = std::max(low, b);
        }
    }
    low += minimumOffset_;
    high += maximumOffset_;
    if (low == 0 && high == 0)
        return;
    const double range = scaleRange_;
    const int usable = AxisLength() - low - high;
    if (usable < 1) {
        scaleMinimum_ = 0;
        scaleMaximum_ = 0;
    } else if (range != 0) {
        // Near the largest doubles the widened ends would overflow: those ends stay unwidened.
        const double lowest = scaleMinimum_ - low * range / usable;
        const double highest = scaleMaximum_ + high * range / usable;
        if (std::isfinite(lowest))
            scaleMinimum_ = lowest;
        if (std::isfinite(highest))
            scaleMaximum_ = highest;
    }
    if (scaleMinimum_ > scaleMaximum_)
        std::swap(scaleMinimum_, scaleMaximum_);
    RecalcDerived();
}

double TChartAxis::PixelToValue(int pixel) const
{
    const int length = AxisLength();
    if (length < 1)
        return 0;
    const int offset = inverted_ ? endPixel_ - pixel : pixel - startPixel_;
    if (halved_) {
        const double half = offset * (scaleMaximum_ * 0.5 - scaleMinimum_ * 0.5) / length;
        return Horizontal() ? scaleMinimum_ + half * 2 : scaleMaximum_ - half * 2;
    }
    if (Horizontal())
        return scaleMinimum_ + offset * scaleRange_ / length;
    return scaleMaximum_ - offset * scaleRange_ / length;
}

// ---- Labels ----

int TChartAxis::TextWidth(const QString& text) const
{
    return labelsFont_->TextWidth(text);
}

int TChartAxis::TextHeight() const
{
    return labelsFont_->Metrics().height();
}

QString TChartAxis::LabelText(double value) const
{
    return FormatAxisValue(value, axisValuesFormat_, labelForm_);
}

int TChartAxis::LabelSizeAlong(double value) const
{
    const bool upright = labelsAngle_ == 0 || labelsAngle_ == 180;
    if (Horizontal() == upright)
        return TextWidth(LabelText(value));
    return TextHeight();
}

AxisLabelInput TChartAxis::LabelInput() const
{
    AxisLabelInput input;
    input.scaleMinimum = scaleMinimum_;
    input.scaleMaximum = scaleMaximum_;
    input.axisLength = AxisLength();
    input.increment = increment_;
    input.labelsSeparation = labelsSeparation_;
    input.roundFirstLabel = roundFirstLabel_;
    input.labelsAlternate = labelsAlternate_;
    if (Horizontal()) {
        for (const TChartSeries* series : chart_->SeriesList()) {
            if (series->Active() && series->AssociatedToAxis(this) &&
                (input.smallestSeriesCount < 0 || series->Count() < input.smallestSeriesCount))
                input.smallestSeriesCount = series->Count();
        }
    }
    return input;
}

double TChartAxis::LabelStep()
{
    const AxisLabelInput input = LabelInput();
    const auto measure = [this](double v) { return LabelSizeAlong(v); };
    // Sizes are measured in the form the range alone gives; a step that needs more decimals
    // than the format shows, or the exponent form, is measured again with the texts it draws.
    labelForm_ = LabelFormFor(0, scaleMinimum_, scaleMaximum_);
    double step = ComputeLabelStep(input, measure);
    const AxisLabelForm wanted = LabelFormFor(step, scaleMinimum_, scaleMaximum_);
    if (wanted.exponent != labelForm_.exponent ||
        wanted.decimals > FormatDecimals(axisValuesFormat_)) {
        labelForm_ = wanted;
        step = ComputeLabelStep(input, measure);
    }
    labelForm_ = LabelFormFor(step, scaleMinimum_, scaleMaximum_);
    return step;
}

std::vector<double> TChartAxis::LabelValues()
{
    return ComputeLabelValues(scaleMinimum_, scaleMaximum_, LabelStep(), roundFirstLabel_);
}

int TChartAxis::WidestLabel()
{
    return WidestLabelWidth(scaleMinimum_, scaleMaximum_, LabelStep(), roundFirstLabel_,
                            [this](double v) { return TextWidth(LabelText(v)); });
}

TAxisLabelStyle TChartAxis::CalcLabelStyle() const
{
    if (labelStyle_ != talAuto)
        return labelStyle_;
    bool any = false;
    for (const TChartSeries* series : chart_->SeriesList()) {
        if (!series->Active() || !series->AssociatedToAxis(this))
            continue;
        any = true;
        if (Horizontal() && series->HasLabels())
            return talText;
    }
    return any ? talValue : talNone;
}

// ---- Space ----

void TChartAxis::CalcSpace(ChartRect& plot)
{
    const bool labelsShown = labels_ && CalcLabelStyle() != talNone;
    const int titleSpace = title_->Shown()
                               ? (titleSize_ != 0
                                      ? titleSize_
                                      : title_->Font()->Metrics().height())
                               : 0;
    int labelSpace = 0;
    if (labelsShown) {
        if (labelsSize_ != 0)
            labelSpace = labelsSize_;
        else if (Horizontal())
            labelSpace = TextHeight();
        else
            labelSpace = WidestLabel() + TextWidth(QStringLiteral(" "));
    }
    int tickSpace = (axisPen_->Draws() ? axisPen_->Width() + 1 : 0) +
                    (ticks_->Draws() ? tickLength_ : 0);
    if (minorTicks_->Draws() && minorTickLength_ > tickSpace)
        tickSpace = minorTickLength_;
    // However long the labels, the plot keeps at least half of its extent across the axis:
    // labels give way first, then the title.
    const int most = std::max(0, (Horizontal() ? plot.Height() : plot.Width()) / 2);
    if (titleSpace + labelSpace + tickSpace > most)
        labelSpace = std::max(0, most - titleSpace - tickSpace);
    const int titleRoom = std::min(titleSpace, std::max(0, most - labelSpace - tickSpace));

    // The edge moves inwards: its sign is +1 for the left and top edges, -1 otherwise.
    int* edge = nullptr;
    int direction = 1;
    switch (side_) {
    case Side::Bottom: edge = &plot.bottom; direction = -1; break;
    case Side::Top: edge = &plot.top; break;
    case Side::Left: edge = &plot.left; break;
    case Side::Right: edge = &plot.right; direction = -1; break;
    case Side::Depth: return;
    }
    const int outer = *edge;
    if (title_->Shown())
        *edge += direction * titleRoom;
    titlePosition_ = *edge;
    if (labelsShown)
        *edge += direction * labelSpace;
    labelsPosition_ = *edge;
    *edge += direction * tickSpace;
    const int inner = *edge;

    // Hit areas: ticks and labels belong to the axis, the rest outwards to its title.
    const int lo = std::min(titlePosition_, inner);
    const int hi = std::max(titlePosition_, inner);
    const int titleLo = std::min(outer, titlePosition_);
    const int titleHi = std::max(outer, titlePosition_);
    const int alongLo = Horizontal() ? plot.left : plot.top;
    const int alongHi = Horizontal() ? plot.right : plot.bottom;
    if (Horizontal()) {
        hitRect_ = ChartRect{alongLo, lo, alongHi, hi};
        titleRect_ = ChartRect{alongLo, titleLo, alongHi, titleHi};
    } else {
        hitRect_ = ChartRect{lo, alongLo, hi, alongHi};
        titleRect_ = ChartRect{titleLo, alongLo, titleHi, alongHi};
    }
}

// ---- Drawing ----

void TChartAxis::DrawTitle(QPainter& painter)
{
    if (!title_->Shown())
        return;
    const TChartFont& font = *title_->Font();
    const QString caption = title_->Caption();
    const int width = font.TextWidth(caption);
    const int height = font.Metrics().height();
    painter.save();
    painter.setFont(font.ToQFont());
    painter.setPen(ColorToQColor(title_->Font()->Color(), chart_->palette()));
    painter.setBackgroundMode(Qt::TransparentMode);
    switch (side_) {
    case Side::Bottom:
        font.DrawText(painter, centerPixel_ - width / 2, titlePosition_, caption);
        break;
    case Side::Top:
        font.DrawText(painter, centerPixel_ - width / 2, titlePosition_ - height, caption);
        break;
    case Side::Left:
        // Reads upwards; the bottom of the glyphs on the title position, away from the plot.
        painter.translate(titlePosition_ - height, centerPixel_ + width / 2);
        painter.rotate(-90);
        font.DrawText(painter, 0, 0, caption);
        break;
    case Side::Right:
        painter.translate(titlePosition_ + height, centerPixel_ - width / 2);
        painter.rotate(90);
        font.DrawText(painter, 0, 0, caption);
        break;
    case Side::Depth: break;
    }
    painter.restore();
}

void TChartAxis::DrawLabel(QPainter& painter, double value)
{
    const int p = ValueToPixel(value);
    if (!labelsOnAxis_ && !(startPixel_ < p && p < endPixel_))
        return;
    tickPositions_.push_back(p);
    const QString text = LabelText(value);
    // The painter holds the labels font (Draw), so its measures are the font's own.
    const TChartFont& font = *labelsFont_;
    const int width = font.TextWidth(text);
    const int height = font.Metrics().height();
    switch (side_) {
    case Side::Bottom: font.DrawText(painter, p - width / 2, labelsPosition_, text); break;
    case Side::Top: font.DrawText(painter, p - width / 2, labelsPosition_ - height, text); break;
    case Side::Left: font.DrawText(painter, labelsPosition_ - width, p - height / 2, text); break;
    case Side::Right: font.DrawText(painter, labelsPosition_, p - height / 2, text); break;
    case Side::Depth: break;
    }
}

void TChartAxis::DrawTick(QPainter& painter, const QPen& pen, int position, int length, bool inner)
{
    // Outer ticks start one pixel outside the axis line; inner ones one pixel inside.
    const int outwards = (side_ == Side::Bottom || side_ == Side::Right) ? 1 : -1;
    const int direction = inner ? -outwards : outwards;
    const int start = axisPosition_ + direction;
    const int end = start + direction * length;
    if (Horizontal())
        DrawChartLine(painter, QPoint(position, start), QPoint(position, end), pen);
    else
        DrawChartLine(painter, QPoint(start, position), QPoint(end, position), pen);
}

void TChartAxis::DrawGridLine(QPainter& painter, const QPen& pen, int position)
{
    const ChartRect plot = chart_->PlotRect();
    if (Horizontal())
        DrawChartLine(painter, QPoint(position, plot.top + 1), QPoint(position, plot.bottom), pen);
    else
        DrawChartLine(painter, QPoint(plot.left + 1, position), QPoint(plot.right, position), pen);
}

void TChartAxis::DrawMinorTicks(QPainter& painter)
{
    if (!minorTicks_->Draws() || minorTickCount_ < 1 || tickPositions_.size() < 2)
        return;
    const QPen pen = minorTicks_->ToQPen(chart_->palette());
    const double parts = minorTickCount_ + 1;
    const auto drawMinor = [&](int p) {
        if (startPixel_ < p && p < endPixel_)
            DrawTick(painter, pen, p, minorTickLength_, false);
    };
    const int first = tickPositions_.front();
    const int last = tickPositions_.back();
    const double d = (tickPositions_[1] - first) / parts;
    for (int j = 1; j <= minorTickCount_; ++j) {
        drawMinor(first - RoundHalfEven(j * d));
        drawMinor(last + RoundHalfEven(j * d));
    }
    for (std::size_t i = 1; i < tickPositions_.size(); ++i) {
        const int span = tickPositions_[i] - tickPositions_[i - 1];
        for (int j = 1; j <= minorTickCount_; ++j)
            drawMinor(tickPositions_[i] - RoundHalfEven(j * span / parts));
    }
}

void TChartAxis::Draw(QPainter& painter)
{
    const QPalette& palette = chart_->palette();
    DrawTitle(painter);

    tickPositions_.clear();
    if (labels_ && CalcLabelStyle() != talNone) {
        painter.save();
        painter.setFont(labelsFont_->ToQFont());
        painter.setPen(ColorToQColor(labelsFont_->Color(), palette));
        painter.setBrush(Qt::NoBrush);
        painter.setBackgroundMode(Qt::TransparentMode);
        for (double value : LabelValues())
            DrawLabel(painter, value);
        painter.restore();
    }

    if (axisPen_->Draws()) {
        const QPen pen = axisPen_->ToQPen(palette);
        if (Horizontal())
            DrawChartLine(painter, QPoint(startPixel_, axisPosition_),
                          QPoint(endPixel_, axisPosition_), pen);
        else
            DrawChartLine(painter, QPoint(axisPosition_, startPixel_),
                          QPoint(axisPosition_, endPixel_), pen);
    }
    if (ticks_->Draws() && tickLength_ > 0) {
        const QPen pen = ticks_->ToQPen(palette);
        for (int p : tickPositions_)
            DrawTick(painter, pen, p, tickLength_, false);
    }
    if (grid_->Draws()) {
        const QPen pen = grid_->ToQPen(palette, grid_->Color() == clDefault ? clGray : clDefault);
        const int every = grid_->DrawEvery() < 1 ? 1 : grid_->DrawEvery();
        for (std::size_t i = 0; i < tickPositions_.size(); i += static_cast<std::size_t>(every)) {
            const int p = tickPositions_[i];
            if (startPixel_ < p && p < endPixel_)
                DrawGridLine(painter, pen, p);
        }
    }
    if (ticksInner_->Draws() && tickInnerLength_ > 0) {
        const QPen pen = ticksInner_->ToQPen(palette);
        for (int p : tickPositions_)
            DrawTick(painter, pen, p, tickInnerLength_, true);
    }
    DrawMinorTicks(painter);
}
