#include <QApplication>
#include <gtest/gtest.h>

TEST(QtSmoke, ApplicationExists) { EXPECT_NE(QApplication::instance(), nullptr); }
