#include "platform/gamma/DisplayGammaX11.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace cssbinder {
namespace {

// Xlib ends the process on a protocol error unless a handler takes it; this one only counts, for
// as long as one call of ours runs.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display) : m_display(display) {
        s_errors = 0;
        m_previous = XSetErrorHandler(&ErrorTrap::Count);
    }
    ~ErrorTrap() { XSetErrorHandler(m_previous); }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    bool Failed() const {
        XSync(m_display, False);
        return s_errors != 0;
    }

private:
    static int Count(Display*, XErrorEvent*) {
        ++s_errors;
        return 0;
    }

    static inline int s_errors = 0;
    Display* m_display;
    XErrorHandler m_previous;
};

struct Crtc {
    RRCrtc id;
    int gammaSize;
};

bool HasOutputProperty(Display* display, RROutput output, Atom property) {
    int count = 0;
    Atom* properties = XRRListOutputProperties(display, output, &count);
    const bool found = std::find(properties, properties + count, property) != properties + count;
    if (properties != nullptr) {
        XFree(properties);
    }
    return found;
}

// The names and marks of the screen's outputs and the gamma size of each CRTC; the CRTCs that have a
// ramp are added to crtcs.
XServerFacts GatherFacts(Display* display, XRRScreenResources* resources, std::vector<Crtc>& crtcs) {
    XServerFacts facts;
    int opcode = 0;
    int eventBase = 0;
    int errorBase = 0;
    facts.xwaylandExtension = XQueryExtension(display, "XWAYLAND", &opcode, &eventBase, &errorBase) != 0;
    // An atom nobody interned cannot be the name of a property.
    const Atom emulation = XInternAtom(display, "RANDR Emulation", True);
    for (int i = 0; i < resources->noutput; ++i) {
        XRROutputInfo* output = XRRGetOutputInfo(display, resources, resources->outputs[i]);
        if (output != nullptr) {
            facts.outputNames.emplace_back(output->name, static_cast<std::size_t>(output->nameLen));
            XRRFreeOutputInfo(output);
        }
        facts.randrEmulation =
            facts.randrEmulation ||
            (emulation != None && HasOutputProperty(display, resources->outputs[i], emulation));
    }
    for (int i = 0; i < resources->ncrtc; ++i) {
        facts.gammaSizes.push_back(XRRGetCrtcGammaSize(display, resources->crtcs[i]));
        // A CRTC without a ramp is left alone: a ramp is never resampled to fit.
        if (facts.gammaSizes.back() > 0) {
            crtcs.push_back({resources->crtcs[i], facts.gammaSizes.back()});
        }
    }
    return facts;
}

// Every CRTC of the screen that has a gamma ramp, in the server's order, and what the server tells of
// its outputs.
GammaAccess FindCrtcsOf(Display* display, std::vector<Crtc>& crtcs, XServerFacts& facts) {
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (display == nullptr || !XRRQueryExtension(display, &eventBase, &errorBase) ||
        !XRRQueryVersion(display, &major, &minor) || (major == 1 && minor < 2)) {
        return GammaAccess::NotChangeable;
    }
    ErrorTrap trap(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display));
    if (resources == nullptr) {
        return GammaAccess::Unreadable;
    }
    facts = GatherFacts(display, resources, crtcs);
    XRRFreeScreenResources(resources);
    if (trap.Failed()) {
        return GammaAccess::Unreadable;
    }
    return AccessOfXServer(facts);
}

class X11DisplayGamma final : public DisplayGamma {
public:
    X11DisplayGamma() : m_display(XOpenDisplay(nullptr)) {}
    ~X11DisplayGamma() override {
        if (m_display != nullptr) {
            XCloseDisplay(m_display);
        }
    }
    X11DisplayGamma(const X11DisplayGamma&) = delete;
    X11DisplayGamma& operator=(const X11DisplayGamma&) = delete;

    DisplayRamps ReadRamps() override {
        m_crtcs.clear();
        const GammaAccess access = FindCrtcs(m_crtcs);
        if (access != GammaAccess::Changeable) {
            m_crtcs.clear();
            return {access, {}};
        }
        ErrorTrap trap(m_display);
        DisplayRamps result{GammaAccess::Changeable, {}};
        for (const Crtc& crtc : m_crtcs) {
            XRRCrtcGamma* gamma = XRRGetCrtcGamma(m_display, crtc.id);
            if (gamma == nullptr || gamma->size != crtc.gammaSize) {
                if (gamma != nullptr) {
                    XRRFreeGamma(gamma);
                }
                return {GammaAccess::Unreadable, {}};
            }
            const auto size = static_cast<std::size_t>(gamma->size);
            result.ramps.push_back({{gamma->red, gamma->red + size},
                                    {gamma->green, gamma->green + size},
                                    {gamma->blue, gamma->blue + size}});
            XRRFreeGamma(gamma);
        }
        if (trap.Failed()) {
            return {GammaAccess::Unreadable, {}};
        }
        return result;
    }

    bool WriteRamps(const std::vector<GammaRamp>& ramps) override {
        // A preview writes at every slider move: the outputs found by the read are used again, and
        // only a write without a read (the recovery at start-up) asks the server for them.
        if (m_crtcs.empty() && FindCrtcs(m_crtcs) != GammaAccess::Changeable) {
            m_crtcs.clear();
            return false;
        }
        const std::vector<Crtc>& crtcs = m_crtcs;
        if (crtcs.size() != ramps.size()) {
            return false;
        }
        for (std::size_t i = 0; i < crtcs.size(); ++i) {
            if (static_cast<std::size_t>(crtcs[i].gammaSize) != ramps[i].Size()) {
                return false;
            }
        }
        ErrorTrap trap(m_display);
        for (std::size_t i = 0; i < crtcs.size(); ++i) {
            XRRCrtcGamma* gamma = XRRAllocGamma(crtcs[i].gammaSize);
            if (gamma == nullptr) {
                return false;
            }
            const std::size_t bytes = ramps[i].Size() * sizeof(unsigned short);
            std::memcpy(gamma->red, ramps[i].red.data(), bytes);
            std::memcpy(gamma->green, ramps[i].green.data(), bytes);
            std::memcpy(gamma->blue, ramps[i].blue.data(), bytes);
            XRRSetCrtcGamma(m_display, crtcs[i].id, gamma);
            XRRFreeGamma(gamma);
        }
        return !trap.Failed();
    }

private:
    GammaAccess FindCrtcs(std::vector<Crtc>& crtcs) {
        XServerFacts facts;
        return FindCrtcsOf(m_display, crtcs, facts);
    }

    Display* m_display;
    std::vector<Crtc> m_crtcs;
};

} // namespace

XServerFacts ReadXServerFacts() {
    XServerFacts facts;
    Display* display = XOpenDisplay(nullptr);
    if (display != nullptr) {
        std::vector<Crtc> crtcs;
        FindCrtcsOf(display, crtcs, facts);
        XCloseDisplay(display);
    }
    return facts;
}

std::unique_ptr<DisplayGamma> OpenX11DisplayGamma() {
    return std::make_unique<X11DisplayGamma>();
}

} // namespace cssbinder
