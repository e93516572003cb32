#include "platform/qt/linux_xinput_speed.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace vx::platform {
namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

// Xlib's default handler ends the process on any protocol error; a refused
// property change is checked by reading the value back instead.
int IgnoreXError(Display* /*display*/, XErrorEvent* /*error*/) { return 0; }

struct Pointers {
    DisplayPtr display;
    Atom speed = 0;
    Atom floatType = 0;
    std::vector<int> ids;
};

bool HasProperty(Display* display, int device, Atom property) {
    int count = 0;
    Atom* properties = XIListProperties(display, device, &count);
    bool found = false;
    for (int i = 0; i < count; ++i) found = found || properties[i] == property;
    if (properties != nullptr) XFree(properties);
    return found;
}

Pointers FindPointers() {
    Pointers pointers;
    pointers.display.reset(XOpenDisplay(nullptr));
    Display* display = pointers.display.get();
    if (display == nullptr) return pointers;
    XSetErrorHandler(IgnoreXError);
    int opcode = 0;
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error) ||
        XIQueryVersion(display, &major, &minor) != Success) {
        return pointers;
    }
    // Only when some driver has made the atom: no libinput, no property.
    pointers.speed = XInternAtom(display, "libinput Accel Speed", True);
    pointers.floatType = XInternAtom(display, "FLOAT", False);
    if (pointers.speed == 0) return pointers;
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(display, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        const bool pointer = devices[i].use == XISlavePointer || devices[i].use == XIFloatingSlave;
        if (pointer && HasProperty(display, devices[i].deviceid, pointers.speed)) {
            pointers.ids.push_back(devices[i].deviceid);
        }
    }
    if (devices != nullptr) XIFreeDeviceInfo(devices);
    return pointers;
}

std::optional<double> ReadSpeed(const Pointers& pointers, int device) {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const Status status = XIGetProperty(pointers.display.get(), device, pointers.speed, 0, 1, False, AnyPropertyType,
                                        &type, &format, &items, &after, &data);
    std::optional<double> speed;
    if (status == Success && type == pointers.floatType && format == 32 && items >= 1 && data != nullptr) {
        float value = 0;
        std::memcpy(&value, data, sizeof value);
        speed = value;
    }
    if (data != nullptr) XFree(data);
    return speed;
}

}  // namespace

int XInputSpeedPointerCount() { return static_cast<int>(FindPointers().ids.size()); }

std::optional<double> ReadXInputSpeed() {
    const Pointers pointers = FindPointers();
    if (pointers.ids.empty()) return std::nullopt;
    return ReadSpeed(pointers, pointers.ids.front());
}

bool WriteXInputSpeed(double speed) {
    const Pointers pointers = FindPointers();
    if (pointers.ids.empty()) return false;
    // XInput 2 carries format-32 items as 32 bits each (not as longs).
    const float value = static_cast<float>(speed);
    unsigned char data[sizeof value];
    std::memcpy(data, &value, sizeof value);
    for (int device : pointers.ids) {
        XIChangeProperty(pointers.display.get(), device, pointers.speed, pointers.floatType, 32, PropModeReplace, data,
                         1);
    }
    XSync(pointers.display.get(), False);
    bool all = true;
    for (int device : pointers.ids) {
        const std::optional<double> now = ReadSpeed(pointers, device);
        all = all && now && std::fabs(*now - value) < 1e-4;
    }
    return all;
}

}  // namespace vx::platform
