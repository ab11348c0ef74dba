// Test support for the PDF writer: a small reader of our own that checks the file
// structure (cross-reference offsets, startxref, stream lengths) and decodes content
// streams with zlib's inflate; qpdf's check and poppler's rendering; the default
// page's open parameters.
#pragma once

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "devices/device.h"
#include "outside_readers.h"
#include "test_support/temp_dir.h"

namespace pdf_test {

namespace fs = std::filesystem;
using devices::testing::CommandResult;
using devices::testing::Picture;
using devices::testing::read_file;
using devices::testing::read_ppm;
using devices::testing::Rgb;
using devices::testing::run_command;

using test_support::fresh_folder;

// The default page DA4L (2969 x 2099 plot units) on the PDF device: the scale fits the
// page, turned, into 552.76 x 793.70 points and never exceeds 72/254 point per unit.
inline float default_scale() {
  const double paper_w = 3900 * 0.5 * 72 / 254, paper_h = 5600 * 0.5 * 72 / 254;
  return static_cast<float>(std::min({paper_h / 2969, paper_w / 2099, 72.0 / 254}));
}

inline devices::DeviceOpenParams default_params(const fs::path& file) {
  devices::DeviceOpenParams p;
  p.idev = 511;
  p.file_name = file.string();
  p.nxpage = 2969;
  p.nypage = 2099;
  p.landscape = true;
  p.background_mode = devices::Background::light;
  p.xdevfac = default_scale();
  p.compress = true;
  p.date = "06.12.2026";
  p.time = "12:34:56";
  return p;
}

// qpdf's own check of syntax, cross-reference table and stream encodings.
inline void expect_qpdf_accepts(const fs::path& pdf) {
  const CommandResult run = run_command("qpdf --check '" + pdf.string() + "'");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("No syntax or stream encoding errors found"), std::string::npos) << run.output;
}

// The structure of a file as our own reader sees it; every inconsistency goes to errors.
class PdfReader {
 public:
  explicit PdfReader(std::string bytes) : bytes_(std::move(bytes)) { parse(); }

  std::vector<std::string> errors;
  long long startxref = -1;
  std::map<int, long long> offsets;  // from the cross-reference table
  std::string trailer;               // from "trailer\n" to "startxref"

  const std::string& bytes() const { return bytes_; }

  // The object's text from after "n 0 obj\n" up to "stream\n" or "endobj".
  std::string dictionary(int n) const {
    const std::string body = object_body(n);
    const std::size_t s = body.find("stream\n");
    return s == std::string::npos ? body : body.substr(0, s);
  }

  // The stream's bytes as stored, taken by its /Length (direct or indirect); the bytes
  // after them must be "endstream\n".
  std::string raw_stream(int n) {
    const std::string body = object_body(n);
    const std::size_t s = body.find("stream\n");
    if (s == std::string::npos) return fail("object " + std::to_string(n) + " has no stream");
    std::smatch m;
    const std::string dict = body.substr(0, s);
    if (!std::regex_search(dict, m, std::regex(R"(/Length (\d+)( 0 R)?)")))
      return fail("stream " + std::to_string(n) + " has no /Length");
    long long length = std::stoll(m[1]);
    if (m[2].matched) length = std::stoll(object_body(static_cast<int>(length)));
    const long long start = offsets.at(n) + static_cast<long long>(header(n).size() + s + 7);
    if (bytes_.compare(static_cast<std::size_t>(start + length), 10, "endstream\n") != 0)
      return fail("stream " + std::to_string(n) + ": /Length does not end at endstream");
    return bytes_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
  }

  // The stream's content, inflated when it is deflated.
  std::string stream(int n) {
    const std::string raw = raw_stream(n);
    if (dictionary(n).find("/Filter /FlateDecode") == std::string::npos) return raw;
    return inflate_all(raw);
  }

  // The content stream objects of the only page, in order.
  std::vector<int> page_contents() {
    std::smatch m;
    const std::string pages = dictionary(2);
    std::vector<int> contents;
    if (!std::regex_search(pages, m, std::regex(R"(/Kids \[\n(\d+) 0 R\n\] /Count 1)"))) {
      fail("page tree without its one page");
      return contents;
    }
    const std::string page = dictionary(std::stoi(m[1]));
    if (std::regex_search(page, m, std::regex(R"(/Contents (\d+) 0 R\n)"))) {
      contents.push_back(std::stoi(m[1]));
    } else if (std::regex_search(page, m, std::regex(R"(/Contents \[\n((\d+ 0 R\n)+)\]\n)"))) {
      const std::string list = m[1];
      const std::regex reference(R"((\d+) 0 R)");
      for (std::sregex_iterator it(list.begin(), list.end(), reference), end; it != end; ++it)
        contents.push_back(std::stoi((*it)[1]));
    } else {
      fail("page has no /Contents");
    }
    return contents;
  }

  // The whole drawing of the page: its content streams decoded and joined.
  std::string page_content() {
    std::string all;
    for (int n : page_contents()) all += stream(n);
    return all;
  }

  int page_object() {
    std::smatch m;
    const std::string pages = dictionary(2);
    return std::regex_search(pages, m, std::regex(R"(/Kids \[\n(\d+) 0 R)")) ? std::stoi(m[1]) : -1;
  }

 private:
  std::string fail(const std::string& what) {
    errors.push_back(what);
    return {};
  }

  static std::string header(int n) { return std::to_string(n) + " 0 obj\n"; }

  std::string object_body(int n) const {
    const auto it = offsets.find(n);
    if (it == offsets.end()) return {};
    const std::size_t start = static_cast<std::size_t>(it->second) + header(n).size();
    const std::size_t end = bytes_.find("endobj\n", start);
    return bytes_.substr(start, end - start);
  }

  static std::string inflate_all(const std::string& in) {
    std::string out(in.size() * 20 + 1024, '\0');
    while (true) {
      uLongf size = static_cast<uLongf>(out.size());
      const int rc = uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                                reinterpret_cast<const Bytef*>(in.data()), static_cast<uLong>(in.size()));
      if (rc == Z_OK) return out.substr(0, size);
      if (rc != Z_BUF_ERROR) return "<inflate failed>";
      out.resize(out.size() * 4);
    }
  }

  void parse() {
    if (bytes_.rfind("%PDF-1.3\n", 0) != 0) fail("no %PDF-1.3 header");
    const std::string eof = "%%EOF\n";
    if (bytes_.size() < eof.size() || bytes_.compare(bytes_.size() - eof.size(), eof.size(), eof) != 0)
      fail("no %%EOF at the end");
    const std::size_t sx = bytes_.rfind("startxref\n");
    if (sx == std::string::npos) return void(fail("no startxref"));
    startxref = std::stoll(bytes_.substr(sx + 10));
    if (bytes_.compare(static_cast<std::size_t>(startxref), 5, "xref\n") != 0)
      return void(fail("startxref does not point at xref"));

    std::size_t pos = static_cast<std::size_t>(startxref) + 5;
    int first = -1, count = -1;
    if (std::sscanf(bytes_.c_str() + pos, "%d %d\n", &first, &count) != 2 || first != 0)
      return void(fail("bad xref subsection"));
    pos = bytes_.find('\n', pos) + 1;
    if (bytes_.compare(pos, 20, "0000000000 65535 f \n") != 0) fail("bad free entry 0");
    const std::regex entry(R"(\d{10} 00000 n \n)");
    for (int n = 1; n < count; ++n) {
      const std::string line = bytes_.substr(pos + 20 * static_cast<std::size_t>(n), 20);
      if (!std::regex_match(line, entry)) fail("bad xref entry " + std::to_string(n));
      offsets[n] = std::stoll(line.substr(0, 10));
      if (bytes_.compare(static_cast<std::size_t>(offsets[n]), header(n).size(), header(n)) != 0)
        fail("xref offset of object " + std::to_string(n) + " is not its first byte");
    }
    pos += 20 * static_cast<std::size_t>(count);
    if (bytes_.compare(pos, 8, "trailer\n") != 0) fail("no trailer after the xref table");
    trailer = bytes_.substr(pos + 8, sx - pos - 8);
  }

  std::string bytes_;
};

// The page rendered by pdftoppm at 72 dpi without anti-aliasing, and what pdftoppm
// said (it exits 0 on damaged files, so its messages are the check).
struct Rendering {
  Picture picture;
  CommandResult run;
};

inline Rendering render(const fs::path& pdf) {
  const fs::path stem = pdf.parent_path() / (pdf.stem().string() + "_render");
  Rendering r;
  r.run = run_command("pdftoppm -r 72 -aa no -aaVector no -singlefile '" + pdf.string() + "' '" +
                      stem.string() + "'");
  r.picture = read_ppm(stem.string() + ".ppm");
  return r;
}

}  // namespace pdf_test
