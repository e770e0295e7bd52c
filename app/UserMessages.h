#pragma once
// The one place that talks to the user: plain messages, the exit question, the error box and the
// beep. The application installs the dialog implementation; tests install a recorder.

#include <QString>

class QWidget;

class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void Beep() = 0;
    // A plain modal box with one OK button, titled "Orvek".
    virtual void ShowMessage(const QString& text) = 0;
    // The application's error box: title "Orvek", error icon, OK.
    virtual void ShowError(const QString& text) = 0;
    // The exit question: information icon, title "Information", "&Yes" (default) / "&No", the
    // buttons in the language of Qt's texts ("&Да" / "&Нет" under a Russian locale).
    virtual bool AskYesNo(const QString& text) = 0;
};

// Shows real modal boxes over the active window.
class DialogMessages : public UserMessages {
public:
    void Beep() override;
    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;
    bool AskYesNo(const QString& text) override;
};

// The messages in use; DialogMessages unless a test installed another one.
UserMessages& Messages();
// Installs `messages` (not owned) and returns the previous one; nullptr restores the dialogs.
UserMessages* InstallMessages(UserMessages* messages);

inline constexpr const char* kApplicationTitle = "Orvek";
