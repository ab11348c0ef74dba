// Which device object serves which device code. Each output device of the
// program adds its one line here; a code without a line has no device.
#include "plot/core/device_factory.h"

#include "devices/pdf_device.h"
#include "devices/ps_device.h"
#include "devices/raster_device.h"
#include "devices/svg_device.h"
#include "devices/wmf_device.h"
#include "plot/core/output_format.h"
#include "plot/core/screen_loader.h"

namespace plotix {
namespace {

DeviceMaker& installed_maker() {
  static DeviceMaker maker;
  return maker;
}

}  // namespace

std::unique_ptr<devices::Device> make_device(int idev) {
  if (installed_maker()) return installed_maker()(idev);
  // One line per device of this program.
  if (is_screen(idev)) return make_screen_device();
  if (idev == devices::kFormatBmp || idev == devices::kFormatPng || idev == devices::kFormatMemoryCanvas)
    return std::make_unique<devices::RasterDevice>();
  if (is_postscript(idev)) return std::make_unique<devices::PsDevice>();
  if (is_wmf(idev)) return std::make_unique<devices::WmfDevice>();
  if (is_pdf(idev)) return std::make_unique<devices::PdfWriter>();
  if (idev == devices::kFormatSvg) return std::make_unique<devices::SvgDevice>();
  return nullptr;
}

void set_device_maker(DeviceMaker maker) { installed_maker() = std::move(maker); }

}  // namespace plotix
