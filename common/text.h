#pragma once
// Texts and numbers: GBK byte counts, conversions to and from text, rounding.
// Texts are UTF-8 in the programs; every length or position counts GBK bytes.
// Implemented in common/text_*.cc: GBK, ToText, ToNumber, rounding, money words.
#include <string>
#include <string_view>

#include "common/value.h"

// UTF-8 -> GBK bytes (characters GBK lacks become '?'; bytes that are not UTF-8, such as the
// half character TextRight keeps, pass through unchanged).
std::string ToGbk(std::string_view utf8);
// GBK bytes -> UTF-8 (invalid bytes become U+FFFD; a lone lead byte at the end is dropped).
std::string FromGbk(std::string_view gbk);
// True when every byte of text belongs to a well-formed UTF-8 sequence.
bool IsUtf8(std::string_view text);

// Any value as text: integers in decimal, float "%.6g", double "%.13g" (zero never "-0"),
// bool "真"/"假", a date as DateTimeToText format 1, a text unchanged, a byte set up to its
// first NUL.
std::string ToText(const Value& v);
std::string ToText(double v);
std::string ToText(float v);
std::string ToText(int v);
std::string ToText(bool v);
std::string ToText(DateTime v);
std::string ToText(const char* v);
std::string ToText(const std::string& v);
// Any value as a double; a text is read as a decimal number from its start (full-width
// characters first made half-width); anything that is no number gives 0.
double ToNumber(const Value& v);
double ToNumber(const std::string& v);
double ToNumber(const char* v);
float ToFloat(const Value& v);
float ToFloat(const std::string& v);
float ToFloat(const char* v);
double AbsoluteValue(double v);
// Length in GBK bytes.
int GetTextLength(const std::string& text);
// The last n GBK bytes (may split a character; the half is kept as a raw byte, so that
// ToGbk of the result is exactly those n bytes).
std::string TextRight(const std::string& text, int n);
// The longest start of text that takes at most n GBK bytes, whole characters only (a negative
// n: the whole text).
std::string TextWithinBytes(const std::string& text, int n);
// Rounds half away from zero to places decimals (negative places: tens, hundreds ...).
double RoundNumber(double v, int places = 0);
// The amount in Chinese money characters ("壹拾元零伍角整"); plain = 一二三 digits.
std::string NumberToMoneyText(double amount, bool plain = false);
// Full-width ASCII forms (U+FF01..U+FF5E, U+3000) made half-width.
std::string ToHalfWidth(const std::string& text);
