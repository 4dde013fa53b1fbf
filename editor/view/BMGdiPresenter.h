#pragma once

#include "editor/view/BMRegion.h"

class HGraphics;
class HImage;

// Hands a composed frame to a GDI device: only the part the paint asks for (the window asks
// for what changed). Parts just composed outside it are asked for in a paint of their own.
class BMGdiPresenter {
public:
    static void present(HGraphics* graphics, HImage* picture, const BMRegion& composed);
};
