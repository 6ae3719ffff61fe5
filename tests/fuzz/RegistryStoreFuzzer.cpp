// Feeds any bytes to the reader of the substitute registry store, a file users may edit by hand.
// Whatever it reads, writing it back and reading that again must give the same text, and a value set
// must be read back under its name in any case.
#include "core/advanced/SubstituteRegistry.h"

#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cssbinder;
    SubstituteRegistry registry = SubstituteRegistry::Parse(FuzzText(data, size));
    const std::string text = registry.Render();
    Expect(SubstituteRegistry::Parse(text).Render() == text);

    registry.SetValue("Key", "DefaultTTL", 64);
    registry.DeleteValue("KEY", "Other");
    Expect(registry.Value("kEY", "defaultttl") == 64u);
    Expect(SubstituteRegistry::Parse(registry.Render()).Value("key", "DEFAULTTTL") == 64u);
    return 0;
}
