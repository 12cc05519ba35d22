#include "app/screens.h"

#include <memory>

#include "app/registry.h"
#include "shell/titlefrm.h"

namespace {

template <class S>
Registry::Factory make() {
    return [](Registry& r) { return std::make_unique<S>(r); };
}

}  // namespace

void registerScreens(Registry& registry) {
    registry.add("Titlefrm", make<Titlefrm>());
}
