#include "app/WindowGrowth.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QSplitter>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <map>
#include <vector>

namespace {

enum class Anchor { Stays, Moves, Stretches };

struct PlacedChild {
    QPointer<QWidget> widget;
    QRect start;
    Anchor horizontal = Anchor::Stays;
    Anchor vertical = Anchor::Stays;
};

// The panes' sizes at a splitter length: the scale of all later lengths.
struct PaneReference {
    QList<int> sizes;
    int length = 0;
};

Anchor AnchorOf(int start, int end, int fillerStart, int fillerEnd)
{
    if (start >= fillerEnd)
        return Anchor::Moves;
    if (start <= fillerStart && end >= fillerEnd)
        return Anchor::Stretches;
    return Anchor::Stays;
}

QRect Grown(const PlacedChild& child, QSize growth)
{
    QRect r = child.start;
    if (child.horizontal == Anchor::Moves)
        r.translate(growth.width(), 0);
    else if (child.horizontal == Anchor::Stretches)
        r.setWidth(r.width() + growth.width());
    if (child.vertical == Anchor::Moves)
        r.translate(0, growth.height());
    else if (child.vertical == Anchor::Stretches)
        r.setHeight(r.height() + growth.height());
    return r;
}

int Along(const QSplitter* splitter, QSize size)
{
    return splitter->orientation() == Qt::Horizontal ? size.width() : size.height();
}

int StretchOf(const QSplitter* splitter, int pane)
{
    const QSizePolicy policy = splitter->widget(pane)->sizePolicy();
    return splitter->orientation() == Qt::Horizontal ? policy.horizontalStretch() : policy.verticalStretch();
}

// Fixed panes beside stretching ones: left alone, the stretching panes would take all the growth.
bool HasFixedPanes(const QSplitter* splitter)
{
    bool fixed = false;
    bool stretching = false;
    for (int i = 0; i < splitter->count(); ++i)
        (StretchOf(splitter, i) == 0 ? fixed : stretching) = true;
    return fixed && stretching;
}

// `reference` scaled to `length`; the last shown pane takes what rounding leaves.
QList<int> Scaled(const PaneReference& reference, int length)
{
    long long total = 0;
    for (const int size : reference.sizes)
        total += size;
    const long long available = std::max<long long>(0, total + length - reference.length);
    QList<int> sizes = reference.sizes;
    if (total == 0)
        return sizes;
    long long given = 0;
    int last = -1;
    for (int i = 0; i < sizes.size(); ++i) {
        if (reference.sizes[i] == 0)
            continue;
        sizes[i] = static_cast<int>((reference.sizes[i] * available + total / 2) / total);
        given += sizes[i];
        last = i;
    }
    if (last >= 0)
        sizes[last] += static_cast<int>(available - given);
    return sizes;
}

class WindowGrowth : public QObject {
public:
    explicit WindowGrowth(QWidget* client) : QObject(client), client_(client), start_(client->minimumSize())
    {
        Place(client);
        for (QTabWidget* tabs : client->findChildren<QTabWidget*>(Qt::FindDirectChildrenOnly))
            for (int i = 0; i < tabs->count(); ++i) {
                QWidget* page = tabs->widget(i);
                if (!page->layout() && page->metaObject() == &QWidget::staticMetaObject)
                    Place(page);
            }
        for (QSplitter* splitter : client->findChildren<QSplitter*>())
            if (HasFixedPanes(splitter)) {
                splitter->installEventFilter(this);
                panes_[splitter];
                connect(splitter, &QSplitter::splitterMoved, this, [this, splitter] {
                    panes_[splitter] = {splitter->sizes(), Along(splitter, splitter->size())};
                });
            }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Resize || forwarding_)
            return false;
        if (const auto placed = placed_.find(watched); placed != placed_.end()) {
            for (const PlacedChild& child : placed->second)
                if (child.widget)
                    child.widget->setGeometry(Grown(child, Growth()));
            return false;
        }
        if (auto* splitter = qobject_cast<QSplitter*>(watched))
            return ResizeSplitter(splitter, event);
        return false;
    }

private:
    QSize Growth() const { return client_->size() - start_; }

    // The children's start geometry and anchors; `container` is at its start layout.
    void Place(QWidget* container)
    {
        std::vector<PlacedChild> children;
        QRect filler;
        for (QWidget* widget : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (widget->isWindow())
                continue;
            children.push_back({widget, widget->geometry()});
            const QRect r = widget->geometry();
            if (r.width() * r.height() > filler.width() * filler.height())
                filler = r;
        }
        if (filler.isEmpty())
            return;
        for (PlacedChild& child : children) {
            const QRect& r = child.start;
            child.horizontal = AnchorOf(r.left(), r.left() + r.width(), filler.left(), filler.left() + filler.width());
            child.vertical = AnchorOf(r.top(), r.top() + r.height(), filler.top(), filler.top() + filler.height());
        }
        placed_[container] = std::move(children);
        container->installEventFilter(this);
    }

    // Lays the splitter's panes out at its new length from their reference. Until the window
    // first grows along the splitter, its own layout is the start one; then the reference is that
    // layout less the growth, which its stretching pane took.
    bool ResizeSplitter(QSplitter* splitter, QEvent* event)
    {
        PaneReference& reference = panes_[splitter];
        const int length = Along(splitter, splitter->size());
        const int growth = Along(splitter, Growth());
        if (reference.sizes.isEmpty()) {
            if (growth == 0)
                return false;
            forwarding_ = true;
            QCoreApplication::sendEvent(splitter, event);
            forwarding_ = false;
            QList<int> sizes = splitter->sizes();
            for (int i = static_cast<int>(sizes.size()) - 1; i >= 0; --i)
                if (StretchOf(splitter, i) != 0 && sizes[i] > 0) {
                    sizes[i] = std::max(0, sizes[i] - growth);
                    break;
                }
            reference = {sizes, length - growth};
        }
        splitter->setSizes(Scaled(reference, length));
        return false;
    }

    QWidget* client_;
    QSize start_;
    bool forwarding_ = false;
    std::map<QObject*, std::vector<PlacedChild>> placed_;
    std::map<QSplitter*, PaneReference> panes_;
};

}  // namespace

void InstallWindowGrowth(QWidget* client)
{
    new WindowGrowth(client);
}
