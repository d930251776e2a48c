// One field of an ADIF record as read from the log: the tag's name exactly as
// written and its value, if the tag declared a length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace quorvel {

// The text of a name or a value: a view of the bytes as read, until it is
// given a text of its own, which it then owns. Views are what a log's millions
// of fields need; copies are for the few that change.
class FieldText {
 public:
  FieldText() = default;
  FieldText(const FieldText& other) : own_(other.own_) { view_ = other.ViewIn(own_); }
  FieldText(FieldText&& other) noexcept { Take(other); }
  FieldText& operator=(const FieldText& other) {
    if (this != &other) {
      own_ = other.own_;
      view_ = other.ViewIn(own_);
    }
    return *this;
  }
  FieldText& operator=(FieldText&& other) noexcept {
    if (this != &other) Take(other);
    return *this;
  }

  // A copy of text, owned.
  FieldText& assign(std::string_view text) {
    own_.assign(text.data(), text.size());
    view_ = own_;
    return *this;
  }
  FieldText& operator=(std::string_view text) { return assign(text); }
  FieldText& operator=(const char* text) { return assign(text); }
  FieldText& operator=(const std::string& text) { return assign(text); }
  FieldText& operator=(std::string&& text) {
    own_ = std::move(text);
    view_ = own_;
    return *this;
  }
  FieldText& append(std::string_view text) {
    if (!Owned() || view_.data() != own_.data() || view_.size() != own_.size()) {
      std::string whole(view_);
      own_.swap(whole);
    }
    own_.append(text.data(), text.size());
    view_ = own_;
    return *this;
  }

  // Bytes that outlive this text (the reader's block, while it holds them).
  void SetView(std::string_view text) { view_ = text; }
  // From now on independent of the bytes it viewed.
  void Detach() {
    if (!Owned()) assign(view_);
  }

  void clear() { view_ = {}; }
  void RemovePrefix(std::size_t n) { view_.remove_prefix(n); }
  void Truncate(std::size_t size) {
    if (size < view_.size()) view_ = view_.substr(0, size);
  }
  // The bytes to change in place, same size: owned first if they are a view.
  char* Edit() {
    if (!Owned()) assign(view_);
    return own_.data() + (view_.data() - own_.data());
  }

  std::string_view view() const { return view_; }
  operator std::string_view() const { return view_; }
  const char* data() const { return view_.data(); }
  std::size_t size() const { return view_.size(); }
  bool empty() const { return view_.empty(); }
  char operator[](std::size_t index) const { return view_[index]; }

  friend bool operator==(const FieldText& a, const FieldText& b) { return a.view_ == b.view_; }
  friend bool operator!=(const FieldText& a, const FieldText& b) { return a.view_ != b.view_; }
  friend bool operator==(const FieldText& a, std::string_view b) { return a.view_ == b; }
  friend bool operator!=(const FieldText& a, std::string_view b) { return a.view_ != b; }
  friend bool operator==(std::string_view a, const FieldText& b) { return a == b.view_; }
  friend bool operator!=(std::string_view a, const FieldText& b) { return a != b.view_; }
  template <typename Stream>
  friend auto operator<<(Stream& out, const FieldText& text)
      -> decltype(out << std::string_view()) {
    return out << text.view_;
  }

 private:
  bool Owned() const {
    const std::less<const char*> before;
    return !view_.empty() && !before(view_.data(), own_.data()) &&
           !before(own_.data() + own_.size(), view_.data() + view_.size());
  }
  // This text's view as seen from target, a copy of own_.
  std::string_view ViewIn(const std::string& target) const {
    if (!Owned()) return view_;
    return std::string_view(target.data() + (view_.data() - own_.data()), view_.size());
  }
  void Take(FieldText& other) {
    const bool owned = other.Owned();
    const std::size_t offset =
        owned ? static_cast<std::size_t>(other.view_.data() - other.own_.data()) : 0;
    own_ = std::move(other.own_);
    view_ = owned ? std::string_view(own_.data() + offset, other.view_.size()) : other.view_;
    other.own_.clear();
    other.view_ = {};
  }

  std::string_view view_;
  std::string own_;
};

struct AdifField {
  FieldText name;   // empty once the field has been dropped from the output
  FieldText value;  // meaningful only when hasValue is true
  bool hasValue = false;
  // The field's text as read, "<name:length>value", when it is exactly what
  // the writer would write for the name and value read: valid while the name
  // and value still view the bytes they were read from.
  std::string_view text;
  std::uint32_t textNameSize = 0;
  std::uint32_t textValueSize = 0;
  // What the conversion makes of the name as read, decided once per name by
  // the reader; 0 while undecided.
  std::uint8_t nameKind = 0;

  // Copies of the texts.
  void Set(std::string_view newName, std::string_view newValue) {
    name.assign(newName);
    value.assign(newValue);
    hasValue = true;
    text = {};
    nameKind = 0;
  }
  void SetWithoutValue(std::string_view newName) {
    name.assign(newName);
    value.clear();
    hasValue = false;
    text = {};
    nameKind = 0;
  }
  // Views of bytes that outlive the field's use; fieldText as under text, or
  // empty.
  void SetViews(std::string_view newName, std::string_view newValue, bool withValue,
                std::string_view fieldText, std::uint8_t kind) {
    name.SetView(newName);
    value.SetView(newValue);
    hasValue = withValue;
    text = fieldText;
    textNameSize = static_cast<std::uint32_t>(newName.size());
    textValueSize = static_cast<std::uint32_t>(newValue.size());
    nameKind = kind;
  }
  void Detach() {
    name.Detach();
    value.Detach();
    text = {};
  }
  // The text as read, if name and value are still the ones read.
  bool TextIsCurrent() const {
    return !text.empty() && name.data() == text.data() + 1 && name.size() == textNameSize &&
           value.size() == textValueSize &&
           value.data() + value.size() == text.data() + text.size();
  }
};

}  // namespace quorvel
