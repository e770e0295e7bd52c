#pragma once
// Records what the program tells the user instead of showing modal boxes. Installed for the
// lifetime of the object.

#include "app/UserMessages.h"

#include <QString>
#include <QStringList>

class RecordingMessages : public UserMessages {
public:
    RecordingMessages() { previous_ = InstallMessages(this); }
    ~RecordingMessages() override { InstallMessages(previous_); }

    void Beep() override { ++beeps; }
    void ShowMessage(const QString& text) override { messages << text; all << text; }
    void ShowError(const QString& text) override { errors << text; all << text; }
    bool AskYesNo(const QString& text) override { questions << text; all << text; return answerYes; }

    void Clear() { beeps = 0; messages.clear(); errors.clear(); questions.clear(); all.clear(); }

    int beeps = 0;
    QStringList messages;   // plain boxes
    QStringList errors;     // error boxes
    QStringList questions;  // Yes/No questions
    QStringList all;        // every box, in order
    bool answerYes = false;

private:
    UserMessages* previous_ = nullptr;
};
