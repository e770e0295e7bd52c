#pragma once
// A text font of the chart component: "Arial" 8 points black unless told otherwise. Sizes are
// turned into pixel heights at 96 dots per inch, so text measures the same on every screen.

#include "chart/ChartColors.h"
#include "chart/ChartPart.h"
#include "chart/ChartProperty.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStaticText>
#include <QString>

#include <memory>

class QPainter;

class TChartFont : public TChartPart {
    Q_OBJECT
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)

public:
    static constexpr int kDefaultSize = 8;
    static constexpr int kScreenDpi = 96;
    static constexpr int kPointsPerInch = 72;

    explicit TChartFont(QObject* parent = nullptr, TColor color = clBlack);

    CHART_PROPERTY(QString, Name, name_)
    int Size() const;
    void SetSize(int points);
    // Negative: the character height in pixels (what the form data stores).
    int Height() const { return -pixelSize_; }
    void SetHeight(int value);
    CHART_PROPERTY(TColor, Color, color_)
    CHART_PROPERTY(bool, Bold, bold_)
    CHART_PROPERTY(bool, Italic, italic_)

    QFont ToQFont() const;

    // The font's metrics and the widths of texts in it, measured once and kept until a property
    // of the font changes: a paint asks for the same label widths several times, and every
    // paint for those of the paint before.
    const QFontMetrics& Metrics() const;
    int TextWidth(const QString& text) const;
    // Draws `text` with its top-left corner at (x, top) on a painter that holds this font. On a
    // raster picture the text keeps its laid-out glyphs between paints; the pixels are those of
    // the painter's own text drawing.
    void DrawText(QPainter& painter, int x, int top, const QString& text) const;

private:
    void ForgetMeasures();

    QString name_ = QStringLiteral("Arial");
    int pixelSize_;
    TColor color_;
    bool bold_ = false;
    bool italic_ = false;
    mutable std::unique_ptr<QFontMetrics> metrics_;
    mutable QHash<QString, int> widths_;
    mutable QHash<QString, QStaticText> laidOut_;
    mutable double exactAscent_ = 0;
};
