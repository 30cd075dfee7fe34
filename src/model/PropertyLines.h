#pragma once

class LineWriter;
class clsDisplay;

// The lines that set a display object's alpha, rotation, scale and stroke, shared by both
// targets; nothing for values at their defaults.
namespace PropertyLines {

// graphics1: colours from 0 to 255 and reference points instead of anchors.
void write(LineWriter& w, const clsDisplay& d, bool graphics1);

// The kinds that take a stroke: rects, rounded rects, circles and lines.
bool takesStroke(int kind);

} // namespace PropertyLines
