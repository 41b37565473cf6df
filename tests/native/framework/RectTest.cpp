// CPoint, CSize and CRect: normalisation, the set operations, corner references and operators.
#include "atltypes.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

// Readable failure messages: a rectangle prints as its four edges.
inline std::ostream& operator<<(std::ostream& os, const RECT& r) {
  return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
inline std::ostream& operator<<(std::ostream& os, const POINT& p) {
  return os << "(" << p.x << "," << p.y << ")";
}

namespace {

TEST(CRectShape, NormaliseSwapsOnlyReversedEdgesAndRightAndBottomAreOutside) {
  CRect r(10, 20, 0, 5);
  EXPECT_TRUE(r.IsRectEmpty()) << "a reversed rectangle is empty until normalised";
  EXPECT_FALSE(r.PtInRect(CPoint(2, 7))) << "and holds no point";
  r.NormalizeRect();
  EXPECT_EQ(CRect(0, 5, 10, 20), r);
  CRect half(0, 9, 4, 3);
  half.NormalizeRect();
  EXPECT_EQ(CRect(0, 3, 4, 9), half);
  EXPECT_FALSE(CRect(1, 1, 1, 1).IsRectNull());
  EXPECT_TRUE(CRect(1, 1, 1, 1).IsRectEmpty());

  const CRect box(0, 0, 10, 5);
  for (const CPoint& in : {CPoint(0, 0), CPoint(9, 4)}) EXPECT_TRUE(box.PtInRect(in)) << in;
  for (const CPoint& out : {CPoint(10, 4), CPoint(9, 5), CPoint(-1, 0)})
    EXPECT_FALSE(box.PtInRect(out)) << out;
}

// One set operation on two rectangles: its answer and the rectangle it leaves.
struct SetCase {
  BOOL (CRect::*op)(LPCRECT, LPCRECT);
  CRect a, b;
  BOOL answer;
  CRect result;
  const char* why;
};

TEST(CRectSetOperations, IntersectUnionAndSubtract) {
  const CRect base(0, 0, 10, 10);
  const SetCase cases[] = {
      {&CRect::IntersectRect, base, CRect(5, -5, 20, 7), TRUE, CRect(5, 0, 10, 7), "overlap"},
      {&CRect::IntersectRect, base, CRect(10, 0, 20, 10), FALSE, CRect(), "touching edges"},
      {&CRect::IntersectRect, base, CRect(2, 2, 2, 8), FALSE, CRect(), "an empty one"},
      {&CRect::UnionRect, CRect(0, 0, 1, 1), CRect(5, 5, 6, 8), TRUE, CRect(0, 0, 6, 8), "both"},
      {&CRect::UnionRect, CRect(100, 100, 100, 200), CRect(5, 5, 6, 8), TRUE, CRect(5, 5, 6, 8),
       "an empty rectangle does not stretch the union"},
      {&CRect::UnionRect, CRect(), CRect(3, 3, 1, 1), FALSE, CRect(), "two empty ones"},
      {&CRect::SubtractRect, base, CRect(-5, -5, 15, 4), TRUE, CRect(0, 4, 10, 10), "top band"},
      {&CRect::SubtractRect, base, CRect(7, 0, 10, 10), TRUE, CRect(0, 0, 7, 10), "right side"},
      {&CRect::SubtractRect, base, CRect(2, 2, 5, 5), TRUE, base, "a hole cannot be cut"},
      {&CRect::SubtractRect, base, CRect(5, 5, 20, 20), TRUE, base, "nor a corner"},
  };
  for (const SetCase& c : cases) {
    CRect r(1, 2, 3, 4);
    EXPECT_EQ(c.answer, (r.*c.op)(c.a, c.b)) << c.why;
    EXPECT_EQ(c.result, r) << c.why;
  }
  CRect r;
  EXPECT_FALSE(r.SubtractRect(base, CRect(-1, -1, 11, 11)));
  EXPECT_TRUE(r.IsRectEmpty()) << "everything cut away";

  CRect a = base;
  a &= CRect(3, 3, 30, 30);  // the result may land in one of the sources
  EXPECT_EQ(CRect(3, 3, 10, 10), a);
  a |= CRect(-2, 1, 0, 3);
  EXPECT_EQ(CRect(-2, 1, 10, 10), a);
  EXPECT_EQ(CRect(3, 3, 5, 5), base & CRect(3, 3, 5, 5));
}

TEST(CRectCorners, ReferencesWriteThroughToTheEdges) {
  CRect r(1, 2, 3, 4);
  r.TopLeft() = CPoint(-5, -6);
  r.BottomRight().Offset(10, 10);
  EXPECT_EQ(CRect(-5, -6, 13, 14), r);
  EXPECT_EQ(CSize(18, 20), r.Size());
  EXPECT_EQ(CPoint(4, 4), r.CenterPoint());
  EXPECT_EQ(CPoint(INT_MAX - 1, 0), CRect(INT_MAX - 2, 0, INT_MAX, 0).CenterPoint())
      << "no overflow at the edge";
}

TEST(CRectMoving, InflateDeflateOffsetAndOperatorsAgree) {
  const CRect base(10, 10, 20, 20);
  CRect r = base;
  r.InflateRect(1, 2, 3, 4);
  EXPECT_EQ(CRect(9, 8, 23, 24), r);
  EXPECT_EQ(r, base + CRect(1, 2, 3, 4)) << "adding a rectangle inflates";
  EXPECT_EQ(CRect(11, 12, 17, 16), base - CRect(1, 2, 3, 4)) << "subtracting one deflates";
  r.DeflateRect(CRect(1, 2, 3, 4));
  r.InflateRect(CSize(5, 5));
  r.DeflateRect(5, 5);
  EXPECT_EQ(base, r);
  r.MoveToXY(100, -3);
  EXPECT_EQ(CRect(100, -3, 110, 7), r) << "moving keeps the size";
  r.OffsetRect(CPoint(-89, 14));
  EXPECT_EQ(base + CPoint(1, 1), r);
  EXPECT_TRUE(CRect(static_cast<LPCRECT>(nullptr)).IsRectNull());
  EXPECT_EQ(CRect(1, 2, 4, 6), CRect(CPoint(1, 2), CSize(3, 4)));
}

TEST(CPointAndSize, ArithmeticAndMessageCoordinates) {
  CPoint p(3, 4);
  EXPECT_EQ(CSize(2, 2), p - CPoint(1, 2)) << "two points differ by a size";
  EXPECT_EQ(CPoint(4, 6), p + CSize(1, 2));
  EXPECT_EQ(CPoint(-3, -4), -p);
  EXPECT_EQ(CRect(-1, -1, 9, 9), p - CRect(2, 3, 12, 13))
      << "the rectangle moves by minus the point";
  // Mouse messages pack signed 16-bit coordinates: negative ones come from a second monitor.
  EXPECT_EQ(CPoint(-2, 5), CPoint(LPARAM(MAKELONG(-2, 5))));
  EXPECT_EQ(CPoint(7, -1), CPoint(LPARAM(MAKELONG(7, -1))));
  EXPECT_EQ(CSize(-2, 5), CSize(DWORD(MAKELONG(-2, 5))));
  CPoint q(INT_MAX, INT_MIN);
  q.Offset(1, -1);
  EXPECT_EQ(CPoint(INT_MIN, INT_MAX), q) << "coordinates wrap rather than overflow";
}

}  // namespace
