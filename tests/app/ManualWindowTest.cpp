// The built-in manual: loaded from the program's resources, its scheme picture found, every
// section present (the ones filled later too), every message of the program explained, and one
// window per main window.

#include "app/ManualWindow.h"

#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include <gtest/gtest.h>

namespace {

// The anchors of the laid-out document and the images it refers to.
struct DocumentParts {
    QSet<QString> anchors;
    QStringList images;
};

DocumentParts PartsOf(const QTextDocument& document)
{
    DocumentParts parts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                parts.anchors.insert(name);
            if (format.isImageFormat())
                parts.images << format.toImageFormat().name();
        }
    }
    return parts;
}

class ManualWindowTest : public ::testing::Test {
protected:
    void TearDown() override { delete owner; }

    QWidget* owner = new QWidget;
};

TEST_F(ManualWindowTest, ShowsTheManualWithItsSchemeAndEverySection)
{
    ManualWindow* window = ManualWindow::ShowFor(owner);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->objectName(), QStringLiteral("ManualWindow"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Руководство"));
    EXPECT_TRUE(window->isWindow());

    QTextBrowser* browser = window->findChild<QTextBrowser*>(QStringLiteral("ManualText"));
    ASSERT_NE(browser, nullptr);
    const QString text = browser->toPlainText();
    EXPECT_GT(text.size(), 8000) << "a whole manual, not a stub";
    EXPECT_TRUE(text.contains(QStringLiteral("Руководство по программе")));

    const DocumentParts parts = PartsOf(*browser->document());
    for (const char* id : {"mechanism", "inputs", "calculate", "table", "tabs", "drawings", "zoom", "file",
                           "messages", "formulas", "accelerations", "forces", "export", "dynamics", "structure",
                           "solution", "answers"})
        EXPECT_TRUE(parts.anchors.contains(QString::fromLatin1(id))) << id;

    // The scheme is found in the resources and is our own 720 × 480 picture.
    ASSERT_EQ(parts.images, QStringList{QStringLiteral("scheme.png")});
    const QVariant picture = browser->loadResource(QTextDocument::ImageResource, QUrl(parts.images.first()));
    QImage image;
    if (picture.typeId() == QMetaType::QByteArray)
        image.loadFromData(picture.toByteArray());
    else
        image = qvariant_cast<QImage>(picture);
    EXPECT_EQ(image.size(), QSize(720, 480));
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += image.pixel(x, y) != image.pixel(0, 0) ? 1 : 0;
    EXPECT_GT(inked, 5000) << "a drawing, not a blank";

    // A link of the contents leads to its section.
    const int before = browser->verticalScrollBar()->value();
    browser->setSource(QUrl(QStringLiteral("#messages")));
    EXPECT_GT(browser->verticalScrollBar()->value(), before);
}

TEST_F(ManualWindowTest, EverySectionKeptInItsOwnFileIsFilledIn)
{
    const QString html = ManualWindow::ManualHtml();
    EXPECT_FALSE(html.contains(QStringLiteral("<!--include"))) << "every marked section resolved";
    EXPECT_TRUE(html.contains(QStringLiteral("Ускорения: формулы, по которым считает программа")));
    EXPECT_TRUE(html.contains(QStringLiteral("Силовой анализ: модель и формулы")));
    const qsizetype dynamicsAt = html.indexOf(QStringLiteral("id=\"dynamics\""));
    ASSERT_GE(dynamicsAt, 0);
    for (const char* part : {"Маховик: точный расчёт", "Правило знаков", "Пример", "Вкладка «Динамика»"})
        EXPECT_GT(html.indexOf(QString::fromUtf8(part), dynamicsAt), dynamicsAt) << part;
    const qsizetype exportAt = html.indexOf(QStringLiteral("id=\"export\""));
    ASSERT_GE(exportAt, 0);
    EXPECT_GT(html.indexOf(QStringLiteral("Таблица в формате CSV"), exportAt), exportAt);
    EXPECT_GT(html.indexOf(QStringLiteral("Командная строка"), exportAt), exportAt);
    EXPECT_EQ(html.count(QStringLiteral("Этот раздел будет дополнен.")), 0) << "every section is written";
}

TEST_F(ManualWindowTest, ExplainsEveryMessageAndTheFormulasAStudentNeeds)
{
    QTextDocument document;
    document.setHtml(ManualWindow::ManualHtml());
    const QString text = document.toPlainText();
    const char* messages[] = {
        "Ошибка ввода данных!",
        "Параметр не может быть отрицательным!",
        "Ноль недопустим!",
        "Вибране значення поза діапазоном",
        "Слишком большое количество положений механизма (не более 100000)",
        "Invalid floating point operation.",
        "Floating point division by zero.",
        "Floating point overflow.",
        "is not a valid integer value.",
        "Не удалось прочитать параметры из файла startpar.tmm",
        "Не удалось сохранить параметры в файл startpar.tmm",
        "Не удалось открыть адрес … в браузере.",
        "Вы уверены что хотите выйти из программы ? ",
        "Перебор через 1° при Lbc = … м не нашёл мёртвых положений",
        "Результаты предыдущего расчёта",
        "Loa: ожидается положительное число в метрах",
        "Механизм не собирается: Lab + Lbc < Loa + Loc",
        "звено DE не достаёт до направляющей ползуна",
    };
    for (const char* message : messages)
        EXPECT_TRUE(text.contains(QString::fromUtf8(message))) << message;
    for (const char* formula : {"xA = Loa·cos φ", "θ3 = ψ + δ", "ω2 = (cos θ3·VxA + sin θ3·VyA)", "VE = VyD − cos θ4·Lde·ω4",
                                "0,591 м до 0,900 м", "меньше 0,001 м/с"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(formula))) << formula;
}

TEST_F(ManualWindowTest, OneWindowPerMainWindowShownAgainNotDuplicated)
{
    ManualWindow* first = ManualWindow::ShowFor(owner);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(first));
    first->close();
    EXPECT_FALSE(first->isVisible());
    ManualWindow* second = ManualWindow::ShowFor(owner);
    EXPECT_EQ(second, first);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(owner->findChildren<ManualWindow*>().size(), 1);
    QTest::keyClick(second->Browser(), Qt::Key_Escape);
    EXPECT_FALSE(second->isVisible()) << "Escape closes the manual";
}

}  // namespace
