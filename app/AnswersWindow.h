#pragma once
// The window "Проверка ответов": the values of a hand solution, typed into the table or loaded
// from an answers file (Положение;Величина;Значение), each checked against the window's result at
// the same position and the same loads: the exact value, the absolute and the relative error and
// a verdict against the tolerance "Допуск, %" (5 by default), green within it and red outside,
// and the summary line "9 из 10 в пределах 5 %". A row that cannot be checked (an unknown name,
// a position outside the table, a value that is not a number) says why.

#include "app/ResultPublisher.h"
#include "kinematics/AnswerCheck.h"

#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class AnswersWindow : public QWidget {
    Q_OBJECT

public:
    explicit AnswersWindow(ResultPublisher* results, QWidget* parent = nullptr);

    void Present();
    // Reads an answers file into the table and checks it; false (after saying why) when it cannot
    // be read.
    bool LoadFile(const QString& path);
    // Checks the table's rows against the current result.
    void CheckRows();

    QTableWidget* Table() const { return table_; }
    QString SummaryText() const;
    QString MessagesText() const;

    // The table's columns.
    enum Column { Position, Name, Given, Exact, AbsoluteError, RelativeError, Verdict, ColumnCount };

private:
    void AddRow(const QString& position, const QString& name, const QString& value);
    void ChooseFile();
    // The rows as answers; a row whose position or value is not a number gets its reason.
    std::vector<StudentAnswer> ReadRows(std::vector<QString>& rowErrors) const;
    void ShowVerdict(int row, const AnswerVerdict* verdict, const QString& error, double tolerance);

    ResultPublisher* results_;
    QLineEdit* tolerance_ = nullptr;
    double tolerancePercent_ = kDefaultTolerancePercent;
    QTableWidget* table_ = nullptr;
    QPushButton* load_ = nullptr;
    QPushButton* check_ = nullptr;
    QPushButton* addRow_ = nullptr;
    QPushButton* removeRow_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* messages_ = nullptr;
};
