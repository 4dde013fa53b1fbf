#include "editor/shell/BMOperationFrame.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMProblemsWindow.h"
#include "editor/shell/BMWindow.h"

namespace BMOperations {

bool OP2621(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2621", window, id, BMOperationFrame::EXISTING_DATA);
    if (!frame.ready() || frame.window() == nullptr) {
        return true;
    }
    frame.window()->getProblemsWindow().show();
    frame.result = true;
    return true;
}

}  // namespace BMOperations
