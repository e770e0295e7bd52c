// gtest main for every test program: a QApplication on the offscreen platform (unless the
// environment names another), the fonts the program maps, and a clean message recorder.

#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // gtest_discover_tests runs the binary without the test's environment.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvek"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
