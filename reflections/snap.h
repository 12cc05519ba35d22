#pragma once

// Where a released cross goes: the grid point nearest its centre.
namespace reflect {

// The column (0..16, grid x + 8) or row (0..14, 7 - grid y) nearest a centre in twips,
// clamped to the grid. Exactly half-way goes to the later one: the larger x, the smaller y.
int snapColumn(int cx);
int snapRow(int cy);

}  // namespace reflect
