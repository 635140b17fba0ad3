#pragma once
// The one error of the converter: a sentence for the user that says what is
// wrong, to which the layers above add where it happened ("CSV line 12: ").
#include <exception>
#include <string>
#include <utility>

namespace jconv5 {

class Failure : public std::exception {
public:
  explicit Failure(std::string text) : text_(std::move(text)) {}
  const char* what() const noexcept override { return text_.c_str(); }
  const std::string& text() const { return text_; }
  // Puts the place in front of the message: "record 7: " + message.
  void addPlace(const std::string& place) { text_ = place + text_; }

private:
  std::string text_;
};

}  // namespace jconv5
