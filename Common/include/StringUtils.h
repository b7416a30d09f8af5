#ifndef PELM_STRINGUTILS_H
#define PELM_STRINGUTILS_H

#include <cstdint>
#include <list>
#include <string>

namespace Pelm {

// Decimal text of the number.
std::string Int2Str(int value);

// The leading integer of the text as atoi reads it (leading white space and
// a sign allowed, digits up to the first other character, 0 without
// digits or for null), but saturated at the type's limits.
int Str2Int(const char* text);
std::int64_t Str2Int64(const char* text);

// Appends every maximal run of non-delimiter characters, left to right.
void tokenize(const std::string& text, std::list<std::string>& tokens,
              const std::string& delimiters);

// Concatenation: a followed by b.
std::string operator<<(std::string a, std::string b);

} // namespace Pelm

#endif
