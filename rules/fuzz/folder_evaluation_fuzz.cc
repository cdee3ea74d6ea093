// SPDX-License-Identifier: MIT
// Fuzz target over the per-folder evaluation that the opener's scan and
// `m_jar --explain` share. An input is a run day, a number of missed days and
// a folder name of any bytes:
//   bytes 0-2  the run day, little-endian, counted from 1 January 100 and
//              taken modulo the days up to 31 December 9999;
//   bytes 3-5  the missed days, little-endian (0..16,777,215);
//   the rest   the folder name as listed.
// Shorter inputs read as if padded with zero bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "rules/calendar.h"
#include "rules/due_tests.h"

namespace {

using namespace std::chrono;

constexpr size_t kHeaderSize = 6;
constexpr mj::date kFirstDay = year{100} / January / 1;
constexpr mj::date kLastDay = year{9999} / December / 31;

struct fuzz_case {
  mj::date today;
  long long missed_days = 0;
  std::string_view folder_name;
};

long long read_le24(const uint8_t* bytes) { return bytes[0] | bytes[1] << 8 | bytes[2] << 16; }

fuzz_case decode(const uint8_t* data, size_t size) {
  uint8_t header[kHeaderSize] = {};
  for (size_t i = 0; i < kHeaderSize && i < size; ++i) header[i] = data[i];
  const long long day_count = (kLastDay - kFirstDay).count() + 1;
  fuzz_case c;
  c.today = kFirstDay + days{read_le24(header) % day_count};
  c.missed_days = read_le24(header + 3);
  if (size > kHeaderSize)
    c.folder_name = {reinterpret_cast<const char*>(data + kHeaderSize), size - kHeaderSize};
  return c;
}

std::string printable(std::string_view text) {
  std::string out;
  for (unsigned char ch : text) {
    if (ch >= 0x20 && ch < 0x7f && ch != '\\') {
      out += static_cast<char>(ch);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", ch);
      out += escaped;
    }
  }
  return out;
}

[[noreturn]] void broken(const fuzz_case& c, const char* what) {
  std::fprintf(stderr, "broken invariant: %s\n  folder \"%s\", today %s, missed days %lld\n", what,
               printable(c.folder_name).c_str(), mj::format_iso_date(c.today).c_str(),
               c.missed_days);
  std::abort();
}

bool zero_or_supported(mj::date d) { return d == mj::zero_date || mj::in_supported_range(d); }

bool known_failure_code(mj::failure_code code) {
  return code == mj::failure_code::invalid_argument || code == mj::failure_code::overflow ||
         code == mj::failure_code::type_mismatch;
}

void check(const fuzz_case& c, const mj::folder_evaluation& e) {
  const mj::due_verdict& v = e.verdict;
  const int kind = static_cast<int>(v.kind);
  if (kind < 0 || kind > 4) broken(c, "due kind outside 0..4");
  if (v.kind == mj::due_kind::repeating && v.repeat_every < 1)
    broken(c, "repeating without a step of at least 1");
  if (!zero_or_supported(v.from)) broken(c, "from outside the years 100..9999");
  if (!zero_or_supported(v.to)) broken(c, "to outside the years 100..9999");
  for (const mj::failure& f : e.failures)
    if (!known_failure_code(f.code) || f.description.empty()) broken(c, "unknown failure");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fuzz_case c = decode(data, size);
  check(c, mj::evaluate_folder(c.folder_name, c.missed_days, mj::make_run_calendar(c.today)));
  return 0;
}
