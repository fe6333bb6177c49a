#pragma once

// "点击": clicks the target's client origin, then every grid point column by
// column, back to back, each relative to where the target lies at that moment.
// Holding Esc stops the run; so does the system refusing a click. Either way
// the box says how many of the clicks were made.
void clickGrid();
