#include "bindings/signatures.h"

#include <gtest/gtest.h>

#include <string>

namespace inkwright {
namespace {

TEST(LibraryFunctionLines, GivesTypesNamesDescriptionAndLong) {
  const struct {
    const char* declaration;
    const char* description;
    const char* lines;
  } cases[] = {
      {"SetCaption(caption.s, flags.l = 0)", "sets the caption",
       "SetCaption,String,Long (caption.s,flags.l) - sets the caption\r\nLong\r\n"},
      {"Count.l(list.l)", "counts", "Count.l,Long (list.l) - counts\r\nLong\r\n"},
      {"Stop()", "", "Stop,any () - \r\nLong\r\n"},
      {"Stop", " x", "Stop,any () -  x\r\nLong\r\n"},
      {"Open(name.s", "", "Open,any () - \r\nLong\r\n"},
      {" Move (x.b, y.f,z.d , w.q)", "",
       "Move,Byte,Float,Double,Quad (x.b,y.f,z.d,w.q) - \r\nLong\r\n"},
      {"T(a, b.L, c.long, d.l.q, e.)", "",
       "T,any,any,any,Long,any (a,b.L,c.long,d.l.q,e.) - \r\nLong\r\n"},
      {"Say(t.s = \"a,b\", n.l)", "", "Say,String,any,Long (t.s,b\",n.l) - \r\nLong\r\n"},
      {"Pad(s.s = \")\", n.l)", "", "Pad,String (s.s) - \r\nLong\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.lines, libraryFunctionLines(c.declaration, c.description)) << c.declaration;
  }
}

}  // namespace
}  // namespace inkwright
