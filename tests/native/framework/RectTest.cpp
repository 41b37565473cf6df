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

TEST(CRectShape, NormaliseSwapsOnlyReversedEdges) {
  CRect r(10, 20, 0, 5);
  EXPECT_TRUE(r.IsRectEmpty()) << "a reversed rectangle is empty until normalised";
  EXPECT_EQ(-10, r.Width());
  r.NormalizeRect();
  EXPECT_EQ(CRect(0, 5, 10, 20), r);
  r.NormalizeRect();
  EXPECT_EQ(CRect(0, 5, 10, 20), r);
  CRect half(0, 9, 4, 3);
  half.NormalizeRect();
  EXPECT_EQ(CRect(0, 3, 4, 9), half);
  EXPECT_FALSE(CRect(1, 1, 1, 1).IsRectNull());
  EXPECT_TRUE(CRect(1, 1, 1, 1).IsRectEmpty());
  EXPECT_TRUE(CRect().IsRectNull());
}

TEST(CRectShape, RightAndBottomEdgesAreOutside) {
  CRect r(0, 0, 10, 5);
  EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
  EXPECT_TRUE(r.PtInRect(CPoint(9, 4)));
  EXPECT_FALSE(r.PtInRect(CPoint(10, 4)));
  EXPECT_FALSE(r.PtInRect(CPoint(9, 5)));
  EXPECT_FALSE(r.PtInRect(CPoint(-1, 0)));
  EXPECT_FALSE(CRect(5, 5, 0, 0).PtInRect(CPoint(2, 2))) << "a reversed rectangle holds no point";
}

TEST(CRectSetOperations, IntersectionOfOverlappingTouchingAndEmpty) {
  CRect r;
  EXPECT_TRUE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(5, -5, 20, 7)));
  EXPECT_EQ(CRect(5, 0, 10, 7), r);

  r.SetRect(1, 2, 3, 4);
  EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)))
      << "touching edges share nothing";
  EXPECT_TRUE(r.IsRectNull()) << "no intersection leaves an all-zero rectangle";

  EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(2, 2, 2, 8)));
  CRect a(0, 0, 10, 10);
  a &= CRect(3, 3, 30, 30);  // the result may land in one of the sources
  EXPECT_EQ(CRect(3, 3, 10, 10), a);
  EXPECT_EQ(CRect(3, 3, 5, 5), a & CRect(-1, -1, 5, 5));
}

TEST(CRectSetOperations, UnionIgnoresEmptyRectangles) {
  CRect r;
  EXPECT_TRUE(r.UnionRect(CRect(0, 0, 1, 1), CRect(5, 5, 6, 8)));
  EXPECT_EQ(CRect(0, 0, 6, 8), r);
  EXPECT_TRUE(r.UnionRect(CRect(100, 100, 100, 200), CRect(5, 5, 6, 8)));
  EXPECT_EQ(CRect(5, 5, 6, 8), r) << "an empty rectangle does not stretch the union";
  EXPECT_FALSE(r.UnionRect(CRect(), CRect(3, 3, 1, 1)));
  EXPECT_TRUE(r.IsRectNull());
  CRect u(0, 0, 2, 2);
  u |= CRect(-2, 1, 0, 3);
  EXPECT_EQ(CRect(-2, 0, 2, 3), u);
}

TEST(CRectSetOperations, SubtractOnlyCutsWholeSides) {
  CRect r;
  const CRect base(0, 0, 10, 10);
  EXPECT_TRUE(r.SubtractRect(base, CRect(-5, -5, 15, 4)));
  EXPECT_EQ(CRect(0, 4, 10, 10), r) << "a band over the top is removed";
  EXPECT_TRUE(r.SubtractRect(base, CRect(7, 0, 10, 10)));
  EXPECT_EQ(CRect(0, 0, 7, 10), r);
  EXPECT_TRUE(r.SubtractRect(base, CRect(2, 2, 5, 5)));
  EXPECT_EQ(base, r) << "a hole cannot be represented, so nothing is removed";
  EXPECT_TRUE(r.SubtractRect(base, CRect(5, 5, 20, 20)));
  EXPECT_EQ(base, r) << "nor can a corner";
  EXPECT_FALSE(r.SubtractRect(base, CRect(-1, -1, 11, 11)));
  EXPECT_TRUE(r.IsRectEmpty());
}

TEST(CRectCorners, ReferencesWriteThroughToTheEdges) {
  CRect r(1, 2, 3, 4);
  r.TopLeft() = CPoint(-5, -6);
  r.BottomRight().Offset(10, 10);
  EXPECT_EQ(CRect(-5, -6, 13, 14), r);
  const CRect& cr = r;
  EXPECT_EQ(CPoint(13, 14), cr.BottomRight());
  EXPECT_EQ(CSize(18, 20), r.Size());
  EXPECT_EQ(CPoint(4, 4), r.CenterPoint());
  EXPECT_EQ(CPoint(INT_MAX - 1, 0), CRect(INT_MAX - 2, 0, INT_MAX, 0).CenterPoint())
      << "no overflow at the edge";
}

TEST(CRectMoving, InflateDeflateOffsetAndMoveTo) {
  CRect r(10, 10, 20, 20);
  r.InflateRect(1, 2);
  EXPECT_EQ(CRect(9, 8, 21, 22), r);
  r.DeflateRect(1, 2);
  EXPECT_EQ(CRect(10, 10, 20, 20), r);
  r.InflateRect(1, 2, 3, 4);
  EXPECT_EQ(CRect(9, 8, 23, 24), r);
  r.DeflateRect(CRect(1, 2, 3, 4));
  EXPECT_EQ(CRect(10, 10, 20, 20), r);
  r.InflateRect(CSize(5, 5));
  r.DeflateRect(CSize(5, 5));
  EXPECT_EQ(CRect(10, 10, 20, 20), r);

  r.MoveToXY(100, -3);
  EXPECT_EQ(CRect(100, -3, 110, 7), r) << "moving keeps the size";
  r.MoveToX(0);
  r.MoveToY(0);
  EXPECT_EQ(CRect(0, 0, 10, 10), r);
  r.OffsetRect(CSize(2, 3));
  r.OffsetRect(CPoint(-2, -3));
  r.OffsetRect(1, 1);
  EXPECT_EQ(CRect(1, 1, 11, 11), r);
}

TEST(CRectOperators, ArithmeticMatchesTheNamedOperations) {
  const CRect r(0, 0, 10, 10);
  EXPECT_EQ(CRect(2, 3, 12, 13), r + CPoint(2, 3));
  EXPECT_EQ(CRect(-2, -3, 8, 7), r - CSize(2, 3));
  EXPECT_EQ(CRect(-1, -2, 13, 14), r + CRect(1, 2, 3, 4)) << "adding a rectangle inflates";
  EXPECT_EQ(CRect(1, 2, 7, 6), r - CRect(1, 2, 3, 4)) << "subtracting one deflates";
  CRect m = r;
  m += CPoint(1, 1);
  m -= CSize(1, 1);
  EXPECT_TRUE(m == r);
  EXPECT_FALSE(m != r);
  m += CRect(1, 1, 1, 1);
  m -= CRect(1, 1, 1, 1);
  EXPECT_EQ(r, m);
  LPCRECT p = r;
  EXPECT_EQ(&r, p);
  EXPECT_TRUE(CRect(&r).EqualRect(r));
  EXPECT_TRUE(CRect(static_cast<LPCRECT>(nullptr)).IsRectNull());
  EXPECT_EQ(CRect(1, 2, 4, 6), CRect(CPoint(1, 2), CSize(3, 4)));
  EXPECT_EQ(CRect(1, 2, 4, 6), CRect(CPoint(1, 2), CPoint(4, 6)));
}

TEST(CPointAndSize, ArithmeticAndMessageCoordinates) {
  CPoint p(3, 4);
  EXPECT_EQ(CSize(2, 2), p - CPoint(1, 2)) << "two points differ by a size";
  EXPECT_EQ(CPoint(4, 6), p + CSize(1, 2));
  EXPECT_EQ(CPoint(-3, -4), -p);
  EXPECT_EQ(CPoint(5, 6), CSize(2, 2) + p);
  EXPECT_EQ(CSize(1, 1), CSize(3, 3) - CSize(2, 2));
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
