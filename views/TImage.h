#pragma once
// An image control: a persistent bitmap of the control's size that drawing routines paint on
// directly. Nothing is stored but the pixels, and only an explicit blanking removes a drawing.
// Like a device context, the canvas keeps its pen, font and origin between drawings.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    // ---- The bitmap ----
    // The bitmap has the control's size (white where nothing was drawn yet); a resize keeps
    // what was drawn at its place.
    const QImage& Picture() const;
    // Draw on this, then call Changed() so the control shows the new pixels.
    QImage& Picture();
    void Changed() { update(); }

    // ---- Canvas state, kept from one drawing to the next ----
    QColor PenColor = Qt::black;
    int PenWidth = 1;
    QColor FontColor = Qt::black;
    QFont Font;
    QColor BrushColor = Qt::white;
    QPoint Origin;  // device origin: where the drawing coordinates (0, 0) fall on the bitmap

    // Sets the origin to the centre of the control, (Width div 2, Height div 2).
    void MoveOriginToCentre() { Origin = QPoint(width() / 2, height() / 2); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FitPictureToControl() const;

    mutable QImage picture_;
};
