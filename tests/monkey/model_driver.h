#pragma once
#include <memory>

#include "app/registry.h"
#include "driver.h"
#include "support/fake_platform.h"

// The program on the fake platform. Pointer input is routed as the window system routes it:
// to the topmost windowed control under the pointer, a frame passing it on to what it holds,
// and everything from a press to its release going to the one that took the press.
class ModelDriver : public Driver {
public:
    ModelDriver();
    ~ModelDriver() override;

    Registry& registry() override { return *registry_; }
    void pointer(const std::string& screen, PointerAction action, int button, int x,
                 int y) override;
    void close(const std::string& screen) override;
    void key(const std::string& screen, Key k) override;
    void advance(int ms) override { platform_->advance(static_cast<std::uint64_t>(ms)); }
    std::string windowFault() override;
    void restart() override;

private:
    // What takes input at a point: a container (null for the screen itself), or a windowed
    // button, option button or tick box in it; with the container's origin on the screen.
    struct Target {
        ui::Control* container = nullptr;
        ui::Control* button = nullptr;
        int originX = 0;
        int originY = 0;
    };
    static Target targetAt(const ui::Screen& screen, int x, int y, bool buttonsTakeIt);
    // The press still held, if its screen and control are still there.
    bool grabHeld(const ui::Screen& screen) const;

    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<Registry> registry_;
    const ui::Screen* grabScreen_ = nullptr;
    Target grab_;
};
