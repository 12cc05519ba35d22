#pragma once
#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include "app/registry.h"
#include "program/screens.h"
#include "qt/qt_platform.h"
#include "ui/twips.h"

// The program on Qt's offscreen platform, with helpers to look at a screen's pixels and
// to press on it with a real Qt mouse.
class QtAppTest : public ::testing::Test {
protected:
    QtAppTest() { registerScreens(registry); }
    // The registry catches a handler that throws and goes on: a test fails on it all the same.
    void TearDown() override { EXPECT_EQ(registry.caughtFaults(), 0); }

    ui::qt::ScreenWindow& window(const std::string& name) {
        ui::qt::ScreenWindow* w = platform.windowOf(registry.screen(name));
        if (!w) throw std::runtime_error(name + " has no window");
        return *w;
    }
    // The screen as drawn, in logical pixels.
    QImage render(const std::string& name) {
        QCoreApplication::processEvents();
        return window(name).grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    static QPoint atTwips(int x, int y) { return {x / ui::twipsPerPixel, y / ui::twipsPerPixel}; }
    static QColor colourAt(const QImage& image, int xTwips, int yTwips) {
        return image.pixelColor(atTwips(xTwips, yTwips));
    }
    // At a point of a widget, as the window system gives it: to the window, which hands it to
    // the model (a widget sent the click itself would take it whatever the model says).
    void clickAt(QWidget& target, QPoint at) {
        QTest::mouseClick(target.window(), Qt::LeftButton, Qt::NoModifier,
                          target.mapTo(target.window(), at));
        QCoreApplication::processEvents();
    }

    ui::qt::QtPlatform platform;
    Registry registry{platform};
};
