#pragma once
#include <memory>
#include <string>

#include "app/registry.h"
#include "driver.h"
#include "support/fake_platform.h"

// The program on the fake platform, fed raw pointer input and keys as a backend feeds them:
// the model routes them, as it does for every backend.
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
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<Registry> registry_;
    std::string pressed_;  // the screen a held press went to
};
