// The one failure type of the writer. It derives from std::runtime_error so
// the program, which only knows std::exception, catches it across the DLL.
#pragma once

#include <stdexcept>
#include <string>

namespace quorlet {

class PdfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quorlet
