#pragma once

class BMTool;

// The tool of each pointer shape: a new shape is a new BMTool and one line here.
class BMToolBox {
public:
    // The free-hand shape paints with the brush in direct mouse mode.
    static const BMTool& of(int shape, int mouseMode);
    // The eyedropper, which no shape selects: Alt held with a press, whatever the shape.
    static const BMTool& eyedropper();
};
