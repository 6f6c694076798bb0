#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Plain decimal text: "-12", "7"; no blanks, no leading zeros.
std::string Str(int64_t value);

// Reads a number the way the original framework did: leading blanks, an
// optional sign, digits; a fraction is dropped; the first other character
// stops it; no number at all gives 0; values beyond 32 bits saturate.
int32_t Val(std::string_view text);

double Floor(double value);

// The framework's double to 32-bit integer conversion: drops the fraction
// (towards zero) and saturates at the ends of the range.
int32_t ToInt32(double value);

// The one-character text of a character code (UTF-8); Chr(13) is "\r".
std::string Chr(int32_t code);

// Length in characters (code points), not bytes.
int32_t Len(std::string_view utf8);

} // namespace platform
