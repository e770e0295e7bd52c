#include "app/StaleResultNotes.h"

#include "app/ResultPublisher.h"
#include "kinematics/NumberText.h"

#include <QEvent>
#include <QLabel>
#include <QWidget>

namespace {

constexpr int kNoteHeight = 18;

QString Length(double value)
{
    return QString::fromStdString(FormatGeneral(value));
}

}  // namespace

StaleResultNotes::StaleResultNotes(ResultPublisher* results, const std::vector<Place>& places, QObject* parent)
    : QObject(parent), results_(results)
{
    for (const Place& place : places) {
        auto* label = new QLabel(place.tab);
        label->setObjectName(place.tab->objectName() + QStringLiteral("StaleNote"));
        label->setStyleSheet(QStringLiteral("background: #ffffc0; color: #800000; padding-left: 4px;"));
        label->hide();
        place.tab->installEventFilter(this);
        notes_.push_back(Note{label, place.above});
    }
    connect(results_, &ResultPublisher::Withdrawn, this, [this] {
        const QString text = Text(results_->Result()->Kinematics().solved);
        for (const Note& note : notes_) {
            note.label->setText(text);
            Lay(note);
            note.label->show();
            note.label->raise();
        }
    });
    connect(results_, &ResultPublisher::Published, this, [this] {
        if (!results_->Current())
            return;  // other loads for the earlier result: it is still the earlier one
        for (const Note& note : notes_)
            note.label->hide();
    });
}

QString StaleResultNotes::Text(const Mechanism& shown)
{
    return tr("Результаты предыдущего расчёта: Loa %1, Lab %2, Lbc %3, Lde %4, Loc %5 м, N %6; "
                          "новый расчёт не выполнен")
        .arg(Length(shown.Loa), Length(shown.Lab), Length(shown.Lbc), Length(shown.Lde), Length(shown.Loc),
             QString::fromStdString(WholeNumberText(shown.PositionCount)));
}

bool StaleResultNotes::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        for (const Note& note : notes_) {
            if (note.label->parent() == watched)
                Lay(note);
        }
    }
    return QObject::eventFilter(watched, event);
}

void StaleResultNotes::Lay(const Note& note)
{
    const QWidget* tab = note.label->parentWidget();
    const int bottom = note.above ? note.above->y() : tab->height();
    note.label->setGeometry(0, bottom - kNoteHeight, tab->width(), kNoteHeight);
}
