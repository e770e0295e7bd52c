#include "app/DrawingFitButton.h"

#include "app/GuardedHandler.h"
#include "kinematics/NumberText.h"
#include "views/FitScales.h"

#include <QLineEdit>
#include <QCoreApplication>
#include <QPushButton>

namespace {

// The strip's first row is free between the scroll bar and the plan scale's caption.
constexpr int kButtonLeft = 388;
constexpr int kButtonTop = 6;
constexpr int kButtonWidth = 70;
constexpr int kButtonHeight = 23;

}  // namespace

QPushButton* AddDrawingFitButton(QWidget* strip, std::function<const CalculationResult*()> result,
                                 const DrawingFitFields& fields)
{
    auto* button = new QPushButton(QCoreApplication::translate("DrawingFitButton", "Вписать"), strip);
    button->setObjectName(QStringLiteral("ButtonFitDrawing"));
    button->setGeometry(kButtonLeft, kButtonTop, kButtonWidth, kButtonHeight);
    button->setToolTip(QCoreApplication::translate("DrawingFitButton", "Подобрать масштабы плана скоростей и положений механизма так, чтобы рисунки "
                                      "поместились целиком при всех положениях кривошипа"));
    QObject::connect(button, &QPushButton::clicked, button, [result = std::move(result), fields] {
        RunGuarded([&] {
            const CalculationResult* r = result();
            if (!r)
                return;
            const KinematicsResult& k = r->Kinematics();
            const int rows = k.diagrams.Rows();
            const PositionArrays& p = k.diagrams.positions;
            // Each text change redraws through the field's own handler.
            if (const auto plan = FitVelocityPlanScale(p, rows, fields.planPicture))
                fields.planScale->setText(QString::fromStdString(WholeNumberText(*plan)));
            if (const auto position = FitPositionScale(p, rows, k.solved, fields.mechanismPicture))
                fields.positionScale->setText(QString::fromStdString(WholeNumberText(*position)));
        });
    });
    return button;
}
