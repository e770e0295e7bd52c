#pragma once
// A panel with the classic 3-D bevels: an outer and an inner bevel, each lowered, raised or
// blank space, of a common width, around a plain background. The splash and the About box
// are built on it.

#include <QColor>
#include <QWidget>

class BevelPanel : public QWidget {
    Q_OBJECT

public:
    enum class Bevel { None, Lowered, Raised, Space };

    explicit BevelPanel(QWidget* parent = nullptr);

    // ---- Properties ----
    void SetBevelOuter(Bevel bevel);
    void SetBevelInner(Bevel bevel);
    void SetBevelWidth(int width);
    // An invalid colour leaves the parent's background showing.
    void SetColor(const QColor& color);

    Bevel BevelOuter() const { return outer_; }
    Bevel BevelInner() const { return inner_; }
    int BevelWidth() const { return width_; }
    QColor Color() const { return color_; }
    // Width of the frame the bevels take on each side.
    int FrameWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel outer_ = Bevel::Raised;
    Bevel inner_ = Bevel::None;
    int width_ = 1;
    QColor color_;
};
