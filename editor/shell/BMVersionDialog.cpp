#include "editor/shell/BMVersionDialog.h"

#include <string>

#include "editor/model/BMConstants.h"
#include "framework/base/HWin32.h"
#include "TesselBuildDate.h"  // made by the build: TESSEL_BUILD_DATE, as "2026-12-07"

namespace {

// Dialog units: a character is about four wide and eight high.
const int kWidth = 260;
const int kHeight = 96;
const int kMargin = 10;
const int kLine = 12;

}  // namespace

BMVersionDialog::BMVersionDialog() : HDialog("ﾊﾞｰｼﾞｮﾝ情報", kWidth, kHeight)
{
    HObject::setClassName("BMVersionDialog");
    const std::string lines[] = {
        std::string(APPLICATION_NAME) + " " + APPLICATION_VERSION,
        std::string("ビルド日: ") + TESSEL_BUILD_DATE,
        APPLICATION_COPYRIGHT,
        "使用: Win32, Direct3D 9, WIC",
    };
    int y = kMargin;
    for (const std::string& line : lines) {
        addLabel(line, kMargin, y, kWidth - 2 * kMargin, 10);
        y += kLine;
    }
    addButton(IDOK, "OK", (kWidth - 50) / 2, kHeight - kMargin - 14, 50, 14, true);
}
