#include "career/io_error.h"

namespace career {

std::string IoErrorText(int code) {
  switch (code) {
    case io_codes::kFileNotFound: return "File not found";
    case io_codes::kInvalidFilename: return "Invalid filename";
    case io_codes::kTooManyOpenFiles: return "Too many open files";
    case io_codes::kAccessDenied: return "File access denied";
    case io_codes::kReadBeyondEnd: return "Read beyond end of file";
    case io_codes::kDiskFull: return "Disk full";
    case io_codes::kInvalidNumericInput: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
  }
}

IoError::IoError(int code) : std::runtime_error(IoErrorText(code)), code_(code) {}
IoError::IoError(int code, const std::string& text) : std::runtime_error(text), code_(code) {}

}  // namespace career
