#pragma once
// Answers the next modal window from the event loop that shows it: armed before the action,
// it waits for QApplication::activeModalWidget() and hands it to `answer`. A watchdog closes
// whatever is still modal after a few seconds, so a missing close never hangs the tests.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer)
    {
        auto pending = std::make_shared<std::function<void(QWidget*)>>(std::move(answer));
        poll_ = new QTimer;
        poll_->setInterval(10);
        QObject::connect(poll_, &QTimer::timeout, [this, pending] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !*pending)
                return;
            auto action = std::move(*pending);
            *pending = nullptr;
            answered_ = true;
            action(modal);
        });
        poll_->start();
        watchdog_ = new QTimer;
        QObject::connect(watchdog_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timedOut_ = true;
                modal->close();
            }
        });
        watchdog_->start(5000);
    }
    ~ModalAnswer()
    {
        delete poll_;
        delete watchdog_;
    }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool answered() const { return answered_; }
    bool timedOut() const { return timedOut_; }

private:
    QTimer* poll_ = nullptr;
    QTimer* watchdog_ = nullptr;
    bool answered_ = false;
    bool timedOut_ = false;
};
