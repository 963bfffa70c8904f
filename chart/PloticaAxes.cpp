#include "PloticaAxes.h"

#include "TCustomPlotica.h"

// The axis controls join once the axis control library is available.
TPloticaAxes::TPloticaAxes(TCustomPlotica& chart) : FChart(chart) {}
TPloticaAxes::~TPloticaAxes() = default;
void TPloticaAxes::Forward(int, bool) {}
void TPloticaAxes::SetLeftMargins() {}
void TPloticaAxes::SetRightMargins() {}
void TPloticaAxes::SetTopMargins() {}
void TPloticaAxes::SetBottomMargins() {}
void TPloticaAxes::SetAllMargins() {}
void TPloticaAxes::SetSizes(int, int) {}
void TPloticaAxes::Embed() {}
void TPloticaAxes::RenderAll(TCanvas&) {}
std::vector<double> TPloticaAxes::TickValues(int, bool) { return {}; }
