// value_text with any number, width, decimals and literals: at most 255
// characters, the literals around the number, the number as Str writes it
// (padded in front to the width, never cut, exactly d decimals, no sign on a
// value that shows as zero) and within half a unit of its last digit.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "demo_frame.h"
#include "fuzz_check.h"

namespace {

double Value(FuzzedDataProvider& data, int decimals) {
  switch (data.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:  // any bits: NaN and the infinities too
      return data.ConsumeFloatingPoint<double>();
    case 1:  // near a halfway point of the last decimal
      return (data.ConsumeIntegralInRange<int>(-100000, 100000) + 0.5) /
                 std::pow(10.0, std::clamp(decimals, 0, 12)) +
             data.ConsumeIntegralInRange<int>(-2, 2) * 1e-17;
    case 2:
      return data.ConsumeIntegralInRange<std::int64_t>(-10'000'000'000, 10'000'000'000);
    default:
      return data.ConsumeFloatingPointInRange<double>(-1e6, 1e6);
  }
}

bool Digits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void CheckNumber(const std::string& number, double value, int width, int decimals) {
  const std::size_t blanks = number.find_first_not_of(' ');
  FUZZ_CHECK(blanks != std::string::npos);
  const std::string core = number.substr(blanks);
  FUZZ_CHECK(core.find(' ') == std::string::npos);
  // Padded in front to the width, never cut.
  FUZZ_CHECK(blanks == (core.size() < std::size_t(width) ? width - core.size() : 0));

  if (!std::isfinite(value)) {
    const std::string bare = core[0] == '-' ? core.substr(1) : core;
    FUZZ_CHECK(bare == "nan" || bare == "inf");
    return;
  }
  const bool minus = core[0] == '-';
  const std::string unsigned_part = minus ? core.substr(1) : core;
  const std::size_t point = unsigned_part.find('.');
  if (decimals == 0) {
    FUZZ_CHECK(point == std::string::npos && Digits(unsigned_part));
  } else {
    FUZZ_CHECK(point != std::string::npos);
    FUZZ_CHECK(Digits(unsigned_part.substr(0, point)));
    FUZZ_CHECK(Digits(unsigned_part.substr(point + 1)));
    FUZZ_CHECK(unsigned_part.size() - point - 1 == std::size_t(decimals));
  }
  // A minus sign exactly on negative values that do not show as zero.
  const bool shows_zero = unsigned_part.find_first_of("123456789") == std::string::npos;
  FUZZ_CHECK(minus == (value < 0 && !shows_zero));

  const double shown = std::strtod(core.c_str(), nullptr);
  const double half_unit = 0.5 * std::pow(10.0, -decimals);
  const double ulp = std::fabs(std::nextafter(value, 0.0) - value);
  FUZZ_CHECK(std::fabs(shown - value) <= half_unit * (1 + 1e-9) + 2 * ulp);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const int width = data.ConsumeIntegralInRange<int>(-5, 300);
  const int decimals = data.ConsumeIntegralInRange<int>(-5, 120);
  const double value = Value(data, decimals);
  const std::string before = data.ConsumeRandomLengthString(300);
  const std::string after = data.ConsumeRandomLengthString(300);

  const std::string text(std::string_view(value_text(before, value, width, decimals, after)));
  FUZZ_CHECK(text.size() <= 255);
  FUZZ_CHECK(text.compare(0, std::min(before.size(), text.size()), before, 0,
                          std::min(before.size(), text.size())) == 0);
  // The run time's own limits: widths 0..255, decimals 0..100.
  const int w = std::clamp(width, 0, 255), d = std::clamp(decimals, 0, 100);
  const std::string number = Str(value, width, decimals);
  CheckNumber(number, value, w, d);
  FUZZ_CHECK(text == (before + number + after).substr(0, 255));
  return 0;
}
