#pragma once
// The menu "Решение" of the main window: "Ход решения…" (also the button "Ход решения" of the
// drawing tab, for the position it shows) and "Проверка ответов…". It owns the two windows; the
// report asks it which table positions' worked solution to carry.

#include <QObject>

#include <functional>
#include <vector>

class AnswersWindow;
class QAction;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;
class ResultPublisher;
class SolutionWindow;

class SolutionMenu : public QObject {
    Q_OBJECT

public:
    struct Window {
        QMainWindow* form;
        ResultPublisher* results;
        QAction* before;                     // the menu stands before this one
        QWidget* drawingBox;                 // the drawing tab's frame of the pictures, for its button
        std::function<int()> drawnPosition;  // the position the drawings show
    };

    explicit SolutionMenu(const Window& window);

    SolutionWindow* Solution() const { return solution_; }
    AnswersWindow* Answers() const { return answers_; }
    QPushButton* DrawingButton() const { return drawingButton_; }
    std::vector<int> ReportPositions() const;

private:
    QMenu* menu_ = nullptr;
    SolutionWindow* solution_ = nullptr;
    AnswersWindow* answers_ = nullptr;
    QPushButton* drawingButton_ = nullptr;
};
