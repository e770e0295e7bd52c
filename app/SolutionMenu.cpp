#include "app/SolutionMenu.h"

#include "app/AnswersWindow.h"
#include "app/SolutionWindow.h"
#include "views/FormFont.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// On the drawing tab's frame, in its caption's row above the mechanism's picture: the strip below
// has no room left beside "Вписать".
const QRect kDrawingButtonGeometry(572, 0, 126, 17);

}  // namespace

SolutionMenu::SolutionMenu(const Window& window) : QObject(window.form)
{
    solution_ = new SolutionWindow(window.results, window.drawnPosition, window.form);
    answers_ = new AnswersWindow(window.results, window.form);

    menu_ = new QMenu(tr("Ре&шение"), window.form);
    menu_->setObjectName(QStringLiteral("MenuSolution"));
    QAction* solution = menu_->addAction(tr("&Ход решения…"));
    solution->setObjectName(QStringLiteral("SolutionAction"));
    connect(solution, &QAction::triggered, this, [this] { solution_->ShowDrawnPosition(); });
    QAction* answers = menu_->addAction(tr("&Проверка ответов…"));
    answers->setObjectName(QStringLiteral("AnswersAction"));
    connect(answers, &QAction::triggered, this, [this] { answers_->Present(); });
    window.form->menuBar()->insertMenu(window.before, menu_);

    if (window.drawingBox) {
        drawingButton_ = new QPushButton(tr("Ход решения"), window.drawingBox);
        drawingButton_->setObjectName(QStringLiteral("SolutionButton"));
        drawingButton_->setFont(FormFont(11, true));
        drawingButton_->setGeometry(kDrawingButtonGeometry);
        drawingButton_->setToolTip(tr("Ход решения для показанного положения механизма"));
        connect(drawingButton_, &QPushButton::clicked, this, [this] { solution_->ShowDrawnPosition(); });
    }
}

std::vector<int> SolutionMenu::ReportPositions() const
{
    return solution_->ReportPositions();
}
