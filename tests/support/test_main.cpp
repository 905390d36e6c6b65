// Runs the tests under a Qt application object, as the program's handlers expect.
#include <gtest/gtest.h>

#include <QCoreApplication>
#if __has_include(<QApplication>)
#include <QApplication>
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    EQBOND_TEST_APP app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
