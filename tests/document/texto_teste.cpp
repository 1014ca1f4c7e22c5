#include "document/texto.hpp"

#include <gtest/gtest.h>

namespace zidod {
namespace {

TEST(Windows1252, CadaByteVaiEVolta) {
  std::string todos;
  for (int b = 1; b < 256; ++b) todos.push_back(static_cast<char>(b));
  const std::string utf8 = Windows1252ParaUtf8(todos);
  EXPECT_EQ(Utf8ParaWindows1252(utf8), todos);
  EXPECT_EQ(ContarCaracteres(utf8), todos.size());
}

TEST(Windows1252, ConverteOsCaracteresDaFaixa80) {
  EXPECT_EQ(Windows1252ParaUtf8("\x80\xe7\xe3o \x93x\x94"), "€ção “x”");
  EXPECT_EQ(Utf8ParaWindows1252("€ção “x”"), "\x80\xe7\xe3o \x93x\x94");
}

TEST(Windows1252, OQueNaoCabeViraInterrogacao) {
  EXPECT_EQ(Utf8ParaWindows1252("a☃b😀c"), "a?b?c");
  EXPECT_EQ(Utf8ParaWindows1252("x\xff\xfe" "y"), "x??y");  // malformed UTF-8
  EXPECT_EQ(Utf8ParaWindows1252("\xc3"), "?");            // cut short
}

TEST(Texto, ApararEContar) {
  EXPECT_EQ(Aparar(" \t ab c \r\n"), "ab c");
  EXPECT_TRUE(EmBranco(" \t"));
  EXPECT_FALSE(EmBranco(" x"));
  EXPECT_EQ(ContarCaracteres("ação"), 4u);
  EXPECT_EQ(PrimeirosCaracteres("ação", 2), "aç");
  EXPECT_EQ(PrimeirosCaracteres("ab", 5), "ab");
}

}  // namespace
}  // namespace zidod
