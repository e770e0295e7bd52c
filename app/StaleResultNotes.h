#pragma once
// After a Calculate that failed, every tab still shows the previous result: each says so in one
// line across its bottom ("Результаты предыдущего расчёта: …"), until the next successful
// Calculate. The lines lie over the tabs' own layouts, so nothing specified moves.

#include <QObject>
#include <QString>

#include <vector>

class QLabel;
class QWidget;
class ResultPublisher;
struct Mechanism;

class StaleResultNotes : public QObject {
    Q_OBJECT

public:
    // A tab, and the child the line stands just above (nullptr: the tab's bottom edge).
    struct Place {
        QWidget* tab;
        QWidget* above;
    };
    StaleResultNotes(ResultPublisher* results, const std::vector<Place>& places, QObject* parent);

    // "Результаты предыдущего расчёта: Loa 0,1, Lab 0,6, Lbc 0,9, Lde 0,5, Loc 1 м, N 8; новый
    // расчёт не выполнен"
    static QString Text(const Mechanism& shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Note {
        QLabel* label;
        QWidget* above;
    };
    static void Lay(const Note& note);

    ResultPublisher* results_;
    std::vector<Note> notes_;
};
