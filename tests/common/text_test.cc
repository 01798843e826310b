#include "common/text.h"

#include <errno.h>
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(GbkTest, ConvertsBothWays) {
  EXPECT_EQ(ToGbk("合同"), "\xBA\xCF\xCD\xAC");
  EXPECT_EQ(ToGbk("a合1"),
            "a\xBA\xCF"
            "1");
  EXPECT_EQ(FromGbk("\xBA\xCF\xCD\xAC"), "合同");
  EXPECT_EQ(FromGbk(ToGbk("钢管（米）：配置.ini")), "钢管（米）：配置.ini");
  EXPECT_EQ(ToGbk(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(GbkTest, CharactersGbkLacksAndBadBytes) {
  EXPECT_EQ(ToGbk("x😀y"), "x?y");
  EXPECT_EQ(ToGbk("\xE0\xA4\x85"), "?");  // Devanagari: no GBK form
  EXPECT_EQ(FromGbk("a\xFF"
                    "b"),
            "a\uFFFDb");               // not a GBK byte
  EXPECT_EQ(FromGbk("ab\xBA"), "ab");  // lone lead byte at the end
  EXPECT_EQ(FromGbk(""), "");
}

// GBK bytes read by iconv alone, as FromGbk must give them: a bad byte is U+FFFD, a lead byte
// at the very end is dropped.
std::string IconvReading(std::string_view gbk) {
  static iconv_t cd = iconv_open("UTF-8", "GBK");
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string out;
  char* at = const_cast<char*>(gbk.data());
  size_t left = gbk.size();
  while (left > 0) {
    char buf[64];
    char* to = buf;
    size_t room = sizeof buf;
    bool stopped = iconv(cd, &at, &left, &to, &room) == static_cast<size_t>(-1);
    out.append(buf, static_cast<size_t>(to - buf));
    if (!stopped || errno == E2BIG) continue;
    if (errno == EINVAL) break;
    out += "\uFFFD";
    ++at;
    --left;
  }
  return out;
}

// FromGbk takes ASCII texts without iconv: every byte, every pair of bytes and many random runs
// of GBK lead, second and other bytes still read exactly as iconv reads them.
TEST(GbkTest, EveryByteAndPairReadsAsIconvReadsIt) {
  for (int a = 0; a < 256; ++a) {
    std::string one(1, static_cast<char>(a));
    ASSERT_EQ(FromGbk(one), IconvReading(one)) << a;
    for (int b = 0; b < 256; ++b) {
      std::string two = one + static_cast<char>(b);
      ASSERT_EQ(FromGbk(two), IconvReading(two)) << a << " " << b;
    }
  }
  const unsigned char kinds[] = {0x20, 0x40, 0x7F, 0x80, 0x81, 0xA1, 0xB0, 0xD7, 0xFE, 0xFF};
  std::mt19937 rng(3);
  for (int i = 0; i < 20000; ++i) {
    std::string s(1 + rng() % 12, ' ');
    for (char& c : s) c = static_cast<char>(rng() % 2 ? kinds[rng() % 10] : rng() % 256);
    ASSERT_EQ(FromGbk(s), IconvReading(s)) << i;
  }
}

TEST(GbkTest, BytesThatAreNotUtf8PassThrough) {
  EXPECT_EQ(ToGbk("\xAC"), "\xAC");
  EXPECT_EQ(ToGbk("\xAC"
                  "同"),
            "\xAC\xCD\xAC");
  EXPECT_EQ(ToGbk("\xE5\x90"), "\xE5\x90");  // a cut-off UTF-8 sequence
}

TEST(TextLengthTest, CountsGbkBytes) {
  struct Case {
    std::string text;
    int length;
  } cases[] = {{"", 0}, {"abc", 3}, {"合同", 4}, {"钢管（米）", 10}, {"a合b", 4}, {"😀", 1}};
  for (const Case& c : cases) EXPECT_EQ(GetTextLength(c.text), c.length) << c.text;
}

TEST(TextRightTest, LastBytes) {
  struct Case {
    std::string text;
    int n;
    std::string right;
  } cases[] = {
      {"合同", 2, "同"},   {"合同", 4, "合同"}, {"合同", 9, "合同"},
      {"合同", 0, ""},     {"合同", -1, ""},    {"ab合同", 5, "b合同"},
      {"2014年", 2, "年"}, {"abc", 2, "bc"},    {"", 3, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TextRight(c.text, c.n), c.right) << c.text << c.n;
}

TEST(TextRightTest, HalfACharacterIsKeptAsOneByte) {
  std::string half = TextRight("合同", 1);
  EXPECT_EQ(GetTextLength(half), 1);
  EXPECT_EQ(ToGbk(half), "\xAC");
  std::string three = TextRight("合同", 3);
  EXPECT_EQ(GetTextLength(three), 3);
  EXPECT_EQ(ToGbk(three), "\xCF\xCD\xAC");
  EXPECT_EQ(TextRight(three, 2), "同");
  EXPECT_EQ(GetTextLength(TextRight(three, 1)), 1);
}

TEST(TextRightTest, GivesExactlyTheLastGbkBytes) {
  const std::string texts[] = {"合同", "ab合同c", "钢管（米）12", "x😀合", TextRight("合同", 3)};
  for (const std::string& t : texts) {
    std::string gbk = ToGbk(t);
    for (int n = 1; n <= static_cast<int>(gbk.size()); ++n) {
      EXPECT_EQ(ToGbk(TextRight(t, n)), gbk.substr(gbk.size() - n)) << t << " " << n;
    }
  }
}

TEST(TextWithinBytesTest, WholeCharactersUpToTheLimit) {
  struct Case {
    std::string text;
    int n;
    std::string kept;
  } cases[] = {
      {"合同", 4, "合同"}, {"合同", 3, "合"}, {"合同", 1, ""},      {"ab合同", 5, "ab合"},
      {"abc", 2, "ab"},    {"", 3, ""},       {"合同", -1, "合同"}, {"x😀合", 2, "x😀"},
  };
  for (const Case& c : cases) EXPECT_EQ(TextWithinBytes(c.text, c.n), c.kept) << c.text << c.n;
}

TEST(HalfWidthTest, FullWidthFormsBecomeAscii) {
  EXPECT_EQ(ToHalfWidth("２０１４－１－５"), "2014-1-5");
  EXPECT_EQ(ToHalfWidth("ＡＢｚ～！　x"), "ABz~! x");
  EXPECT_EQ(ToHalfWidth("年月日（）"), "年月日()");
  EXPECT_EQ(ToHalfWidth("合同"), "合同");
}

TEST(ToTextTest, Numbers) {
  EXPECT_EQ(ToText(0.1 + 0.2), "0.3");
  EXPECT_EQ(ToText(0.1f), "0.1");
  EXPECT_EQ(ToText(1e15), "1e+15");
  EXPECT_EQ(ToText(1234.5), "1234.5");
  EXPECT_EQ(ToText(80.00), "80");
  EXPECT_EQ(ToText(-2.5), "-2.5");
  EXPECT_EQ(ToText(123456789012.5), "123456789012.5");
  EXPECT_EQ(ToText(1.5f), "1.5");
  EXPECT_EQ(ToText(1234567.0f), "1.23457e+06");
  EXPECT_EQ(ToText(-7), "-7");
  // A zero reads 0 whatever its sign: -30 m at a rent of 0, a row of 0 days.
  EXPECT_EQ(ToText(-30 * 0.0), "0");
  EXPECT_EQ(ToText(-0.0f), "0");
  EXPECT_EQ(ToText(RoundNumber(-0.001, 2)), "0");
  EXPECT_EQ(ToText(Value{-0.0}), "0");
  EXPECT_EQ(ToText(true), "真");
  EXPECT_EQ(ToText(false), "假");
}

TEST(ToTextTest, Values) {
  struct Case {
    Value v;
    std::string text;
  } cases[] = {
      {Value{}, ""},
      {Value{uint8_t{200}}, "200"},
      {Value{int16_t{-300}}, "-300"},
      {Value{int32_t{-70000}}, "-70000"},
      {Value{int64_t{-5000000000}}, "-5000000000"},
      {Value{uint32_t{4000000000u}}, "4000000000"},
      {Value{2.5f}, "2.5"},
      {Value{0.1 + 0.2}, "0.3"},
      {Value{true}, "真"},
      {Value{std::string("合同")}, "合同"},
      {Value{ByteSet{'a', 'b', 0, 'c'}}, "ab"},
      {Value{DateTime{41644}}, "2014年1月5日"},
  };
  for (const Case& c : cases) EXPECT_EQ(ToText(c.v), c.text) << c.v.index();
}

TEST(ToNumberTest, Texts) {
  struct Case {
    std::string text;
    double number;
  } cases[] = {
      {"", 0},       {"12", 12},      {"  -3.5", -3.5}, {"+7", 7},          {"1.5e3", 1500},
      {"1.5e", 1.5}, {"2E-2x", 0.02}, {"12abc", 12},    {".5", 0.5},        {"5.", 5},
      {"abc", 0},    {".", 0},        {"-", 0},         {"１２．５", 12.5}, {"　３", 3},
      {"0x10", 0},   {"inf", 0},      {"nan", 0},       {"1,5", 1},         {"\t8", 8},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(ToNumber(c.text), c.number) << c.text;
  EXPECT_FLOAT_EQ(ToFloat("0.1"), 0.1f);
}

// Numbers are read as strtod reads them, bit for bit, also where strtod is not what reads
// them: long fractions, large and small exponents, values beyond a double's range.
TEST(ToNumberTest, ReadsAsStrtodReads) {
  std::mt19937 random(3);
  auto digits = [&](int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s.push_back(static_cast<char>('0' + random() % 10));
    return s;
  };
  std::vector<std::string> texts = {"1e400",
                                    "-1e400",
                                    "1e-400",
                                    "4.9e-324",
                                    "2.4703282292062328e-324",
                                    "1.7976931348623157e308",
                                    "1.7976931348623159e308",
                                    "0.1",
                                    "-0",
                                    "+0.0",
                                    "9007199254740993",
                                    "123456789012345678901234567890"};
  for (int i = 0; i < 20000; ++i) {
    std::string t = (random() % 2 ? "-" : "") + digits(1 + random() % 20);
    if (random() % 2) t += "." + digits(random() % 25);
    if (random() % 3 == 0) t += "e" + std::to_string(static_cast<int>(random() % 700) - 350);
    texts.push_back(t);
  }
  for (const std::string& t : texts) {
    const double expected = std::strtod(t.c_str(), nullptr);
    const double read = ToNumber(t);
    ASSERT_EQ(std::memcmp(&read, &expected, sizeof read), 0) << t;
  }
}

TEST(ToNumberTest, Values) {
  EXPECT_EQ(ToNumber(Value{}), 0);
  EXPECT_EQ(ToNumber(Value{true}), 1);
  EXPECT_EQ(ToNumber(Value{int64_t{-5000000000}}), -5000000000.0);
  EXPECT_EQ(ToNumber(Value{0.1f}), static_cast<double>(0.1f));
  EXPECT_EQ(ToNumber(Value{DateTime{41644.5}}), 41644.5);
  EXPECT_EQ(ToNumber(Value{std::string("３.２5")}), 3.25);
  EXPECT_EQ(ToNumber(Value{ByteSet{'1'}}), 0);
  EXPECT_EQ(ToFloat(Value{2.5}), 2.5f);
  EXPECT_EQ(AbsoluteValue(-2.5), 2.5);
}

}  // namespace
