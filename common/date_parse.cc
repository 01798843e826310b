// Date texts read back into DateTime values ("2014年1月5日", "2014-1-5", "2014/01/05 8:30:00").
#include <algorithm>
#include <string>
#include <string_view>

#include "common/dates.h"
#include "common/text.h"

namespace {

class DateScanner {
 public:
  explicit DateScanner(std::string_view s) : s_(s) {}

  bool AtEnd() const { return pos_ == s_.size(); }
  // Reads 1 to max_digits ASCII digits into *out.
  bool Number(int max_digits, int* out) {
    int n = 0, v = 0;
    while (n < max_digits && pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') {
      v = v * 10 + (s_[pos_++] - '0');
      ++n;
    }
    *out = v;
    return n > 0;
  }
  // Takes word when the text goes on with it.
  bool Take(std::string_view word) {
    if (s_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }
  bool Separator() { return Take("-") || Take(".") || Take("/") || Take(":"); }

 private:
  std::string_view s_;
  size_t pos_ = 0;
};

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// The time after the date: hour, 时 or ':', minute, 分 or ':', second, 秒; each may end it.
bool ScanTime(DateScanner& in, DateParts* p) {
  if (in.AtEnd()) return true;
  if (!in.Number(2, &p->hour)) return false;
  if (in.AtEnd()) return true;
  if (!in.Take("时") && !in.Take(":")) return false;
  if (in.AtEnd()) return true;
  if (!in.Number(2, &p->minute)) return false;
  if (in.AtEnd()) return true;
  if (!in.Take("分") && !in.Take(":")) return false;
  if (in.AtEnd()) return true;
  if (!in.Number(2, &p->second)) return false;
  in.Take("秒");
  return in.AtEnd();
}

bool ScanDateTime(DateScanner& in, DateParts* p) {
  if (!in.Number(9, &p->year) || !(in.Take("年") || in.Separator())) return false;
  if (!in.Number(2, &p->month) || !(in.Take("月") || in.Separator())) return false;
  if (!in.Number(2, &p->day)) return false;
  if (in.Take("日")) {
    in.Take(" ");
  } else if (!in.Take(" ")) {
    in.Separator();
  }
  return ScanTime(in, p);
}

bool SameParts(const DateParts& a, const DateParts& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
         a.minute == b.minute && a.second == b.second;
}

}  // namespace

DateTime ToDateTime(const std::string& text) {
  // Full-width digits and signs (and the ideographic blank) all start with 0xEF or 0xE3.
  const bool full_width = std::any_of(text.begin(), text.end(), [](char c) {
    return c == static_cast<char>(0xEF) || c == static_cast<char>(0xE3);
  });
  const std::string half = full_width ? ToHalfWidth(text) : std::string();
  DateScanner in(TrimBlanks(full_width ? std::string_view(half) : std::string_view(text)));
  DateParts p{};
  if (!ScanDateTime(in, &p)) return DateTime{kEmptyDate};
  DateTime d = MakeDateTime(p.year, p.month, p.day, p.hour, p.minute, p.second);
  return SameParts(SplitDateTime(d), p) ? d : DateTime{kEmptyDate};
}
