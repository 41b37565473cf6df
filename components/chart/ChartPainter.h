// Draws a chart model with GDI.
#pragma once
#include <windows.h>

#include "chart/logic/ChartModel.h"

namespace tkw::chart {

// Paint flag: the drawing is a printed page of its own (StartPage/EndPage around it).
constexpr long kPaintPage = 2;

void PaintChart(HDC dc, const RECT& rc, const ChartModel& model);

}  // namespace tkw::chart
