// What an operation that can fail gives back: success, or the message the user should read and
// the path it concerns. Only the program layer decides how, and whether, the user sees it.
#pragma once

#include <string>
#include <utility>

namespace harbinet {

class [[nodiscard]] Result {
  public:
    Result() = default;
    static Result Failure(std::string message, std::string path = {}) {
        Result r;
        r.failed_ = true;
        r.message_ = std::move(message);
        r.path_ = std::move(path);
        return r;
    }

    bool Ok() const { return !failed_; }
    explicit operator bool() const { return !failed_; }
    const std::string& Message() const { return message_; }
    const std::string& Path() const { return path_; }

  private:
    bool failed_ = false;
    std::string message_;
    std::string path_;
};

}  // namespace harbinet
