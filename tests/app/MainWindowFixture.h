#pragma once
// The main window as the window tests drive it: shown and holding the focus, in a working folder
// of its own, its messages recorded; Calculate is clicked and fields are typed and left as a user
// does.

#include "app/MainForm.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QLineEdit>
#include <QPushButton>

template <class Base = ::testing::Test>
class MainWindowFixture : public Base {
protected:
    void SetUp() override { ShowActive(form); }

    void Calculate() { QTest::mouseClick(FindComponent<QPushButton>(form, "Button4"), Qt::LeftButton); }
    void Enter(const char* field, const QString& text) { EnterField(form, field, text); }

    TempWorkDir dir;
    RecordingMessages messages;
    TForm4 form;
};
