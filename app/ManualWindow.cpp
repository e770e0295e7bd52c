#include "app/ManualWindow.h"

#include "app/ProgramTranslations.h"

#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

// Q_INIT_RESOURCE names a function of the global namespace: orvek_gui is a static library, so
// the manual's resources are registered by the code that reads them.
static void InitManualResources()
{
    Q_INIT_RESOURCE(manual);
    Q_INIT_RESOURCE(manual_en);
    Q_INIT_RESOURCE(manual_uk);
}

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 620;
const char* const kFolder = ":/manual";

// The manual in the language of the interface (":/manual/uk", ":/manual/en") when the program
// carries it, else the Russian one.
QString LanguageFolder()
{
    InitManualResources();
    const InterfaceLanguage language = ProgramTranslations::InUse();
    if (language != InterfaceLanguage::Russian) {
        const QString folder = QString::fromLatin1(kFolder) + u'/' + QString::fromLatin1(LanguageCode(language));
        if (QFile::exists(folder + QStringLiteral("/manual.html")))
            return folder;
    }
    return QString::fromLatin1(kFolder);
}

QString ResourceText(const QString& folder, const QString& name)
{
    QFile file(folder + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

}  // namespace

ManualWindow::ManualWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("ManualWindow"));
    setWindowTitle(tr("Руководство"));
    browser_->setObjectName(QStringLiteral("ManualText"));
    browser_->setOpenExternalLinks(false);
    // The pictures of the Russian manual serve the translated ones too.
    browser_->setSearchPaths({LanguageFolder(), QString::fromLatin1(kFolder)});
    browser_->setHtml(ManualHtml());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(kWidth, kHeight);
}

QString ManualWindow::ManualHtml()
{
    const QString folder = LanguageFolder();
    QString html = ResourceText(folder, QStringLiteral("manual.html"));
    // <!--include:NAME-->placeholder<!--/include--> gives way to the file NAME when there is one.
    static const QRegularExpression include(QStringLiteral("<!--include:([\\w.]+)-->(.*?)<!--/include-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QString filled;
    qsizetype from = 0;
    for (auto it = include.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString section = ResourceText(folder, m.captured(1));
        filled += html.mid(from, m.capturedStart() - from);
        filled += section.isEmpty() ? m.captured(2) : section;
        from = m.capturedEnd();
    }
    return filled + html.mid(from);
}

void ManualWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the manual like a dialog; the text browser passes the key on.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

ManualWindow* ManualWindow::ShowFor(QWidget* parent)
{
    ManualWindow* window = parent ? parent->findChild<ManualWindow*>(QStringLiteral("ManualWindow"), Qt::FindDirectChildrenOnly)
                                  : nullptr;
    if (!window) {
        window = new ManualWindow(parent);
        // Centred over the main window, or on the screen: no window manager may place it.
        const QRect area = parent ? parent->frameGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint topLeft = area.center() - QPoint(kWidth / 2, kHeight / 2);
        window->move(std::max(topLeft.x(), 0), std::max(topLeft.y(), 0));
        if (!parent)
            window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
