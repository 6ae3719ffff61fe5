#include "platform/gamma/DisplayGamma.h"

namespace cssbinder {
namespace {

DisplayGammaFactory& TestFactory() {
    static DisplayGammaFactory factory;
    return factory;
}

class UnchangeableDisplayGamma final : public DisplayGamma {
public:
    DisplayRamps ReadRamps() override { return {}; }
    bool WriteRamps(const std::vector<GammaRamp>&) override { return false; }
};

} // namespace

std::unique_ptr<DisplayGamma> OpenDisplayGamma() {
    return TestFactory() ? TestFactory()() : OpenSystemDisplayGamma();
}

void SetDisplayGammaFactoryForTests(DisplayGammaFactory factory) {
    TestFactory() = std::move(factory);
}

std::unique_ptr<DisplayGamma> OpenUnchangeableDisplayGamma() {
    return std::make_unique<UnchangeableDisplayGamma>();
}

} // namespace cssbinder
