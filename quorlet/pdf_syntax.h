// Spelling of PDF values: numbers without exponents, escaped literal
// strings, dates. Pure functions, so the rules are tested on their own.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace quorlet {

// A real number as PDF writes it: whole numbers without a point, others with
// at most four decimals. Throws PdfError for values that are not finite or
// are beyond what readers accept.
std::string PdfNumber(double value);

// A literal string "( ... )" with parentheses, backslashes and bytes outside
// printable ASCII escaped, so any 8-bit text survives.
std::string PdfLiteralString(std::string_view bytes);

// "D:YYYYMMDDHHmmSSZ" for a UTC time.
std::string PdfDate(std::time_t utc);

// Hexadecimal string "<...>" of the bytes.
std::string PdfHexString(std::string_view bytes);

}  // namespace quorlet
