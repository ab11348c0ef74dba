// Creation of the output device for a device code at disini, and the hook that
// lets tests install their own device (the recording device) instead.
#pragma once

#include <functional>
#include <memory>

#include "devices/device.h"

namespace plotix {

using DeviceMaker = std::function<std::unique_ptr<devices::Device>(int idev)>;

// The device for idev, or nullptr when this program has no device for it.
std::unique_ptr<devices::Device> make_device(int idev);

// While set, disini takes its device from `maker` instead of make_device.
// An empty function restores the real devices.
void set_device_maker(DeviceMaker maker);

}  // namespace plotix
