#pragma once
// The window "Ход решения": the worked solution of one position of the window's result, as a
// student writes it by hand (positions, velocities, accelerations, forces, with the numbers
// substituted and the plan segments in millimetres). The position is the one the drawing tab
// shows (of the drawings' 180 positions) or any position k of the results table. The text can be
// selected and copied; "Копировать" copies all of it.
//
// The table positions marked "В отчёт" are the ones whose worked solution the report carries.

#include "app/ResultPublisher.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class SolutionWindow : public QWidget {
    Q_OBJECT

public:
    // `drawnPosition` gives the position of the drawings' solve the drawing tab shows.
    SolutionWindow(ResultPublisher* results, std::function<int()> drawnPosition, QWidget* parent = nullptr);

    // Shows the window for the drawing tab's position, or for table position k.
    void ShowDrawnPosition();
    void ShowTablePosition(int k);

    QString Text() const;
    // The table positions whose worked solution goes into the report, in the order chosen.
    const std::vector<int>& ReportPositions() const { return reportPositions_; }

protected:
    // Coming back to the window shows the drawing tab's position as it is now.
    void changeEvent(QEvent* event) override;

private:
    void Refresh();
    void AddToReport();
    void ClearReport();
    void ShowReportPositions();
    void Present();

    ResultPublisher* results_;
    std::function<int()> drawnPosition_;
    std::vector<int> reportPositions_;
    QRadioButton* drawn_ = nullptr;
    QRadioButton* table_ = nullptr;
    QSpinBox* position_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* addToReport_ = nullptr;
    QPushButton* clearReport_ = nullptr;
    QLabel* reportLabel_ = nullptr;
};
