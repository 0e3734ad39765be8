#pragma once
#include <stdexcept>
#include <string>

namespace career {

// The run time's input/output error: a failed file operation, with the operating system's code.
class IoError : public std::runtime_error {
 public:
  explicit IoError(int code);
  IoError(int code, const std::string& text);
  int Code() const { return code_; }

 private:
  int code_;
};

// The text shown for an error code, as the default error handler words it.
std::string IoErrorText(int code);

namespace io_codes {
inline constexpr int kFileNotFound = 2;
inline constexpr int kInvalidFilename = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kReadBeyondEnd = 100;
inline constexpr int kDiskFull = 101;
inline constexpr int kInvalidNumericInput = 106;
}  // namespace io_codes

}  // namespace career
