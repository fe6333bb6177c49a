#pragma once

// "取坐标": after three seconds for the user to place the pointer, records the
// window under it and the pointer's offset from that window's client origin,
// shows the offset, and computes every column's and row's offset from the
// spacing and count fields.
void captureOrigin();
