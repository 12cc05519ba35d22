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
    registry.add("Titlefrm", make<shell::Titlefrm>());
    registry.add("intro0", make<shell::intro0>());
    for (int n = 1; n <= 5; ++n)
        registry.add(shell::menuName(n),
                     [n](Registry& r) { return std::make_unique<shell::TopicMenu>(r, n); });
    registry.add("hamilton", make<hamiltonian::hamilton>());
    registry.add("jotter", make<jotting::jotter>());
    registry.add("surds", make<surd::surds>());
    registry.add("reflections", make<reflect::reflections>());
}
