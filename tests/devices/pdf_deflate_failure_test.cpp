// PDF writer when deflate fails: the content stream goes out uncompressed with its true
// length, and the file is still whole. The failure is injected by standing in for
// zlib's deflateInit_ in this test program; otherwise the real one is called.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>

#include "devices/pdf_device.h"
#include "pdf_test_support.h"

namespace {
bool g_fail_deflate_init = false;
}

int deflateInit_(z_streamp strm, int level, const char* version, int stream_size) {
  if (g_fail_deflate_init) return Z_MEM_ERROR;
  using Real = int (*)(z_streamp, int, const char*, int);
  static const Real real = [] {
    void* symbol = dlsym(RTLD_NEXT, "deflateInit_");
    Real function = nullptr;
    std::memcpy(&function, &symbol, sizeof function);
    return function;
  }();
  return real(strm, level, version, stream_size);
}

namespace {

using namespace pdf_test;

TEST(PdfDeflateFailure, StreamIsWrittenRawWithItsTrueLength) {
  const fs::path file = fresh_folder("deflate_fails") / "raw.pdf";
  devices::PdfWriter writer;
  ASSERT_EQ(writer.open(default_params(file)).status, 0);
  writer.set_colour_rgb(255, 128, 0);
  writer.move_draw(10, 10, devices::kMove);
  writer.move_draw(500, 700, devices::kDraw);
  g_fail_deflate_init = true;
  const int closed = writer.close();
  g_fail_deflate_init = false;
  ASSERT_EQ(closed, 0);

  PdfReader pdf(read_file(file));
  EXPECT_TRUE(pdf.errors.empty()) << pdf.errors.front();
  expect_qpdf_accepts(file);
  const std::string content = "0.709 w\n2 J\n2 j\n1 0.502 0 RG\n1 0.502 0 rg\n10.00 10.00 m\n500.00 700.00 l\nS\n";
  EXPECT_EQ(pdf.dictionary(3), "<< /Length " + std::to_string(content.size()) + " >>\n");
  EXPECT_EQ(pdf.raw_stream(3), content);
  const Rendering rendering = render(file);
  EXPECT_EQ(rendering.run.status, 0);
  EXPECT_EQ(rendering.run.output, "");
}

}  // namespace
