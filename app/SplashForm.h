#pragma once
// TForm1, the splash window: a borderless yellow panel with the picture and the program's name.
// It sets the application title and icon; one second after its creation its timer shows the
// main window (once) and hides the splash. The timer keeps ticking for the whole run.

#include <QWidget>

#include <cstdint>

class BevelPanel;
class QLabel;
class QTimer;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);  // builds the window and runs FormCreate

    // The window the first tick shows (not owned).
    void SetMainForm(QWidget* mainForm) { mainForm_ = mainForm; }

    std::int32_t SplashTicks() const { return splashTicks_; }
    QTimer* Timer() const { return Timer1; }

    // ---- Handlers ----
    void FormCreate();
    void Timer1Timer();

private:
    std::int32_t splashTicks_ = 0;
    QWidget* mainForm_ = nullptr;

    // ---- Components (objectName = the name below) ----
    BevelPanel* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QTimer* Timer1 = nullptr;
};
