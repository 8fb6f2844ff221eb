// The library's wide string over std::wstring.
#include <cstdarg>
#include <cwchar>
#include <string>
#include <vector>

#include "brennix/brennix.h"

struct CStdString::Text {
    std::wstring value;
};

CStdString::CStdString() : text_(new Text) {}
CStdString::CStdString(LPCWSTR text) : text_(new Text{text ? text : L""}) {}
CStdString::CStdString(const CStdString& other) : text_(new Text(*other.text_)) {}
CStdString::~CStdString() { delete text_; }

CStdString& CStdString::operator=(const CStdString& other)
{
    text_->value = other.text_->value;
    return *this;
}

CStdString& CStdString::operator=(LPCWSTR text)
{
    text_->value = text ? text : L"";
    return *this;
}

bool CStdString::operator==(const CStdString& other) const { return text_->value == other.text_->value; }
int CStdString::Compare(LPCWSTR text) const { return text_->value.compare(text ? text : L""); }
bool CStdString::IsEmpty() const { return text_->value.empty(); }
void CStdString::Empty() { text_->value.clear(); }
int CStdString::GetLength() const { return static_cast<int>(text_->value.size()); }
LPCWSTR CStdString::GetData() const { return text_->value.c_str(); }

int CStdString::Find(LPCWSTR text, int start) const
{
    if (!text || start < 0 || static_cast<size_t>(start) > text_->value.size())
        return -1;
    const size_t at = text_->value.find(text, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

void CStdString::Format(LPCWSTR format, ...)
{
    // Grows the buffer until the whole text fits, so no result is cut.
    std::vector<wchar_t> buffer(256);
    while (true) {
        va_list args;
        va_start(args, format);
        const int written = _vsnwprintf(buffer.data(), buffer.size(), format, args);
        va_end(args);
        if (written >= 0 && static_cast<size_t>(written) < buffer.size()) {
            text_->value.assign(buffer.data(), static_cast<size_t>(written));
            return;
        }
        if (buffer.size() >= (1u << 24)) {
            text_->value.clear();
            return;
        }
        buffer.resize(buffer.size() * 2);
    }
}
