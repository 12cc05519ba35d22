#include "program/screens.h"

#include <memory>

#include "app/registry.h"
#include "hamilton/hamilton.h"
#include "jotter/jotter.h"
#include "reflections/reflections.h"
#include "shell/intro0.h"
#include "shell/menu.h"
#include "shell/titlefrm.h"
#include "surds/surds.h"

namespace {

template <class S>
Registry::Factory make() {
    return [](Registry& r) { return std::make_unique<S>(r); };
}

}  // namespace

void registerScreens(Registry& registry) {
    registry.add("Titlefrm", make<Titlefrm>());
    registry.add("intro0", make<intro0>());
    for (int n = 1; n <= 5; ++n)
        registry.add(menuName(n), [n](Registry& r) { return std::make_unique<TopicMenu>(r, n); });
    registry.add("hamilton", make<hamilton>());
    registry.add("jotter", make<jotter>());
    registry.add("surds", make<surd::surds>());
    registry.add("reflections", make<reflections>());
}
