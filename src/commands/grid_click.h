#pragma once

// "点击": clicks the target's client origin, then every grid point column by
// column, back to back, each relative to where the target lies at that moment.
void clickGrid();
