#include <gtest/gtest.h>

#include <QMainWindow>

TEST(Window, OpensHeadless) {
    QMainWindow w;
    w.show();
    EXPECT_TRUE(w.isVisible());
}
