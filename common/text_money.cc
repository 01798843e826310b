// Amounts in Chinese money characters, built from the fen digit upwards.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "common/text.h"

namespace {

const char* const kCapitalDigits[] = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};
const char* const kPlainDigits[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
const char* const kCapitalUnits[] = {"拾", "佰", "仟", "万", "拾", "佰",
                                     "仟", "亿", "拾", "佰", "仟", "万"};
const char* const kPlainUnits[] = {"十", "百", "千", "万", "十", "百",
                                   "千", "亿", "十", "百", "千", "万"};
constexpr double kMostFen = 999999999999999.0;

// The pieces of the text, lowest first; Text() puts them in reading order.
class MoneyWords {
 public:
  explicit MoneyWords(bool plain)
      : digits_(plain ? kPlainDigits : kCapitalDigits),
        units_(plain ? kPlainUnits : kCapitalUnits) {}

  // Puts digit d at position i (0 fen, 1 jiao, 2 yuan, 3 and above the units) in front.
  void AddDigit(int d, int i) {
    if (i == 6 || i == 10) group_written_ = false;
    if (d == 0) {
      if (last_non_zero_) Put(digits_[0]);
      last_non_zero_ = false;
      return;
    }
    if (i >= 2 && !yuan_written_) Put("元"), yuan_written_ = true;
    if (i > 5 && !group_written_) {
      if (i >= 7 && i <= 9) Put("万");
      if (i >= 11) Put("亿");
      group_written_ = true;
    }
    if (i >= 3) Put(units_[i - 3]);
    if (i == 1) Put("角");
    if (i == 0) Put("分");
    Put(digits_[d]);
    last_non_zero_ = true;
  }
  void Put(const char* piece) { pieces_.push_back(piece); }
  std::string Text() const {
    std::string s;
    for (auto it = pieces_.rbegin(); it != pieces_.rend(); ++it) s += *it;
    return s;
  }

 private:
  const char* const* digits_;
  const char* const* units_;
  std::vector<const char*> pieces_;
  bool yuan_written_ = false, group_written_ = false, last_non_zero_ = false;
};

// The amount in fen, halves up after the 1e-12 nudge (NaN stays NaN).
double Fen(double amount) {
  double whole = 0;
  double fraction = std::modf(std::fabs(amount) * 100 + 1e-12, &whole);
  return fraction >= 0.5 ? whole + 1 : whole;
}

}  // namespace

std::string NumberToMoneyText(double amount, bool plain) {
  double fen = Fen(amount);
  if (!(fen <= kMostFen)) return "溢出";  // NaN and infinities too
  if (fen == 0) return "零";
  auto v = static_cast<int64_t>(fen);
  MoneyWords words(plain);
  if (v % 10 == 0) words.Put("整");
  for (int i = 0; v > 0; ++i, v /= 10) words.AddDigit(static_cast<int>(v % 10), i);
  return words.Text();
}
