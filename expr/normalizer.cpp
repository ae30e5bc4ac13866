#include "normalizer.h"

#include <array>
#include <string_view>
#include <vector>

#include "characters.h"
#include "number_text.h"
#include "zeval.h"

namespace zeval {

namespace {

constexpr long double kPi = 3.14159265358979L;
constexpr long double kE = 2.71828182845905L;

void LowerCase(std::string &text) {
  for (char &c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

void RemoveBlanks(std::string &text) { std::erase(text, ' '); }

// Both marks become the locale's when it is "."; otherwise both become ",".
void UnifyDecimalMarks(std::string &text, char mark) {
  const char unified = FormatGeneral(1.1L, mark).find('.') != std::string::npos ? '.' : ',';
  for (char &c : text)
    if (c == ',' || c == '.') c = unified;
}

// The text during the bracket passes: a linked list, so that inserting a
// parenthesis costs nothing, with every parenthesis linked to its partner, so
// that a scan steps over a whole group at once. The passes then cost time in
// proportion to the text instead of its square, and give the same text as
// scanning character by character would.
class BracketText {
 public:
  explicit BracketText(const std::string &text) {
    nodes_.reserve(text.size() * 3 / 2 + 1);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < text.size(); ++i) {
      nodes_.push_back({text[i], i == 0 ? kNone : i - 1, i + 1 < text.size() ? i + 1 : kNone, kNone});
      if (text[i] == '(') {
        open.push_back(i);
      } else if (text[i] == ')' && !open.empty()) {
        Pair(open.back(), i);
        open.pop_back();
      }
    }
  }

  // Encloses every operator of the set, with its two operands, in a group of
  // its own; false when a scan runs past either end of the text.
  bool Pass(std::string_view operators, std::string_view stops) {
    SetStops(stops);
    for (std::size_t at = nodes_.empty() ? kNone : 0; at != kNone; at = nodes_[at].next) {
      if (operators.find(nodes_[at].c) == std::string_view::npos) continue;
      std::size_t left, right;
      if (!ScanLeft(at, left) || !ScanRight(at, right)) return false;
      if (nodes_[left].c == '(' && nodes_[right].c == ')') continue;
      Pair(InsertAfter(left, '('), InsertBefore(right, ')'));
    }
    return true;
  }

  std::string Text() const {
    std::string text;
    text.reserve(nodes_.size());
    for (std::size_t at = nodes_.empty() ? kNone : 0; at != kNone; at = nodes_[at].next) text += nodes_[at].c;
    return text;
  }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  struct Node {
    char c;
    std::size_t prev, next, partner;
  };

  void SetStops(std::string_view stops) {
    isStop_.fill(false);
    for (char c : stops) isStop_[static_cast<unsigned char>(c)] = true;
  }
  bool IsStop(char c) const { return isStop_[static_cast<unsigned char>(c)]; }

  void Pair(std::size_t open, std::size_t close) {
    nodes_[open].partner = close;
    nodes_[close].partner = open;
  }

  // The "(" or stop that bounds the left operand of the operator at op. A ")"
  // without a partner would make the scan leave the text.
  bool ScanLeft(std::size_t op, std::size_t &bound) const {
    for (std::size_t at = nodes_[op].prev; at != kNone; at = nodes_[at].prev) {
      const Node &node = nodes_[at];
      if (node.c == '(' || IsStop(node.c)) {
        bound = at;
        return true;
      }
      if (node.c == ')') {
        if (node.partner == kNone) return false;
        at = node.partner;
      }
    }
    return false;
  }

  bool ScanRight(std::size_t op, std::size_t &bound) const {
    for (std::size_t at = nodes_[op].next; at != kNone; at = nodes_[at].next) {
      const Node &node = nodes_[at];
      if (node.c == ')' || IsStop(node.c)) {
        bound = at;
        return true;
      }
      if (node.c == '(') {
        if (node.partner == kNone) return false;
        at = node.partner;
      }
    }
    return false;
  }

  std::size_t InsertAfter(std::size_t at, char c) {
    const std::size_t added = nodes_.size();
    nodes_.push_back({c, at, nodes_[at].next, kNone});
    if (nodes_[at].next != kNone) nodes_[nodes_[at].next].prev = added;
    nodes_[at].next = added;
    return added;
  }

  // Never before the first node: a scan's bound always has the operator before it.
  std::size_t InsertBefore(std::size_t at, char c) { return InsertAfter(nodes_[at].prev, c); }

  std::vector<Node> nodes_;
  std::array<bool, 256> isStop_{};
};

std::string WithUnaryZeros(const std::string &text) {
  std::string result;
  result.reserve(text.size() + text.size() / 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    result += text[i];
    if (text[i] == '(' && i + 1 < text.size() && text[i + 1] == '-') result += '0';
  }
  return result;
}

// Replaces every standalone occurrence of name (no lower-case letter on either
// side), building the result in one pass; the letter before is looked for in
// what has been written so far, as an in-place replacement would see it.
std::string WithNameReplaced(const std::string &text, std::string_view name, const std::string &replacement) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    if (text.compare(at, name.size(), name) != 0) {
      result += text[at++];
      continue;
    }
    const bool letterBefore = !result.empty() && IsLetter(result.back());
    const std::size_t after = at + name.size();
    const bool letterAfter = after < text.size() && IsLetter(text[after]);
    if (!letterBefore && !letterAfter)
      result += replacement;
    else
      result += name;
    at = after;
  }
  return result;
}

void ReplaceNames(std::string &text, char mark) {
  text = WithNameReplaced(text, "pi", "(" + FormatGeneral(kPi, mark) + ")");
  text = WithNameReplaced(text, "e", "(" + FormatGeneral(kE, mark) + ")");
  text = WithNameReplaced(text, "x", kXMarker);
}

}  // namespace

std::uint8_t NormalizeExpression(std::string &text, char mark) {
  LowerCase(text);
  RemoveBlanks(text);
  UnifyDecimalMarks(text, mark);
  BracketText bracketed("(" + text + "))");
  for (auto [operators, stops] : {std::pair{"+-", "+-"}, {"*/", "+-*/"}, {"^", "+-*/^"}})
    if (!bracketed.Pass(operators, stops)) return kZevalUnmatchedOperator;
  text = WithUnaryZeros(bracketed.Text());
  ReplaceNames(text, mark);
  return 0;
}

}  // namespace zeval
