#pragma once
// Helpers for driving a form in tests: find components by name, type into fields with real key
// events and leave them the way a user does.

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

template <class T>
T* FindComponent(QObject& root, const char* name)
{
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no component " << name;
    return found;
}

// Shows the window and waits until it holds the keyboard focus (offscreen too).
inline void ShowActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

// Where the user's keys go: the widget that holds the focus.
inline QWidget* KeyTarget(QWidget* fallback)
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : fallback;
}

// Clicks into the field and replaces its text by typing, one key event per character. The keys
// go where the focus is: a field whose value was rejected keeps it.
inline void TypeInto(QLineEdit* edit, const QString& text)
{
    QTest::mouseClick(edit, Qt::LeftButton);
    if (!QApplication::focusWidget())
        edit->setFocus(Qt::MouseFocusReason);
    QWidget* target = KeyTarget(edit);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Delete);
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Leaves the field with the Tab key, as a user moving to the next field.
inline void LeaveWithTab(QLineEdit* edit)
{
    QTest::keyClick(KeyTarget(edit), Qt::Key_Tab);
}

// Types `text` into the field `name` below `root` and leaves it with Tab, as a user does.
inline void EnterField(QObject& root, const char* name, const QString& text)
{
    QLineEdit* edit = FindComponent<QLineEdit>(root, name);
    TypeInto(edit, text);
    LeaveWithTab(edit);
}
