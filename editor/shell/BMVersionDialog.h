#pragma once

#include "framework/gui/HDialog.h"

// The dialog of "ﾊﾞｰｼﾞｮﾝ情報": the program's name and version, the day it was built, its
// copyright and licence line and what it is built on. OK closes it.
class BMVersionDialog : public HDialog {
public:
    BMVersionDialog();
};
