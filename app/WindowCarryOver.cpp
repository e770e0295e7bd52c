#include "app/WindowCarryOver.h"

#include "app/MainForm.h"
#include "app/ResultPublisher.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTabWidget>

namespace {

// Each widget of `to` of type T gets what `carry` takes from the widget of the same name in
// `from`; nameless ones and those the other window lacks are left as built.
template <class T, class Carry>
void CarryByName(TForm4& from, TForm4& to, Carry carry)
{
    for (T* target : to.findChildren<T*>()) {
        if (target->objectName().isEmpty())
            continue;
        if (T* source = from.findChild<T*>(target->objectName()))
            carry(*source, *target);
    }
}

}  // namespace

void CarryOver(TForm4& from, TForm4& to)
{
    to.MechanismRecord() = from.MechanismRecord();
    // The boxes first: the adoption of Lbc and the gravity belong to the next Calculate.
    CarryByName<QAbstractButton>(from, to, [](QAbstractButton& source, QAbstractButton& target) {
        if (source.isCheckable() && target.isCheckable() && source.isChecked() != target.isChecked())
            target.setChecked(source.isChecked());
    });
    to.Results().TakeOver(from.Results());
    // The fields as they stand, left or not: what was typed stays, even what no handler took yet.
    CarryByName<QLineEdit>(from, to, [](QLineEdit& source, QLineEdit& target) {
        if (source.text() != target.text())
            target.setText(source.text());
    });
    CarryByName<QTabWidget>(from, to, [](QTabWidget& source, QTabWidget& target) {
        if (source.count() == target.count())
            target.setCurrentIndex(source.currentIndex());
    });
    // The animation's box answers only to a click: a checked one starts its timer again.
    if (auto* animation = to.findChild<QAbstractButton*>(QStringLiteral("CheckBox1")); animation && animation->isChecked())
        to.CheckBox1Click();
    if (from.isMaximized()) {
        to.setWindowState(to.windowState() | Qt::WindowMaximized);
    } else {
        to.resize(from.size());
        to.move(from.pos());
    }
}
