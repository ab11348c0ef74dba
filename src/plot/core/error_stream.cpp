// The library's error stream (see error_stream.h).
#include "plot/core/error_stream.h"

#include <iostream>

namespace plotix {
namespace {

std::ostream* g_error_stream = &std::cerr;

}  // namespace

void set_error_stream(std::ostream& err) { g_error_stream = &err; }

std::ostream& error_stream() { return *g_error_stream; }

}  // namespace plotix
