#include "quorlet/pdf_syntax.h"

#include "quorlet/pdf_error.h"

#include <cmath>
#include <cstdio>

namespace quorlet {

std::string PdfNumber(double value)
{
    // Page coordinates never come near 1e9; anything beyond is a fault, and
    // printf would switch to forms readers reject.
    if (!std::isfinite(value) || std::fabs(value) > 1e9)
        throw PdfError("a coordinate or size is not a usable number");
    char text[48];
    std::snprintf(text, sizeof text, "%.4f", std::round(value * 10000.0) / 10000.0);
    std::string out = text;
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
    if (out == "-0") out = "0";
    return out;
}

std::string PdfLiteralString(std::string_view bytes)
{
    std::string out = "(";
    for (const unsigned char c : bytes) {
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            out += octal;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + ")";
}

std::string PdfDate(std::time_t utc)
{
    std::tm parts{};
#ifdef _WIN32
    gmtime_s(&parts, &utc);
#else
    gmtime_r(&utc, &parts);
#endif
    char text[40];
    std::snprintf(text, sizeof text, "D:%04d%02d%02d%02d%02d%02dZ", parts.tm_year + 1900,
                  parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec);
    return text;
}

std::string PdfHexString(std::string_view bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out = "<";
    for (const unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out + ">";
}

}  // namespace quorlet
