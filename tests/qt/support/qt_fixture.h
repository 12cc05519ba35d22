#pragma once
#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <optional>

#include "app/registry.h"
#include "program/screens.h"
#include "qt/convert.h"
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
    // A click at a point of a window, as the window system gives it: the window hands it to
    // the model.
    void clickAt(QWidget& target, QPoint at) {
        QTest::mouseClick(&target, Qt::LeftButton, Qt::NoModifier, at);
        QCoreApplication::processEvents();
    }
    // Where a control lies in its screen's window now, in the window's pixels.
    QRect rectOf(const std::string& name, const ui::Control& c) {
        return ui::qt::toWindowRect(window(name).view(), registry.screen(name).areaOf(c));
    }
    // A click on a control: at its centre, or `at` from its top left corner.
    void clickOn(const std::string& name, const ui::Control& c, std::optional<QPoint> at = {}) {
        const QRect r = rectOf(name, c);
        clickAt(window(name), at ? r.topLeft() + *at : r.center());
    }

    ui::qt::QtPlatform platform;
    Registry registry{platform};
};
