// CMarker: value and rectangles of one slider marker.
#include "controls/Marker.h"

CMarker::CMarker() : m_fValue(-1.0f) {}

CMarker::CMarker(const CMarker& src)
    : CObject(),
      m_fValue(src.m_fValue),
      m_mainRect(src.m_mainRect),
      m_rightRect(src.m_rightRect),
      m_leftRect(src.m_leftRect) {}

CMarker& CMarker::operator=(const CMarker& src) {
  m_fValue = src.m_fValue;
  m_mainRect = src.m_mainRect;
  m_rightRect = src.m_rightRect;
  m_leftRect = src.m_leftRect;
  return *this;
}

bool CMarker::operator==(const CMarker& other) const {
  return m_fValue == other.m_fValue && m_mainRect == other.m_mainRect &&
         m_rightRect == other.m_rightRect && m_leftRect == other.m_leftRect;
}
