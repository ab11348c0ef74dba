// PDF writer, file structure: objects and their order, cross-reference offsets,
// trailer, page geometry, compressed and uncompressed streams, content arrays, file
// names and file errors. Every file written is also checked by qpdf.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "devices/pdf_device.h"
#include "pdf_test_support.h"

namespace {

using namespace pdf_test;

// What disini leaves on an empty default page: the three opening lines and FORE (black).
const char* const kEmptyPage = "0.709 w\n2 J\n2 j\n0 0 0 RG\n0 0 0 rg\n";

std::string write_empty_page(const devices::DeviceOpenParams& params) {
  devices::PdfWriter pdf;
  EXPECT_EQ(pdf.open(params).status, 0);
  pdf.set_colour_rgb(0, 0, 0);
  EXPECT_EQ(pdf.close(), 0);
  return read_file(params.file_name);
}

TEST(PdfStructure, EmptyDefaultPage) {
  const fs::path dir = fresh_folder("empty");
  const fs::path file = dir / "empty.pdf";
  PdfReader pdf(write_empty_page(default_params(file)));
  EXPECT_TRUE(pdf.errors.empty()) << pdf.errors.front();
  expect_qpdf_accepts(file);

  // Content 3, page 4, information 5, page tree 2, catalogue 1, in that order in the file.
  ASSERT_EQ(pdf.offsets.size(), 5u);
  EXPECT_LT(pdf.offsets[3], pdf.offsets[4]);
  EXPECT_LT(pdf.offsets[4], pdf.offsets[5]);
  EXPECT_LT(pdf.offsets[5], pdf.offsets[2]);
  EXPECT_LT(pdf.offsets[2], pdf.offsets[1]);
  EXPECT_EQ(pdf.trailer, "<< /Size 6 /Root 1 0 R /Info 5 0 R\n>>\n");

  EXPECT_NE(pdf.dictionary(3).find("/Filter /FlateDecode"), std::string::npos);
  EXPECT_EQ(pdf.page_contents(), std::vector<int>{3});
  EXPECT_EQ(pdf.page_content(), kEmptyPage);

  // 2969 x 2099 units at 0.2633 pt each, turned onto the portrait sheet.
  EXPECT_EQ(pdf.page_object(), 4);
  EXPECT_EQ(pdf.dictionary(4),
            "<<\n/Type /Page\n/MediaBox [0 0 553 782]\n/Parent 2 0 R\n/Rotate 90\n"
            "/Resources << /ProcSet [/PDF]\n>>\n/Contents 3 0 R\n>>\n");
  EXPECT_EQ(pdf.dictionary(5), "<< /CreationDate (D:20261206123456)\n/Producer (PLOTIX 9.2)\n>>\n");
  EXPECT_EQ(pdf.dictionary(1), "<< /Type /Catalog /Pages 2 0 R\n>>\n");
  EXPECT_EQ(pdf.dictionary(2), "<< /Type /Pages /Kids [\n4 0 R\n] /Count 1\n>>\n");
  EXPECT_EQ(pdf.bytes().substr(pdf.bytes().size() - 6), "%%EOF\n");

  const CommandResult info = run_command("pdfinfo '" + file.string() + "'");
  EXPECT_TRUE(std::regex_search(info.output, std::regex("PDF version: +1\\.3\n"))) << info.output;
  EXPECT_TRUE(std::regex_search(info.output, std::regex("Producer: +PLOTIX 9\\.2\n"))) << info.output;
  EXPECT_TRUE(std::regex_search(info.output, std::regex("Page rot: +90\n"))) << info.output;
}

TEST(PdfStructure, PortraitPageIsNotRotated) {
  const fs::path file = fresh_folder("portrait") / "portrait.pdf";
  devices::DeviceOpenParams params = default_params(file);
  params.nxpage = 2099;
  params.nypage = 2969;
  params.landscape = false;
  PdfReader pdf(write_empty_page(params));
  EXPECT_TRUE(pdf.errors.empty());
  expect_qpdf_accepts(file);
  const std::string page = pdf.dictionary(pdf.page_object());
  EXPECT_NE(page.find("/MediaBox [0 0 553 782]\n"), std::string::npos) << page;
  EXPECT_EQ(page.find("/Rotate"), std::string::npos) << page;
}

TEST(PdfStructure, UncompressedStreamHasItsLengthInTheNextObject) {
  const fs::path file = fresh_folder("plain") / "plain.pdf";
  devices::DeviceOpenParams params = default_params(file);
  params.compress = false;
  PdfReader pdf(write_empty_page(params));
  EXPECT_TRUE(pdf.errors.empty()) << pdf.errors.front();
  expect_qpdf_accepts(file);

  // Content 3, its length 4, page 5, information 6.
  ASSERT_EQ(pdf.offsets.size(), 6u);
  EXPECT_EQ(pdf.trailer, "<< /Size 7 /Root 1 0 R /Info 6 0 R\n>>\n");
  EXPECT_EQ(pdf.dictionary(3), "<< /Length 4 0 R >>\n");
  EXPECT_EQ(pdf.raw_stream(3), kEmptyPage);
  EXPECT_EQ(pdf.dictionary(4), std::to_string(std::string(kEmptyPage).size()) + "\n");
  EXPECT_EQ(pdf.page_object(), 5);
}

// Draws a zigzag polyline of n points; returns the operators it must produce (the
// stroke comes when the page is finished).
std::string draw_zigzag(devices::PdfWriter& pdf, int n) {
  char line[64];
  std::string expected;
  for (int i = 0; i < n; ++i) {
    const double x = 20 + (i % 500), y = 20 + 700.0 * (i % 2) + i * 0.0001;
    pdf.move_draw(x, y, i == 0 ? devices::kMove : devices::kDraw);
    std::snprintf(line, sizeof line, "%.2f %.2f %s\n", x, y, i == 0 ? "m" : "l");
    expected += line;
  }
  return expected + "S\n";
}

TEST(PdfStructure, PageOverOneBufferGetsAContentsArray) {
  const fs::path file = fresh_folder("large") / "large.pdf";
  for (bool compress : {true, false}) {
    devices::DeviceOpenParams params = default_params(file);
    params.compress = compress;
    fs::remove(file);
    devices::PdfWriter writer;
    ASSERT_EQ(writer.open(params).status, 0);
    writer.set_colour_rgb(0, 0, 0);
    const std::string drawing = draw_zigzag(writer, 30000);  // about 480,000 bytes
    ASSERT_EQ(writer.close(), 0);

    PdfReader pdf(read_file(file));
    EXPECT_TRUE(pdf.errors.empty()) << pdf.errors.front();
    expect_qpdf_accepts(file);
    EXPECT_EQ(pdf.page_content(), kEmptyPage + drawing);
    const std::vector<int> contents = pdf.page_contents();
    if (compress) {
      // Buffers of 300,000 bytes, each filled as far as whole lines go.
      ASSERT_EQ(contents, (std::vector<int>{3, 4}));
      EXPECT_LE(pdf.stream(3).size(), 300000u);
      EXPECT_GT(pdf.stream(3).size(), 300000u - 20);
      EXPECT_NE(pdf.dictionary(pdf.page_object()).find("/Contents [\n3 0 R\n4 0 R\n]\n"), std::string::npos);
    } else {
      EXPECT_EQ(contents, std::vector<int>{3});  // written straight to the file: one stream
    }
    const Rendering rendering = render(file);
    EXPECT_EQ(rendering.run.status, 0);
    EXPECT_EQ(rendering.run.output, "");
  }
}

TEST(PdfStructure, ExistingFileGetsAVersionName) {
  const fs::path dir = fresh_folder("version");
  std::ofstream(dir / "A1B2C3D.pdf") << "keep me";
  devices::PdfWriter pdf;
  const devices::DeviceOpenResult first = pdf.open(default_params(dir / "A1B2C3D.pdf"));
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(first.file_name, (dir / "A1B2C3_1.pdf").string());
  EXPECT_EQ(pdf.close(), 0);
  const devices::DeviceOpenResult second = pdf.open(default_params(dir / "A1B2C3D.pdf"));
  EXPECT_EQ(second.file_name, (dir / "A1B2C3_2.pdf").string());
  EXPECT_EQ(pdf.close(), 0);
  EXPECT_EQ(read_file(dir / "A1B2C3D.pdf"), "keep me");
  expect_qpdf_accepts(dir / "A1B2C3_1.pdf");
  expect_qpdf_accepts(dir / "A1B2C3_2.pdf");
}

TEST(PdfStructure, UnwritableFileIsAFileError) {
  devices::PdfWriter pdf;
  const devices::DeviceOpenResult result = pdf.open(default_params("/nonexistent-folder/plot.pdf"));
  EXPECT_EQ(result.status, 36);
  EXPECT_EQ(result.file_name, "/nonexistent-folder/plot.pdf");
  pdf.move_draw(1, 1, devices::kDraw);  // ignored: nothing is open
  EXPECT_EQ(pdf.close(), 0);
}

TEST(PdfStructure, ShortWriteIsReportedAtClose) {
  // A file size limit cuts the file; the writer must say so instead of leaving a
  // truncated PDF behind. Run in a child so the limit stays there.
  const fs::path file = fresh_folder("short") / "short.pdf";
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    devices::PdfWriter pdf;
    if (pdf.open(default_params(file)).status != 0) _exit(1);
    pdf.set_colour_rgb(0, 0, 0);
    draw_zigzag(pdf, 30000);
    _exit(pdf.close());
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 36);
}

}  // namespace
