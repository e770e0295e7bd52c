#pragma once
// The window's one calculation result, and the loads in use. The window publishes each Calculate's
// result here; a change of the loads on an analysis tab makes a new result of the same kinematics
// (WithLoads) and publishes it too. Every reader (the table, the diagrams, the drawings, the
// status bar, the analysis tabs, the File menu) subscribes to Published and reads the result it
// is given; nothing else computes.
//
// A new tab subscribes with
//     connect(publisher, &ResultPublisher::Published, tab, &MyTab::ShowResult);
// and reads publisher->Result() whenever it needs the current one.
//
// One error box per publication: after every subscriber has shown the result, the first fault
// of its parts (in the order they were computed), or else the first a subscriber reported while
// showing it, reaches the error box once.

#include "kinematics/Calculation.h"

#include <QObject>
#include <QString>

#include <memory>

enum class ResultChange {
    Calculated,    // a new Calculate: every part is new
    LoadsChanged,  // the same kinematics, the loads and what depends on them are new
};

class ResultPublisher : public QObject {
    Q_OBJECT

public:
    explicit ResultPublisher(QObject* parent = nullptr);

    // The current result; none before the first successful Calculate.
    std::shared_ptr<const CalculationResult> Result() const { return result_; }
    // The loads the current result was computed with, which the next Calculate takes too.
    const ForceParameters& Loads() const { return loads_; }
    // The dynamics' δ in use, which the next Calculate takes too.
    double Delta() const { return delta_; }

    // Publishes a Calculate's result (a failed one has nothing to show and is refused).
    void Publish(CalculationResult result);
    // A later Calculate failed: the result stays for the tabs to show, marked as an earlier one
    // until the next Publish.
    void Withdraw(const QString& reason);
    // False after Withdraw until the next successful Calculate is published.
    bool Current() const { return result_ && !withdrawn_; }
    // Takes other loads: with a result, computes its loads' parts again and publishes it.
    void ChangeLoads(const ForceParameters& loads);
    // Takes another δ: with a result, computes the dynamics again and publishes it (as a change
    // of the loads).
    void ChangeDelta(double delta);

    // Takes over what `other` holds (the window built again in another language): its result,
    // loads and δ, announced to the subscribers as a Calculate, and withdrawn again if it was.
    // Its fault was said when it was computed and is not said again.
    void TakeOver(const ResultPublisher& other);

    // A subscriber could not show part of the result (its own arithmetic faulted): the text is
    // said once the publication is over, unless a fault of the result itself comes first.
    void ReportFault(const QString& text);

signals:
    void Published(const std::shared_ptr<const CalculationResult>& result, ResultChange change);
    // The result on show belongs to an earlier Calculate; `reason` says why the latest failed.
    void Withdrawn(const QString& reason);

private:
    void Announce(ResultChange change);

    std::shared_ptr<const CalculationResult> result_;
    ForceParameters loads_;
    double delta_ = kDefaultDelta;
    QString reportedFault_;
    // The fault a change of the loads just showed: a Calculate of the same loads right after it
    // (the click that left the field) does not show the same box again.
    QString loadsFaultShown_;
    bool withdrawn_ = false;
    QString withdrawnReason_;
};
