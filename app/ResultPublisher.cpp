#include "app/ResultPublisher.h"

#include "app/UserMessages.h"
#include "app/GuardedHandler.h"

ResultPublisher::ResultPublisher(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("ResultPublisher"));
}

void ResultPublisher::Publish(CalculationResult result)
{
    if (result.Failed())
        return;
    result_ = std::make_shared<const CalculationResult>(std::move(result));
    loads_ = result_->input.loads;
    withdrawn_ = false;
    delta_ = result_->input.delta;
    Announce(ResultChange::Calculated);
}

void ResultPublisher::Withdraw(const QString& reason)
{
    if (!result_)
        return;
    withdrawn_ = true;
    withdrawnReason_ = reason;
    emit Withdrawn(reason);
}

void ResultPublisher::ChangeLoads(const ForceParameters& loads)
{
    loads_ = loads;
    if (!result_)
        return;
    result_ = std::make_shared<const CalculationResult>(WithLoads(*result_, loads, delta_));
    Announce(ResultChange::LoadsChanged);
}

void ResultPublisher::ChangeDelta(double delta)
{
    delta_ = delta;
    if (!result_)
        return;
    result_ = std::make_shared<const CalculationResult>(WithLoads(*result_, loads_, delta));
    Announce(ResultChange::LoadsChanged);
}

void ResultPublisher::TakeOver(const ResultPublisher& other)
{
    loads_ = other.loads_;
    delta_ = other.delta_;
    result_ = other.result_;
    withdrawn_ = false;
    if (!result_)
        return;
    emit Published(result_, ResultChange::Calculated);
    reportedFault_.clear();
    if (other.withdrawn_)
        Withdraw(other.withdrawnReason_);
}

void ResultPublisher::ReportFault(const QString& text)
{
    if (reportedFault_.isEmpty())
        reportedFault_ = text;
}

void ResultPublisher::Announce(ResultChange change)
{
    reportedFault_.clear();
    const std::shared_ptr<const CalculationResult> published = result_;
    emit Published(published, change);
    // A change of the loads computed only the loads' parts again: only their fault is new.
    QString fault = QString::fromStdString(change == ResultChange::Calculated ? published->FirstPartError()
                                                                                : published->LoadsPartError());
    if (fault.isEmpty())
        fault = reportedFault_;
    reportedFault_.clear();
    const bool saidJustNow = change == ResultChange::Calculated && !fault.isEmpty() && fault == loadsFaultShown_;
    loadsFaultShown_ = change == ResultChange::LoadsChanged ? fault : QString();
    if (!fault.isEmpty() && !saidJustNow)
        Messages().ShowError(ErrorBoxText(fault));
}
