// Entry of the UI test programs: an application on the offscreen platform,
// set up as the program sets itself up, then every test.

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("AR PL UMing CN")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("DejaVu Sans")});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
