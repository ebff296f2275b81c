// A string of fixed capacity that keeps only its first N characters, as the program's short
// fields do: assigning a longer text cuts it.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace kvistra {

template <std::size_t N>
class ShortString {
 public:
  static constexpr std::size_t capacity = N;

  constexpr ShortString() = default;
  constexpr ShortString(std::string_view text) { assign(text); }  // NOLINT: cuts like assignment
  constexpr ShortString(const char* text) : ShortString(std::string_view(text)) {}
  ShortString(const std::string& text) : ShortString(std::string_view(text)) {}

  constexpr void assign(std::string_view text) {
    length_ = std::min(text.size(), N);
    std::copy_n(text.begin(), length_, chars_.begin());
  }
  ShortString& operator=(std::string_view text) {
    assign(text);
    return *this;
  }
  ShortString& operator=(const std::string& text) { return *this = std::string_view(text); }
  ShortString& operator=(const char* text) { return *this = std::string_view(text); }

  constexpr std::string_view view() const { return {chars_.data(), length_}; }
  std::string str() const { return std::string(view()); }
  constexpr std::size_t size() const { return length_; }
  constexpr bool empty() const { return length_ == 0; }
  constexpr char operator[](std::size_t i) const { return chars_[i]; }

  template <std::size_t M>
  friend constexpr bool operator==(const ShortString& a, const ShortString<M>& b) {
    return a.view() == b.view();
  }
  friend constexpr bool operator==(const ShortString& a, std::string_view b) {
    return a.view() == b;
  }

 private:
  friend std::ostream& operator<<(std::ostream& out, const ShortString& s) {
    return out << s.view();
  }

  std::array<char, N> chars_{};
  std::size_t length_ = 0;
};

}  // namespace kvistra
